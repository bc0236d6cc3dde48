// Hole 15, "Mill Row": a par 4 that turns back on itself. A level tee box and a
// ramp down past the hotel, a banked horseshoe round the yard below the house,
// and a long fall down the mill race past the mill's posts into the mill pond; the
// cup lies on the low bottom just above it, behind and to the right of the tee. Hit
// the tee shot too hard and it leaves by the runaway in the bend's outer wall.
#include "content/course/hole_plan.h"

namespace {

using town::PropKind;

course::HolePlan holeFifteenPlan()
{
    return {
        .number = 15,
        .cup = {20.021f, -3.769f, -9.337f},
        .cupDepth = -4.6f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 5}, .width = 5},
                {.at = {0, 11}, .width = 4.5f, .height = -0.8f},
                {.at = {0, 26}, .width = 5.5f, .height = -0.8f, .bank = -0.06f},
                {.at = {20, 26}, .width = 5.5f, .height = -0.8f},
                {.at = {20, 16}, .width = 4.5f, .height = -1.5f},
                {.at = {20, 9}, .width = 4.5f, .height = -2.8f},
                {.at = {20, 3}, .width = 5.5f, .height = -3.9f},
                {.at = {20, -1.5f}, .width = 6, .height = -4.3f},                 // the mill pond, below the cup
                {.at = {20, -6.5f}, .width = 6, .height = -3.769f},               // the low bottom round the cup
                {.at = {20, -13}, .width = 6, .height = -3.769f},
            },
            .gaps = {{.side = course::Side::Left, .from = 25.5f, .to = 30}},  // the runaway: an overhit tee shot leaves
        }},
        .blocks = {{.at = {20, -6.4f}, .size = {2.4f, 0.5f}}},  // the mill stone in front of the cup
        .posts = {{.at = {19, 9}, .radius = 0.45f}, {.at = {21.2f, 3.5f}, .radius = 0.45f}},
        .terrain = {
            .level = -2.5f,
            .dunes = 0.8f,
            .apron = 6,
            .plots = {
                {.at = {10, 12}, .radius = 4, .height = -1.6f, .falloff = 3},      // the yard in the horseshoe
                {.at = {10, 40}, .radius = 8.5f, .height = 0, .falloff = 5},       // the house behind the bend
                {.at = {-18, 16}, .radius = 11.5f, .height = -0.6f, .falloff = 5}, // the hotel
                {.at = {35, 6}, .radius = 10, .height = -2, .falloff = 6},         // the mine mill
                {.at = {-30, 52}, .radius = 4, .height = 0, .falloff = 10},        // the windmill's foot
                {.at = {-5.5f, 24}, .radius = 1.5f, .height = -1.2f, .falloff = 3},  // the hitching post
            },
            .seed = 15,
            .look = {.tint = {0.97f, 0.93f, 0.86f, 1}, .pebbles = 140, .seed = 115},
        },
        .props = {
            {.kind = PropKind::Box, .at = {-5.5f, 3}, .yaw = 15},
            {.kind = PropKind::Box, .at = {7, 17}, .yaw = -30, .variant = 1},
            {.kind = PropKind::Longhorn, .at = {26, -2}, .yaw = 250},
            {.kind = PropKind::Cactus, .at = {-7, 22}, .yaw = 10, .scale = 1.2f},
            {.kind = PropKind::Cactus, .at = {26, 24}, .yaw = 100, .variant = 1},
            {.kind = PropKind::Cactus, .at = {10, -6}, .yaw = 200, .scale = 1.1f, .variant = 2},
            {.kind = PropKind::Cactus, .at = {30, -14}, .yaw = 60, .variant = 3},
            {.kind = PropKind::Cactus, .at = {-10, -14}, .yaw = 300, .scale = 1.3f, .variant = 1},
            {.kind = PropKind::Fence, .at = {-7, -6}, .yaw = 0},
            {.kind = PropKind::Brush, .at = {-5, 1}},
            {.kind = PropKind::Brush, .at = {5, 30}, .yaw = 40, .variant = 1},
            {.kind = PropKind::Brush, .at = {25.5f, 12}, .yaw = 90, .variant = 2},
            {.kind = PropKind::Brush, .at = {14, -12}, .yaw = 150},
            {.kind = PropKind::Brush, .at = {-5, 17}, .yaw = 220, .variant = 1},
            {.kind = PropKind::Brush, .at = {27, -9}, .yaw = 10, .variant = 2},
            {.kind = PropKind::Brush, .at = {6, -1}, .yaw = 70},
        },
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_15, holeFifteenPlan);
