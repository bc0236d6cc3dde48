// Hole 2, "Windmill Hill": a par 2 that climbs to the windmill's hill. A level tee
// box, a jog to the right round the left wall's corner (the straight line is shut),
// then one long ramp up to a wide level green under the hill. A putt up the ramp
// needs the pace: short and the ball rolls back to the foot, long and the rise at the
// back of the green sends it back towards the cup.
#include "content/course/hole_plan.h"

namespace {

using town::PropKind;

constexpr float kTop = 1.559724f;  // the green's height at the cup
constexpr float kBackRise = 0.4f;  // the back of the green lifts this much behind the cup

course::HolePlan holeTwoPlan()
{
    return {
        .number = 2,
        .cup = {0, kTop, 32.001106f},
        .cupDepth = 0.7f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 4}, .width = 5},                         // the tee box
                {.at = {4.5f, 10}, .width = 5},                     // the jog right
                {.at = {4.5f, 13}, .width = 5},                     // the foot of the ramp
                {.at = {0, 25}, .width = 5.5f, .height = kTop},     // the brow
                {.at = {0, 29}, .width = 7, .height = kTop},
                {.at = {0, 33}, .width = 7, .height = kTop},
                {.at = {0, 36.5f}, .width = 7, .height = kTop + kBackRise},  // sends a long putt back
            },
        }},
        .terrain = {
            .level = -1.2f,
            .dunes = 0.9f,
            .apron = 6,
            .plots = {
                {.at = {14, 44}, .radius = 4, .height = 2.5f, .falloff = 9},    // the windmill's hill
                {.at = {-13, 17}, .radius = 2.5f, .height = 0.2f, .falloff = 6},  // the outhouse
            },
            .seed = 21,
            .look = {.tint = {1.0f, 0.95f, 0.88f, 1}, .pebbles = 140, .seed = 103},  // warm, a little stony
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {8.5f, 21}, .yaw = 35},
            {.kind = PropKind::Barrels, .at = {-9.5f, 13.5f}, .yaw = -15, .variant = 1},
            {.kind = PropKind::Longhorn, .at = {-6, 6}, .yaw = 160},
            {.kind = PropKind::WagonWheels, .at = {9.5f, 30}, .yaw = -70},
            {.kind = PropKind::Cactus, .at = {10, 6}, .yaw = 20, .scale = 1.2f},
            {.kind = PropKind::Cactus, .at = {-8, 26}, .yaw = 110, .variant = 1},
            {.kind = PropKind::Cactus, .at = {-12, -6}, .yaw = 200, .scale = 1.1f, .variant = 2},
            {.kind = PropKind::Cactus, .at = {7, 40}, .yaw = 300, .scale = 1.3f, .variant = 3},
            {.kind = PropKind::Cactus, .at = {14, -9}, .yaw = 60, .variant = 1},
            {.kind = PropKind::Brush, .at = {-5, 1}},
            {.kind = PropKind::Brush, .at = {8, 14}, .yaw = 40, .variant = 1},
            {.kind = PropKind::Brush, .at = {-5.5f, 19}, .yaw = 90, .variant = 2},
            {.kind = PropKind::Brush, .at = {6.5f, 34}, .yaw = 10},
            {.kind = PropKind::Brush, .at = {-6, 37}, .yaw = 130, .variant = 1},
            {.kind = PropKind::Brush, .at = {5, -7}, .yaw = 250, .variant = 2},
            {.kind = PropKind::Brush, .at = {18, 22}, .yaw = 70},
            {.kind = PropKind::Brush, .at = {-16, 30}, .yaw = 180, .variant = 1},
        },
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_02, holeTwoPlan);
