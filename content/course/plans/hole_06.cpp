// Hole 6, "Down the Mine Road": a par 3 from a hilltop by the mines down to the town
// square, 6 units below. The green winds down in two left turns and every ball that
// starts down the road runs to the hollow at its foot, below the square where the cup
// is: the putt up onto the square is the test. A frictionless chute whose mouth lies
// on the hilltop's left side drops a ball that finds it straight onto the square; a
// pipe in the middle leg's inner wall skips the second turn.
#include "content/course/hole_plan.h"

namespace {

using course::Side;
using town::PropKind;

constexpr float kCupLevel = -6;
constexpr float kHollow = -6.25f;  // a ball that runs down the road stops below the square
constexpr float kPipeRadius = 0.45f;
constexpr float kChuteRadius = 0.6f;

course::HolePlan holeSixPlan()
{
    return {
        .number = 6,
        .cup = {-17.1f, kCupLevel, 8.7f},
        .cupDepth = -6.35f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 1.5f}, .width = 5},                                     // the tee box
                {.at = {0, 10}, .width = 5},                                       // the hilltop, by the chute
                {.at = {0, 31}, .width = 5, .height = -2.6f, .corner = 3.5f},      // the first turn
                {.at = {-17.1f, 31}, .width = 5, .height = -5, .corner = 3.5f},    // the second
                {.at = {-17.1f, 17}, .width = 5, .height = kHollow},               // the hollow below the square
                {.at = {-17.1f, 15}, .width = 5, .height = kHollow},
                {.at = {-17.1f, 10.8f}, .width = 5, .height = kCupLevel},          // the town square
                {.at = {-17.1f, 4.5f}, .width = 5, .height = kCupLevel},
            },
            .gaps = {
                {.side = Side::Left, .from = 7.1f, .to = 9.5f},    // the chute leaves the hilltop
                {.side = Side::Left, .from = 39.9f, .to = 41.1f},    // the pipe's mouth, halfway along the middle leg
                {.side = Side::Left, .from = 57, .to = 58.2f},   // the pipe comes out above the hollow
                {.side = Side::Left, .from = 70.8f, .to = 72.4f},  // and the chute on the square
            },
        }},
        .terrain = {
            .level = -7.5f,
            .dunes = 0.9f,
            .apron = 4,
            .plots = {
                {.at = {4, -6}, .radius = 9, .height = -1.2f, .falloff = 10},       // the hilltop round the tee
                {.at = {22, 36}, .radius = 4, .height = -3, .falloff = 10},         // the windmill's foot
                {.at = {9, -2}, .radius = 2, .height = -0.8f, .falloff = 5},        // the outhouse
                {.at = {-36, 30}, .radius = 10, .height = -7, .falloff = 8},        // the mine mill with the chimney
                {.at = {13, 16}, .radius = 6.5f, .height = -3.5f, .falloff = 6},    // the house
                {.at = {-40, 4}, .radius = 10, .height = -7.5f, .falloff = 8},      // the mill with the ore bins
                {.at = {-12, 46}, .radius = 10, .height = -6, .falloff = 8},        // the saloon
                {.at = {-26, 8}, .radius = 1.5f, .height = -7.3f, .falloff = 4},    // the horse post
                {.at = {0, -16}, .radius = 3.5f, .height = -2.5f, .falloff = 8},    // the town sign
            },
            .seed = 6,
            .look = {.tint = {0.96f, 0.9f, 0.82f, 1}, .pebbles = 200, .seed = 106},  // stony mine spoil
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {-6, 17}, .yaw = 25},
            {.kind = PropKind::Barrels, .at = {-23, 14}, .yaw = -40, .variant = 1},
            {.kind = PropKind::Longhorn, .at = {5.5f, 20}, .yaw = 170},
            {.kind = PropKind::WagonWheels, .at = {-9, 33}, .yaw = 60},
            {.kind = PropKind::Cactus, .at = {6, 8}, .yaw = 15, .scale = 1.2f},
            {.kind = PropKind::Cactus, .at = {-8, -7}, .yaw = 200, .variant = 1},
            {.kind = PropKind::Cactus, .at = {-24, 22}, .yaw = 100, .variant = 2},
            {.kind = PropKind::Cactus, .at = {7, 34}, .yaw = 300, .scale = 1.1f, .variant = 3},
            {.kind = PropKind::Cactus, .at = {-25, -4}, .yaw = 50, .scale = 1.3f, .variant = 2},
            {.kind = PropKind::Brush, .at = {-4.5f, -3}},
            {.kind = PropKind::Brush, .at = {4.5f, 13}, .yaw = 70, .variant = 1},
            {.kind = PropKind::Brush, .at = {-9, 22}, .yaw = 140, .variant = 2},
            {.kind = PropKind::Brush, .at = {-22, 2}, .yaw = 20},
            {.kind = PropKind::Brush, .at = {-13, 36}, .yaw = 250, .variant = 1},
            {.kind = PropKind::Brush, .at = {4, 30}, .yaw = 90, .variant = 2},
            {.kind = PropKind::Brush, .at = {-21, 30}, .yaw = 180},
        },
        .pipes = {
            {   // from the middle leg's inner wall down to the last leg
                .path = {
                    {-8.5f, -3.84f + kPipeRadius, 28.35f},  // just outside the grass: no lip to catch a ball
                    {-8.5f, -4.3f + kPipeRadius, 25},
                    {-12, -5.9f + kPipeRadius, 21},
                    {-14.9f, -6.32f + kPipeRadius, 21},
                },
                .radius = kPipeRadius,
            },
            {   // the chute from the hilltop to the square, wide-mouthed
                .path = {
                    {-1.7f, kChuteRadius, 3.8f},
                    {-1.7f, kChuteRadius, 5},
                    {-4.5f, kChuteRadius - 0.1f, 7.8f},
                    {-11, kCupLevel + kChuteRadius + 0.6f, 7},
                    {-14.9f, kCupLevel + kChuteRadius, 7},
                },
                .radius = kChuteRadius,
                .slick = true,
            },
        },
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_06, holeSixPlan);
