// Hole 1, "Main Street": a short par 2 down the middle of town. A level tee box, a
// ramp down to the street, a brick block on its right half (a straight putt at the cup
// passes it from every tee spot; one aimed wide right does not), and a wide green in front
// of the two houses. The land falls away to the hitching post and the town sign and
// climbs behind the green to the bench where the houses stand.
#include "content/course/hole_plan.h"

namespace {

using town::PropKind;

course::HolePlan holeOnePlan()
{
    return {
        .number = 1,
        .cup = {0.232f, -0.5f, 26.731f},
        .cupDepth = -0.9f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 6}, .width = 5},
                {.at = {0.3f, 12}, .width = 4, .height = -0.5f},
                {.at = {0.6f, 20}, .width = 4.5f, .height = -0.5f},
                {.at = {0.232f, 30}, .width = 6.5f, .height = -0.5f},
            },
        }},
        .blocks = {{.at = {1.75f, 16.5f}, .size = {1.0f, 0.45f}}},
        .terrain = {
            .level = -2.2f,
            .dunes = 0.8f,
            .apron = 7,
            .plots = {
                {.at = {-38, 30}, .radius = 4, .height = 0, .falloff = 10},        // the windmill's foot
                {.at = {28, 21}, .radius = 2.5f, .height = 2, .falloff = 8},       // the outhouse
                {.at = {5, 56}, .radius = 17, .height = 4.3f, .falloff = 10},      // the town's bench
                {.at = {-10, 43}, .radius = 10.5f, .height = 4.7f, .falloff = 6},  // the houses, porches and steps
                {.at = {20, 43}, .radius = 10.5f, .height = 4.1f, .falloff = 6},
                {.at = {-21, 0}, .radius = 3, .height = -4, .falloff = 8},         // the hitching post
                {.at = {0, -25}, .radius = 3.5f, .height = -4, .falloff = 9},      // the town sign
            },
            .seed = 11,
            .look = {.tint = {0.98f, 0.91f, 0.84f, 1}, .pebbles = 170, .seed = 102},  // trodden, redder, stonier
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {-7, 38}, .yaw = 10},
            {.kind = PropKind::Barrels, .at = {13.5f, 39}, .yaw = -30, .variant = 1},
            {.kind = PropKind::Longhorn, .at = {6.5f, 9}, .yaw = 200},
            {.kind = PropKind::WagonWheels, .at = {-17, 3}, .yaw = 75},
            {.kind = PropKind::Cactus, .at = {-11, 14}, .yaw = 30, .scale = 1.2f},
            {.kind = PropKind::Cactus, .at = {12, 4}, .yaw = 150, .variant = 1},
            {.kind = PropKind::Cactus, .at = {-13, -10}, .yaw = 260, .variant = 2},
            {.kind = PropKind::Cactus, .at = {16, 27}, .yaw = 80, .scale = 1.1f, .variant = 3},
            {.kind = PropKind::Cactus, .at = {9, -14}, .yaw = 10, .scale = 1.3f, .variant = 2},
            {.kind = PropKind::Brush, .at = {-6.5f, 3}},
            {.kind = PropKind::Brush, .at = {7, 17}, .yaw = 50, .variant = 1},
            {.kind = PropKind::Brush, .at = {-7.5f, 23}, .yaw = 120, .variant = 2},
            {.kind = PropKind::Brush, .at = {-4, -9}, .yaw = 30},
            {.kind = PropKind::Brush, .at = {10, 30}, .yaw = 210, .variant = 1},
            {.kind = PropKind::Brush, .at = {-15, 20}, .yaw = 80, .variant = 2},
            {.kind = PropKind::Brush, .at = {21, 12}, .yaw = 140},
            {.kind = PropKind::Brush, .at = {4, -18}, .yaw = 300, .variant = 1},
        },
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_01, holeOnePlan);
