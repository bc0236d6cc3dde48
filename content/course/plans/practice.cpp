// The practice hole: a gentle par 3 under the windmill. A level tee box, a swing to
// the right, one ramp up and a wide level green round the cup; the windmill turns on
// its hill beyond the back wall.
#include "content/course/hole_plan.h"

namespace {

using town::PropKind;

course::HolePlan practicePlan()
{
    return {
        .number = 0,
        .cup = {-0.344f, 0.587f, 32.011f},
        .cupDepth = -0.4f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 5}, .width = 5},
                {.at = {1.6f, 10.5f}, .width = 4.2f},
                {.at = {1.2f, 19}, .width = 4.2f, .height = 0.587f},
                {.at = {-0.344f, 26.5f}, .width = 5.5f, .height = 0.587f},
                {.at = {-0.344f, 35}, .width = 5.5f, .height = 0.587f},
            },
        }},
        .terrain = {
            .level = -1.2f,
            .dunes = 0.7f,
            .apron = 6,
            .plots = {
                {.at = {0, 52}, .radius = 4, .height = 0, .falloff = 10},       // the windmill's foot
                {.at = {-8, 20}, .radius = 2.5f, .height = -0.6f, .falloff = 4},  // the water tower
            },
            .seed = 3,
            .look = {.tint = {1.0f, 0.98f, 0.94f, 1}, .pebbles = 110, .seed = 101},  // pale and fine
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {-6.2f, 16.5f}, .yaw = 20},
            {.kind = PropKind::Barrels, .at = {8.5f, 4}, .yaw = -35, .variant = 1},
            {.kind = PropKind::Box, .at = {6.5f, 8}, .yaw = 12},
            {.kind = PropKind::Box, .at = {5.8f, 25}, .yaw = -20, .variant = 1},
            {.kind = PropKind::Longhorn, .at = {-5.5f, 6}, .yaw = 150},
            {.kind = PropKind::WagonWheels, .at = {7.2f, 16}, .yaw = -80},
            {.kind = PropKind::Cactus, .at = {-9.5f, 2}, .yaw = 10},
            {.kind = PropKind::Cactus, .at = {11, 12}, .yaw = 70, .scale = 1.2f, .variant = 1},
            {.kind = PropKind::Cactus, .at = {-12, 29}, .yaw = 200, .variant = 2},
            {.kind = PropKind::Cactus, .at = {9.5f, 37}, .yaw = 120, .scale = 0.9f, .variant = 3},
            {.kind = PropKind::Cactus, .at = {-6, 42}, .yaw = 40, .scale = 1.1f, .variant = 1},
            {.kind = PropKind::Cactus, .at = {15, 27}, .yaw = 300, .scale = 1.3f, .variant = 2},
            {.kind = PropKind::Cactus, .at = {-17, 10}, .yaw = 80, .scale = 1.2f, .variant = 3},
            {.kind = PropKind::MineCart, .at = {7, 31}, .yaw = 75},
            {.kind = PropKind::WaterContainer, .at = {-8, 20}, .yaw = 90},
            {.kind = PropKind::Brush, .at = {-4.5f, 1}},
            {.kind = PropKind::Brush, .at = {5, 13}, .yaw = 40, .variant = 1},
            {.kind = PropKind::Brush, .at = {-5, 26}, .yaw = 75, .variant = 2},
            {.kind = PropKind::Brush, .at = {4.5f, 35}, .yaw = 10},
            {.kind = PropKind::Brush, .at = {-10, 13}, .yaw = 130, .variant = 1},
            {.kind = PropKind::Brush, .at = {12, 20}, .yaw = 200, .variant = 2},
            {.kind = PropKind::Brush, .at = {-9, 36}, .yaw = 20},
            {.kind = PropKind::Brush, .at = {3, 44}, .yaw = 60, .variant = 1},
            {.kind = PropKind::Brush, .at = {10, 5}, .yaw = 90, .variant = 2},
            {.kind = PropKind::Brush, .at = {-14, 22}, .yaw = 160},
        },
    };
}

}  // namespace

REGISTER_HOLE_PLAN(practice, practicePlan);
