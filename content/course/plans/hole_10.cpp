// Hole 10, "Down the Tailings": the back nine opens with a short par 2 that drops
// into the mine's hollow. A level tee, then a long banked ramp sweeping left and down
// four and a half units to the low green, where a hump at the foot checks a fast ball
// and the cup waits near the back wall under the mills.
#include "content/course/hole_plan.h"

namespace {

using town::PropKind;

constexpr float kLow = -4.5f;  // the hollow's green, the cup's height

course::HolePlan holeTenPlan()
{
    return {
        .number = 10,
        .cup = {-21.136f, -4.5f, 19.74f},
        .cupDepth = -4.3f,
        .wallHeight = 0.8f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 3}, .width = 5},
                {.at = {0, 19.74f}, .width = 4.5f, .height = -2.45f, .bank = 0.1f, .corner = 6},
                {.at = {-14, 19.74f}, .width = 5, .height = kLow},
                {.at = {-26, 19.74f}, .width = 5.5f, .height = kLow},
            },
            .humps = {{.at = 33.5f, .length = 2.5f, .height = 0.18f}},
            .mounds = {{.at = {-17.6f, 18.3f}, .radius = 1.3f, .height = 0.22f}, {.at = {-17.6f, 21.2f}, .radius = 1.3f, .height = 0.22f}},
        }},
        .terrain = {
            .level = -5.5f,
            .dunes = 0.9f,
            .apron = 6,
            .plots = {
                {.at = {-22, 38}, .radius = 9, .height = -4.5f, .falloff = 8},   // the mills at the back of the hollow
                {.at = {-40, 18}, .radius = 8, .height = -4.5f, .falloff = 8},
                {.at = {14, 20}, .radius = 8, .height = 0, .falloff = 8},        // the saloon on the rim
                {.at = {20, 50}, .radius = 4, .height = 0, .falloff = 10},       // the windmill's foot
                {.at = {6, -4}, .radius = 2, .height = -0.5f, .falloff = 5},     // the hitching post
            },
            .seed = 101,
            .look = {.tint = {0.95f, 0.88f, 0.80f, 1}, .pebbles = 190, .seed = 110},
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {-8, 27}, .yaw = 25},
            {.kind = PropKind::Longhorn, .at = {6, 10}, .yaw = 200},
            {.kind = PropKind::WagonWheels, .at = {-12, 10}, .yaw = 70},
            {.kind = PropKind::Cactus, .at = {-6, 6}, .yaw = 30, .scale = 1.2f},
            {.kind = PropKind::Cactus, .at = {8, 28}, .yaw = 150, .variant = 1},
            {.kind = PropKind::Cactus, .at = {-30, 8}, .yaw = 260, .variant = 2},
            {.kind = PropKind::Brush, .at = {4, 2}},
            {.kind = PropKind::Brush, .at = {-5, 14}, .yaw = 50, .variant = 1},
            {.kind = PropKind::Brush, .at = {-18, 12}, .yaw = 120, .variant = 2},
            {.kind = PropKind::Brush, .at = {-30, 26}, .yaw = 200},
            {.kind = PropKind::Fence, .at = {-12, 27}, .yaw = 0},
            {.kind = PropKind::Fence, .at = {-32, 12}, .yaw = 90, .variant = 1},
            {.kind = PropKind::MineCart, .at = {-30, 30}, .yaw = 60},
        },
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_10, holeTenPlan);
