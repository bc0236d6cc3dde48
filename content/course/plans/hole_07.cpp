// Hole 7, "The Pond": a par 3 round a right-hand bend with the town pond inside it.
// The long way runs up the street and along the bank to the cup; a frictionless chute
// from the tee box's right side flies over the water to the cup's leg, and a pipe
// from the inner bank crosses the pond's corner. A gap in the bank lets a ball that
// drifts right roll down into the water.
#include "content/course/hole_plan.h"

namespace {

using course::Side;
using town::PropKind;

constexpr float kCupLevel = -1.6f;
constexpr float kPond = -10;  // the pond's floor, below the water at -8
constexpr float kPipeRadius = 0.45f;
constexpr float kChuteRadius = 0.6f;

course::HolePlan holeSevenPlan()
{
    return {
        .number = 7,
        .cup = {18, kCupLevel, 23.9f},
        .cupDepth = -1.4f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 1.5f}, .width = 5},                                    // the tee box
                {.at = {0, 10}, .width = 5},
                {.at = {0, 23.9f}, .width = 5, .height = -0.8f, .corner = 3.5f},  // round the pond
                {.at = {12, 23.9f}, .width = 5, .height = kCupLevel},
                {.at = {21, 23.9f}, .width = 5, .height = kCupLevel},
            },
            .gaps = {
                {.side = Side::Right, .from = 7.1f, .to = 9.5f},      // the chute leaves the tee box
                {.side = Side::Right, .from = 15, .to = 17},   // the bank, open to the pond
                {.side = Side::Right, .from = 20.9f, .to = 22.1f},    // the pipe's mouth
                {.side = Side::Right, .from = 31.3f, .to = 32.5f},   // the pipe comes out on the cup's leg
                {.side = Side::Right, .from = 37.1f, .to = 38.7f},  // and the chute
            },
        }},
        .terrain = {
            .level = -1.8f,
            .dunes = 0.7f,
            .apron = 2,
            .plots = {
                {.at = {10, 12}, .radius = 4.5f, .height = kPond, .falloff = 4},   // the pond
                {.at = {-20, 40}, .radius = 4, .height = 0, .falloff = 10},       // the windmill's foot
                {.at = {9, -4}, .radius = 2, .height = -1, .falloff = 5},         // the outhouse
                {.at = {30, 6}, .radius = 6.5f, .height = -1, .falloff = 6},      // the house
                {.at = {24, 15}, .radius = 1.5f, .height = -1.5f, .falloff = 4},  // the horse post
                {.at = {-7, 14}, .radius = 2.5f, .height = -1, .falloff = 4},     // the trough
            },
            .seed = 7,
            .look = {.tint = {0.97f, 0.94f, 0.88f, 1}, .pebbles = 90, .seed = 107},  // fine, damp-looking sand
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {-6, 20}, .yaw = 35},
            {.kind = PropKind::Barrels, .at = {23, 30}, .yaw = -20, .variant = 1},
            {.kind = PropKind::Longhorn, .at = {16, 10}, .yaw = 140},
            {.kind = PropKind::WagonWheels, .at = {-6, 4}, .yaw = 70},
            {.kind = PropKind::WaterContainer, .at = {-7, 14}, .yaw = 90, .variant = 1, .model = "watercontanier",
             .water = "water"},
            {.kind = PropKind::Cactus, .at = {-8, -6}, .yaw = 20, .scale = 1.2f},
            {.kind = PropKind::Cactus, .at = {8, 36}, .yaw = 100, .variant = 1},  // clear of the fly-over
            {.kind = PropKind::Cactus, .at = {26, 22}, .yaw = 210, .variant = 2},
            {.kind = PropKind::Cactus, .at = {-9, 28}, .yaw = 300, .scale = 1.1f, .variant = 3},
            {.kind = PropKind::Brush, .at = {5, -4}},
            {.kind = PropKind::Brush, .at = {15, 4}, .yaw = 60, .variant = 1},
            {.kind = PropKind::Brush, .at = {-5, 10}, .yaw = 130, .variant = 2},
            {.kind = PropKind::Brush, .at = {4, 31}, .yaw = 20},
            {.kind = PropKind::Brush, .at = {19, 31}, .yaw = 250, .variant = 1},
            {.kind = PropKind::Brush, .at = {17, 16}, .yaw = 90, .variant = 2},
        },
        .pipes = {
            {   // from the inner bank across the pond's corner
                .path = {
                    {2.85f, -0.51f + kPipeRadius, 19},  // just outside the grass
                    {5, -0.51f + kPipeRadius - 0.3f, 19},
                    {7, -1.33f + kPipeRadius + 0.2f, 20.6f},
                    {7, -1.33f + kPipeRadius, 21.6f},  // ends at the grass: no lip to catch a ball
                },
                .radius = kPipeRadius,
            },
            {   // the chute over the water
                .path = {
                    {1.7f, kChuteRadius, 3.8f},
                    {1.7f, kChuteRadius, 5},
                    {4.5f, kChuteRadius - 0.1f, 7.8f},
                    {13, kCupLevel + kChuteRadius + 0.5f, 18},
                    {13, kCupLevel + kChuteRadius + 0.02f, 21.65f},
                },
                .radius = kChuteRadius,
                .slick = true,
            },
        },
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_07, holeSevenPlan);
