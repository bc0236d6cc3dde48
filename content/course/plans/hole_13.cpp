// Hole 13, "The Flume": a long par 5 that drops through a pipe to the low ground.
// The upper green snakes left and back right to a narrowing funnel; at its end a
// mouth in the wall takes the ball into the flume, which falls four units and throws
// it out onto the lower green. The flume's pace carries the ball up the low ground
// into a banked hairpin to the right; from there the last leg runs back down past a
// sluice gate to the cup, with the end wall behind it. Miss the mouth and the ball
// rests against the end wall for another go; too firm and the flume spits it back.
#include "content/course/hole_plan.h"

namespace {

using town::PropKind;

constexpr float kLow = -4;          // the lower green's height
constexpr float kPipeRadius = 0.45f;
constexpr float kCupLegX = 6.8f;    // the last leg, down to the cup
constexpr float kHairpin = kCupLegX / 2 - 0.05f;

course::HolePlan holeThirteenPlan()
{
    return {
        .number = 13,
        .cup = {6.24f, -4, 42.72f},
        .cupDepth = -5.3f,
        .greens = {
            {
                .path = {
                    {.at = {0, -2.5f}, .width = 5},
                    {.at = {0, 6}, .width = 5},
                    {.at = {-3.5f, 13}, .width = 4.2f},
                    {.at = {-3.5f, 17}, .width = 4.2f},
                    {.at = {0, 22.5f}, .width = 3.6f},
                    {.at = {0, 27}, .width = 2.6f, .dish = 0.25f},
                },
                .gaps = {{.side = course::Side::End, .from = -0.55f, .to = 0.55f}},
            },
            {
                .path = {
                    {.at = {0, 33}, .width = 4, .height = kLow},
                    {.at = {0, 36}, .width = 4, .height = kLow},
                    {.at = {0, 50}, .width = 4.4f, .height = kLow, .bank = -0.05f, .corner = kHairpin},
                    {.at = {kCupLegX, 50}, .width = 4.6f, .height = kLow, .corner = kHairpin},
                    {.at = {kCupLegX, 38}, .width = 4.6f, .height = kLow},
                },
                .gaps = {{.side = course::Side::Start, .from = -0.6f, .to = 0.6f}},
            },
        },
        .blocks = {{.at = {kCupLegX, 46.5f}, .size = {1.8f, 0.5f}}},  // the sluice gate across the last leg
        .terrain = {
            .level = -5.2f,
            .dunes = 0.8f,
            .apron = 5,
            .plots = {
                {.at = {0, 10}, .radius = 9, .height = -1, .falloff = 8},   // the bench the upper green stands on
                {.at = {-12, 38}, .radius = 3.5f, .height = -4.5f, .falloff = 6},  // the water tank
                {.at = {-7.5f, 7.5f}, .radius = 1.5f, .height = -1, .falloff = 4},  // the horse post
            },
            .seed = 1313,
            .look = {.tint = {0.95f, 0.9f, 0.86f, 1}, .pebbles = 160, .seed = 113},
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {-8, 4}, .yaw = 15},
            {.kind = PropKind::Barrels, .at = {6, 33}, .yaw = -40, .variant = 1},
            {.kind = PropKind::Longhorn, .at = {5, 14}, .yaw = 200},
            {.kind = PropKind::WagonWheels, .at = {-7.5f, 29}, .yaw = -70},
            {.kind = PropKind::Cactus, .at = {6, -4}, .yaw = 30},
            {.kind = PropKind::Cactus, .at = {-9, 19}, .yaw = 100, .scale = 1.2f, .variant = 1},
            {.kind = PropKind::Cactus, .at = {15, 36}, .yaw = 220, .variant = 2},
            {.kind = PropKind::Cactus, .at = {-7, 50}, .yaw = 300, .scale = 1.1f, .variant = 3},
            {.kind = PropKind::Cactus, .at = {9, 24}, .yaw = 60, .scale = 1.3f, .variant = 2},
            {.kind = PropKind::Brush, .at = {-4.5f, 1}},
            {.kind = PropKind::Brush, .at = {4.5f, 20}, .yaw = 40, .variant = 1},
            {.kind = PropKind::Brush, .at = {-4, 33}, .yaw = 80, .variant = 2},
            {.kind = PropKind::Brush, .at = {13, 50}, .yaw = 150},
            {.kind = PropKind::Brush, .at = {16, 45}, .yaw = 200, .variant = 1},
            {.kind = PropKind::Brush, .at = {-8, 10}, .yaw = 260, .variant = 2},
            {.kind = PropKind::Wagon, .at = {7.5f, 6}, .yaw = 160},
            {.kind = PropKind::Fence, .at = {-6.5f, 24}, .yaw = 60},
            {.kind = PropKind::Fence, .at = {3, 57}, .variant = 1},
            {.kind = PropKind::MineCart, .at = {14, 30}, .yaw = 20},
            {.kind = PropKind::WaterContainer, .at = {-12, 38}, .yaw = 90, .variant = 2},
        },
        .pipes = {{
            .path = {
                {0, kPipeRadius, 26.9f},
                {0, kPipeRadius - 0.1f, 28.2f},
                {0, kLow + kPipeRadius + 0.3f, 31.6f},
                {0, kLow + kPipeRadius, 33.1f},
            },
            .radius = kPipeRadius,
        }},
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_13, holeThirteenPlan);
