// Hole 5, "The Broken Mill": a par 3 up onto a terrace and down to the old mill's
// gate, where a spinning blade guards the narrow way through. A ball that catches the
// blade at the wrong moment is knocked back; a braver line leaves the terrace by a
// pipe in its left wall that runs round the gate and drops the ball beyond it. Past
// the gate the green turns left to a level cup.
#include "content/course/hole_plan.h"

namespace {

using course::Side;
using town::PropKind;

// The terrace, the gate and the mill floor under the blade's hub at (0, 1.8, 19.6):
// its lowest tip passes 0.1 above the grass.
constexpr float kTerrace = 1.5f;
constexpr float kMillFloor = 0.95f;
constexpr float kGateZ = 19.6f;
constexpr float kGateOpening = 0.8f;  // half the way through under the blade
constexpr float kPipeRadius = 0.45f;

course::HolePlan holeFivePlan()
{
    return {
        .number = 5,
        .cup = {-5.82f, 1, 27.5f},
        .cupDepth = 0.2f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 1.5f}, .width = 5},                                  // the tee box
                {.at = {0, 11.5f}, .width = 5, .height = kTerrace},             // up onto the terrace
                {.at = {0, 13.5f}, .width = 5, .height = kTerrace},
                {.at = {0, 17.8f}, .width = 5, .height = kMillFloor},           // down to the gate
                {.at = {0, 27.5f}, .width = 5, .height = 1, .corner = 2.8f},     // rising 0.05 to the cup's level
                {.at = {-13, 27.5f}, .width = 5, .height = 1},
            },
            .mounds = {{.at = {0.2f, 27.6f}, .radius = 1.2f, .height = 0.18f}},  // a bump on the bend's outside
            .gaps = {
                {.side = Side::Left, .from = 14.9f, .to = 16.1f},               // the pipe leaves the terrace
                {.side = Side::Left, .from = 22.9f, .to = 24.1f},               // and its end beyond the gate
            },
        }},
        .blocks = {
            {.at = {-(2.5f + kGateOpening) / 2, kGateZ}, .size = {2.5f - kGateOpening, 0.4f}, .height = 0.9f},
            {.at = {(2.5f + kGateOpening) / 2, kGateZ}, .size = {2.5f - kGateOpening, 0.4f}, .height = 0.9f},
        },
        .terrain = {
            .level = -1.2f,
            .dunes = 0.9f,
            .apron = 5,
            .plots = {
                {.at = {19, 25}, .radius = 5, .height = -8.5f, .falloff = 12},     // the broken windmill's hollow
                {.at = {-28, 12}, .radius = 10.5f, .height = 0.5f, .falloff = 8},  // the mine mill
                {.at = {18, 9}, .radius = 6.5f, .height = 0.3f, .falloff = 6},     // the house
                {.at = {6.5f, 2}, .radius = 1.5f, .height = -0.8f, .falloff = 4},  // the horse post
            },
            .seed = 5,
            .look = {.tint = {1.0f, 0.93f, 0.86f, 1}, .pebbles = 140, .seed = 105},
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {-5.5f, 6}, .yaw = 40},
            {.kind = PropKind::Barrels, .at = {-12, 24}, .yaw = -15, .variant = 2},
            {.kind = PropKind::Longhorn, .at = {5.5f, 15}, .yaw = 250},
            {.kind = PropKind::WagonWheels, .at = {6, 23}, .yaw = 110, .variant = 1},
            {.kind = PropKind::WagonWheels, .at = {-14, 32}, .yaw = 20},
            {.kind = PropKind::Cactus, .at = {-7, -5}, .yaw = 30, .scale = 1.2f},
            {.kind = PropKind::Cactus, .at = {8, -8}, .yaw = 140, .variant = 1},
            {.kind = PropKind::Cactus, .at = {-15, 38}, .yaw = 230, .variant = 2},
            {.kind = PropKind::Cactus, .at = {4, 36}, .yaw = 80, .scale = 1.1f, .variant = 3},
            {.kind = PropKind::Cactus, .at = {28, 14}, .yaw = 10, .scale = 1.3f, .variant = 1},
            {.kind = PropKind::Brush, .at = {-5, 1}},
            {.kind = PropKind::Brush, .at = {5, 10}, .yaw = 60, .variant = 1},
            {.kind = PropKind::Brush, .at = {-6.5f, 18}, .yaw = 120, .variant = 2},
            {.kind = PropKind::Brush, .at = {4.5f, 29}, .yaw = 30},
            {.kind = PropKind::Brush, .at = {-10, 35}, .yaw = 200, .variant = 1},
            {.kind = PropKind::Brush, .at = {-16, 27}, .yaw = 80, .variant = 2},
            {.kind = PropKind::Brush, .at = {10, 30}, .yaw = 150},
            {.kind = PropKind::Brush, .at = {3, -10}, .yaw = 300, .variant = 1},
        },
        .pipes = {{
            .path = {
                {-1.5f, kTerrace + kPipeRadius, 11.7f},
                {-1.5f, kTerrace + kPipeRadius - 0.02f, 13},
                {-4.4f, kTerrace + kPipeRadius - 0.12f, 13},
                {-4.4f, kMillFloor + kPipeRadius + 0.05f, 21},
                {-2.2f, kMillFloor + kPipeRadius, 21},
            },
            .radius = kPipeRadius,
        }},
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_05, holeFivePlan);
