// Hole 16, "Tower Hill": a par 5 that climbs round itself. Up a ramp from the tee,
// left along the wagon yard, left again up the long steep climb to the mesa, and a
// last left turn onto the plateau under the water tower, where the cup lies three
// above the tee and just behind it.
#include "content/course/hole_plan.h"

namespace {

using town::PropKind;

course::HolePlan holeSixteenPlan()
{
    return {
        .number = 16,
        .cup = {-0.002f, 3, -7.223f},
        .cupDepth = 1.5f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 5}, .width = 5},
                {.at = {0, 11}, .width = 4.5f, .height = 1},
                {.at = {0, 21}, .width = 5, .height = 1, .bank = 0.05f},
                {.at = {-17, 21}, .width = 5, .height = 1, .bank = 0.05f},
                {.at = {-17, 14}, .width = 4.5f, .height = 1},
                {.at = {-17, 7}, .width = 4.5f, .height = 2},
                {.at = {-17, 0}, .width = 4.5f, .height = 3},
                {.at = {-17, -7.223f}, .width = 5.5f, .height = 3, .bank = 0.04f},
                {.at = {-9, -7.223f}, .width = 5.5f, .height = 3},
                {.at = {3.5f, -7.223f}, .width = 5.5f, .height = 3},
            },
        }},
        .terrain = {
            .level = -0.5f,
            .dunes = 0.7f,
            .apron = 5,
            .plots = {
                {.at = {-8, -15}, .radius = 5, .height = 2.6f, .falloff = 6},    // the mesa under the water tower
            },
            .seed = 16,
            .look = {.tint = {1.0f, 0.92f, 0.82f, 1}, .pebbles = 150, .seed = 116},
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {5, 14}, .yaw = 20},
            {.kind = PropKind::Barrels, .at = {-23, 9}, .yaw = -40, .variant = 1},
            {.kind = PropKind::Box, .at = {-6, 26}, .yaw = 10},
            {.kind = PropKind::Box, .at = {-7.5f, 12}, .yaw = 35, .variant = 1},
            {.kind = PropKind::Longhorn, .at = {-12, 6}, .yaw = 120},
            {.kind = PropKind::WagonWheels, .at = {-14, 27}, .yaw = 80},
            {.kind = PropKind::Cactus, .at = {6, 4}, .yaw = 30, .scale = 1.2f},
            {.kind = PropKind::Cactus, .at = {-24, 24}, .yaw = 140, .variant = 1},
            {.kind = PropKind::Cactus, .at = {8, -12}, .yaw = 250, .scale = 1.1f, .variant = 2},
            {.kind = PropKind::Cactus, .at = {-25, -4}, .yaw = 70, .variant = 3},
            {.kind = PropKind::Cactus, .at = {6, 28}, .yaw = 200, .scale = 1.3f, .variant = 1},
            {.kind = PropKind::Brush, .at = {-4.5f, 5}},
            {.kind = PropKind::Brush, .at = {-9, 17}, .yaw = 60, .variant = 1},
            {.kind = PropKind::Brush, .at = {-22, 15}, .yaw = 120, .variant = 2},
            {.kind = PropKind::Brush, .at = {4, 22}, .yaw = 20},
            {.kind = PropKind::Brush, .at = {-11, -1}, .yaw = 200, .variant = 1},
            {.kind = PropKind::Brush, .at = {6, -4}, .yaw = 300, .variant = 2},
            {.kind = PropKind::Fence, .at = {7, 12}, .yaw = 90},
            {.kind = PropKind::MineCart, .at = {-23, 1}, .yaw = 80},
            {.kind = PropKind::WaterContainer, .at = {-8, -14}, .yaw = 20, .variant = 0, .model = "watercontainer"},
        },
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_16, holeSixteenPlan);
