// Hole 14, "The Wagon Yard": a short par 3 that turns left into the freight yard.
// From the tee box the green swings into a wide, crowned yard; a row of brick crates
// stands across it with one narrow gate, on the inside of the turn, and beyond the
// gate a step climbs to the loading tier where the cup is. A putt that rides round
// the outside wall meets the long crate: play to the yard first, then through the
// gate with enough pace to climb the step.
#include "content/course/hole_plan.h"

namespace {

using town::PropKind;

constexpr float kTier = 0.5f;  // the loading tier's height
constexpr float kGateX = -7.8f;  // the row of crates

course::HolePlan holeFourteenPlan()
{
    return {
        .number = 14,
        .cup = {-13.108f, 0.5f, 7.624f},
        .cupDepth = -0.5f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 2.5f}, .width = 5.5f},
                {.at = {-5, 7.6f}, .width = 7.5f, .dish = -0.12f},
                {.at = {-9, 7.6f}, .width = 7},
                {.at = {-11.5f, 7.6f}, .width = 6.5f, .height = kTier},
                {.at = {-17.5f, 7.6f}, .width = 6, .height = kTier},
            },
        }},
        .blocks = {
            {.at = {kGateX, 4.55f}, .size = {0.8f, 1.5f}},
            {.at = {kGateX, 9.1f}, .size = {0.8f, 4.6f}},
        },
        .terrain = {
            .level = -1.4f,
            .dunes = 0.6f,
            .apron = 6,
            .plots = {
                {.at = {2, -24}, .radius = 3.5f, .height = -1.5f, .falloff = 8},  // the town sign
            },
            .seed = 1414,
            .look = {.tint = {0.98f, 0.94f, 0.88f, 1}, .pebbles = 120, .seed = 114},
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {-13, 15.5f}, .yaw = 15},
            {.kind = PropKind::Barrels, .at = {5, 9}, .yaw = -40, .variant = 1},
            {.kind = PropKind::Barrels, .at = {-21.5f, 3}, .yaw = 70, .variant = 2},
            {.kind = PropKind::Box, .at = {-9, 15}, .yaw = 10},
            {.kind = PropKind::Box, .at = {-16, 0}, .yaw = -25, .variant = 1},
            {.kind = PropKind::Box, .at = {6, 2}, .yaw = 40, .variant = 2},
            {.kind = PropKind::WagonWheels, .at = {-4, 15}, .yaw = -70},
            {.kind = PropKind::Cactus, .at = {-8, -7}, .yaw = 30},
            {.kind = PropKind::Cactus, .at = {9, 16}, .yaw = 100, .scale = 1.2f, .variant = 1},
            {.kind = PropKind::Cactus, .at = {-25, 12}, .yaw = 220, .variant = 2},
            {.kind = PropKind::Cactus, .at = {11, -13}, .yaw = 60, .scale = 1.3f, .variant = 3},
            {.kind = PropKind::Brush, .at = {4.5f, -2}},
            {.kind = PropKind::Brush, .at = {-2, 14}, .yaw = 40, .variant = 1},
            {.kind = PropKind::Brush, .at = {-19, 15}, .yaw = 80, .variant = 2},
            {.kind = PropKind::Brush, .at = {-9, -1}, .yaw = 150},
            {.kind = PropKind::Brush, .at = {-23, 6}, .yaw = 200, .variant = 1},
            {.kind = PropKind::Wagon, .at = {-13, -5}, .yaw = 80, .variant = 1},
            {.kind = PropKind::Fence, .at = {-22, 9}, .yaw = 90},
            {.kind = PropKind::Fence, .at = {6.5f, 5}, .yaw = 90, .variant = 2},
            {.kind = PropKind::MineCart, .at = {-17, 16}, .yaw = 95},
        },
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_14, holeFourteenPlan);
