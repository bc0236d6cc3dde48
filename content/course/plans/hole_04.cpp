// Hole 4, "The Ore Chute": a par 3 from the top of the mesa down into the mining
// gulch, 7 below. The tee green runs down into a dished funnel that ends at the mouth
// of an iron chute; whatever reaches the funnel finds the mouth. The chute drops the
// ball to the gulch floor, where the lower green bends left round to the cup: the
// chute's pace carries the ball to the bend, and the approach from there decides it.
#include "content/course/hole_plan.h"

namespace {

using course::Side;
using town::PropKind;

constexpr float kCupX = -18.55f, kCupZ = 48.3f;
constexpr float kLow = -7.0f;         // the lower green, and the cup
constexpr float kFunnelEnd = -1.5f;   // the end of the upper green, beyond the chute's mouth
constexpr float kMouthZ = 19.9f;      // the chute's mouth, at the end wall: no pipe stands on the green
constexpr float kMouthFloor = -1.55f; // a little below the grass there (-1.5): no lip to stop a slow ball
constexpr float kLanding = -6.5f;     // where the chute lets the ball out
constexpr float kChute = 0.45f;       // inside radius of the chute
constexpr float kMouth = 0.65f;       // half the width of the gaps the chute runs through

course::HolePlan holeFourPlan()
{
    return {
        .number = 4,
        .cup = {kCupX, kLow, kCupZ},
        .cupDepth = -7.1f,
        .greens = {
            {
                .path = {
                    {.at = {0, -2.5f}, .width = 5},
                    {.at = {0, 4}, .width = 5},                                         // the tee box
                    {.at = {0, 13}, .width = 4.5f, .height = -0.5f, .dish = 0.1f},
                    {.at = {0, 20}, .width = 3, .height = kFunnelEnd, .dish = 0.25f},   // the funnel
                },
                .gaps = {{.side = Side::End, .from = -kMouth, .to = kMouth}},
            },
            {
                .path = {
                    {.at = {-2, 40}, .width = 4, .height = kLanding},                   // the chute's landing
                    {.at = {-9, 40}, .width = 4.5f, .height = kLow},
                    {.at = {kCupX, 40}, .width = 5.5f, .height = kLow},                 // the corner
                    {.at = {kCupX, 52}, .width = 5.5f, .height = kLow},
                },
                .gaps = {{.side = Side::Start, .from = -kMouth, .to = kMouth}},
            },
        },
        .posts = {{.at = {-19.5f, 45.6f}, .radius = 0.45f, .height = 0.8f}},  // a pit prop guarding the cup from the corner
        .terrain = {
            .level = -8.5f,
            .dunes = 1.0f,
            .below = 1.2f,  // well below the chute where it leaves the mesa
            .apron = 5,
            .plots = {
                {.at = {24, 40}, .radius = 12.5f, .height = -4, .falloff = 8},      // the boiler-house mill
                {.at = {-40, 20}, .radius = 12.5f, .height = -6, .falloff = 8},     // the stamp mill
                {.at = {-41, 60}, .radius = 12, .height = -7.5f, .falloff = 8},     // the saloon
                {.at = {4, 68}, .radius = 10.5f, .height = -6, .falloff = 8},       // the bank
                {.at = {25, 8}, .radius = 7.5f, .height = -3, .falloff = 8},        // the house
                {.at = {-11, 5}, .radius = 2.5f, .height = -4, .falloff = 6},       // the outhouse
                {.at = {-28, 50}, .radius = 2, .height = -7.8f, .falloff = 5},      // the horse post
            },
            .seed = 41,
            .look = {.tint = {0.95f, 0.88f, 0.8f, 1}, .pebbles = 200, .seed = 105},  // the gulch: redder, rocky
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {-7, 28}, .yaw = 10},
            {.kind = PropKind::Barrels, .at = {12, 34}, .yaw = -50, .variant = 1},
            {.kind = PropKind::Longhorn, .at = {-8, 44}, .yaw = 200},
            {.kind = PropKind::WagonWheels, .at = {7, 24}, .yaw = 30},
            {.kind = PropKind::Cactus, .at = {-7, 12}, .yaw = 60, .scale = 1.3f},
            {.kind = PropKind::Cactus, .at = {8, -6}, .yaw = 140, .variant = 1},
            {.kind = PropKind::Cactus, .at = {-26, 40}, .yaw = 250, .scale = 1.1f, .variant = 2},
            {.kind = PropKind::Cactus, .at = {-12, 58}, .yaw = 20, .variant = 3},
            {.kind = PropKind::Cactus, .at = {3, 42}, .yaw = 300, .scale = 1.2f, .variant = 1},
            {.kind = PropKind::Brush, .at = {-5, -4}},
            {.kind = PropKind::Brush, .at = {6, 6}, .yaw = 70, .variant = 1},
            {.kind = PropKind::Brush, .at = {-4, 22}, .yaw = 130, .variant = 2},
            {.kind = PropKind::Brush, .at = {-17, 32}, .yaw = 20},
            {.kind = PropKind::Brush, .at = {-25, 56}, .yaw = 90, .variant = 1},
            {.kind = PropKind::Brush, .at = {-6, 51}, .yaw = 170, .variant = 2},
            {.kind = PropKind::Brush, .at = {5, 30}, .yaw = 240},
            {.kind = PropKind::Brush, .at = {-14, 18}, .yaw = 310, .variant = 1},
        },
        .pipes = {{
            .path = {
                {0, kMouthFloor + kChute, kMouthZ},
                {0, -2.2f, 22.5f},
                {0.5f, -5.6f, 36.5f},
                {0.5f, kLanding + kChute + 0.15f, 40},
                {-2.6f, kLanding + kChute, 40},
            },
            .radius = kChute,
        }},
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_04, holeFourPlan);
