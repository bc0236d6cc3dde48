// Hole 11, "Water Tower Bend": a par 3 that swings left round the town's water
// tower. A level tee box runs up to a banked corner (its outside wall stands high, so
// a firm putt rides round it), then a short steep step climbs to the upper tier where
// the cup waits in front of the house. Too soft and the ball rolls back off the step;
// too firm and it comes off the back wall.
#include "content/course/hole_plan.h"

namespace {

using town::PropKind;

course::HolePlan holeElevenPlan()
{
    return {
        .number = 11,
        .cup = {-18.76f, 0.5f, 23.04f},
        .cupDepth = 0.57f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 7}, .width = 5},
                {.at = {0, 23}, .width = 4.5f, .height = -0.2f, .bank = 0.07f, .corner = 4.75f},
                {.at = {-9.5f, 23}, .width = 4.2f, .height = -0.2f},
                {.at = {-14, 23}, .width = 4.5f, .height = 0.5f},
                {.at = {-22.5f, 23}, .width = 5, .height = 0.5f},
            },
        }},
        .blocks = {{.at = {-15.6f, 23}, .size = {0.5f, 1.6f}}},  // the trough's stand, square in the way
        .terrain = {
            .level = -1.5f,
            .dunes = 0.7f,
            .apron = 6,
            .plots = {
                {.at = {-10, 11}, .radius = 3, .height = -0.6f, .falloff = 4},     // the water tower
                {.at = {-19, 38}, .radius = 9, .height = 1.5f, .falloff = 7},      // the house
                {.at = {20, 26}, .radius = 11, .height = 0, .falloff = 8},         // the mine mill
                {.at = {-36, 6}, .radius = 11, .height = -0.5f, .falloff = 8},     // the old mill
            },
            .seed = 1111,
            .look = {.tint = {0.97f, 0.93f, 0.86f, 1}, .pebbles = 140, .seed = 111},
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {-25.5f, 28}, .yaw = 15},
            {.kind = PropKind::Barrels, .at = {5, 16}, .yaw = -40, .variant = 1},
            {.kind = PropKind::Longhorn, .at = {-5.5f, 3}, .yaw = 160},
            {.kind = PropKind::WagonWheels, .at = {6.5f, 6}, .yaw = -70},
            {.kind = PropKind::Cactus, .at = {-6, -4}, .yaw = 30},
            {.kind = PropKind::Cactus, .at = {8, 28}, .yaw = 100, .scale = 1.2f, .variant = 1},
            {.kind = PropKind::Cactus, .at = {-27, 17}, .yaw = 220, .variant = 2},
            {.kind = PropKind::Cactus, .at = {-14, 4}, .yaw = 300, .scale = 1.1f, .variant = 3},
            {.kind = PropKind::Cactus, .at = {10, -6}, .yaw = 60, .scale = 1.3f, .variant = 2},
            {.kind = PropKind::Brush, .at = {4.5f, 1}},
            {.kind = PropKind::Brush, .at = {-5, 17}, .yaw = 40, .variant = 1},
            {.kind = PropKind::Brush, .at = {-12, 29}, .yaw = 80, .variant = 2},
            {.kind = PropKind::Brush, .at = {4, 30}, .yaw = 150},
            {.kind = PropKind::Brush, .at = {-24, 18}, .yaw = 200, .variant = 1},
            {.kind = PropKind::Brush, .at = {-4, -10}, .yaw = 260, .variant = 2},
            {.kind = PropKind::Fence, .at = {-29, 34}, .yaw = 90},
            {.kind = PropKind::Fence, .at = {-9, 40}, .yaw = 10, .variant = 1},
            {.kind = PropKind::MineCart, .at = {7, 20}, .yaw = 80},
            {.kind = PropKind::WaterContainer, .at = {-24, 30.5f}, .yaw = 180, .variant = 1,
             .model = "watercontainer", .water = "water"},
            {.kind = PropKind::WaterContainer, .at = {-10, 11}, .yaw = -30,
             .model = "watercontainer1", .water = "water1"},
        },
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_11, holeElevenPlan);
