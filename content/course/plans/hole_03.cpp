// Hole 3, "Saloon Pond": a par 3 that turns back on itself below the saloons. Out
// from the tee gently down into a banked hairpin, and back down the far leg to a
// level green to the right of the tee and behind it. The far leg leans towards a gap
// in its left wall, with the pond in the valley below: a putt round the hairpin
// needs enough pace to ride the banking, and not so much that it runs out of the gap.
// The far leg drops early and runs in gently over its last stretch, and the green runs
// on well past the cup: a tee shot stops anywhere along the run-in or rolls by the cup,
// instead of every one finding the level green at the same pace and coming back off an
// end wall just behind the cup.
#include "content/course/hole_plan.h"

namespace {

using course::Side;
using town::PropKind;

constexpr float kCupX = 17.052f;
constexpr float kLow = -2.14538f;    // the green's height at the cup
constexpr float kTurn = -0.8f;       // the hairpin's height
constexpr float kBanking = -0.05f;   // the hairpin's cross slope: its outer (left) side lifted
constexpr float kTurnRadius = 7.5f;
constexpr float kLean = 0.03f;       // the far leg leans towards the gap in its left wall
constexpr float kGapFrom = 48.5f;    // along the centre line: the far leg, 9 before the cup
constexpr float kValley = -8.0f;     // the land falls away east of the far leg
constexpr float kPond = -11.0f;      // the sand under the pond, below the water level of -10
constexpr float kGreenEnd = -14.5f;  // a putt that runs past the cup has room to die: no backstop close behind it

course::HolePlan holeThreePlan()
{
    return {
        .number = 3,
        .cup = {kCupX, kLow, -7.24f},
        .cupDepth = -3.4f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 4}, .width = 5},                                       // the tee box
                {.at = {0, 21}, .width = 5.5f, .height = kTurn, .bank = kBanking, .corner = kTurnRadius},
                {.at = {kCupX, 21}, .width = 5.5f, .height = kTurn, .bank = kBanking, .corner = kTurnRadius},
                {.at = {kCupX, 6}, .width = 5.5f, .height = kLow + 0.2f, .bank = kLean},  // down the far leg to a gentle run-in
                {.at = {kCupX, -3}, .width = 6, .height = kLow},
                {.at = {kCupX, kGreenEnd}, .width = 6, .height = kLow},         // the green, with room past the cup
            },
            .gaps = {{.side = Side::Left, .from = kGapFrom, .to = kGapFrom + 3}},  // onto the bank above the pond
        }},
        // a hitching post just up the leg from the cup: a tee shot rolling straight down the middle glances off it
        .posts = {{.at = {kCupX + 0.2f, -5.1f}, .radius = 0.35f, .height = 0.8f}},
        .terrain = {
            .level = -3.2f,
            .dunes = 0.8f,
            .apron = 2.5f,
            .plots = {
                {.at = {8.5f, 8}, .radius = 3, .height = -4.5f, .falloff = 3},        // inside the hairpin
                {.at = {36, -3}, .radius = 12, .height = kValley, .falloff = 9},     // the valley
                {.at = {35, -3}, .radius = 8.5f, .height = kPond, .falloff = 4},      // the pond
                {.at = {-31, 25}, .radius = 11.5f, .height = 4.9f, .falloff = 12},     // the saloon
                {.at = {-31, 43}, .radius = 12, .height = 4.9f, .falloff = 12},        // the hotel
                {.at = {-30, 8}, .radius = 9.5f, .height = 4.9f, .falloff = 12},       // the bank
                {.at = {-19, 20}, .radius = 2.5f, .height = 1.5f, .falloff = 6},      // the horse post
                {.at = {56, -32}, .radius = 4, .height = 0, .falloff = 10},           // the windmill's foot
                {.at = {31, 12}, .radius = 2.5f, .height = -1, .falloff = 6},         // the outhouse
            },
            .seed = 31,
            .look = {.tint = {0.96f, 0.93f, 0.9f, 1}, .pebbles = 100, .seed = 104},  // paler, greyer by the water
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {-21, 30}, .yaw = 20},
            {.kind = PropKind::Barrels, .at = {-21.5f, 12}, .yaw = -40, .variant = 1},
            {.kind = PropKind::Longhorn, .at = {8.5f, 9}, .yaw = 100},
            {.kind = PropKind::WagonWheels, .at = {-8, 22}, .yaw = 80},
            {.kind = PropKind::Cactus, .at = {-7, 3}, .yaw = 40, .scale = 1.2f},
            {.kind = PropKind::Cactus, .at = {25, 24}, .yaw = 140, .variant = 1},
            {.kind = PropKind::Cactus, .at = {7, -9}, .yaw = 220, .variant = 2},
            {.kind = PropKind::Cactus, .at = {23, -17}, .yaw = 10, .scale = 1.3f, .variant = 3},
            {.kind = PropKind::Cactus, .at = {-9, 30}, .yaw = 300, .scale = 1.1f, .variant = 1},
            {.kind = PropKind::Brush, .at = {-5, -5}},
            {.kind = PropKind::Brush, .at = {5.5f, 1}, .yaw = 60, .variant = 1},
            {.kind = PropKind::Brush, .at = {27, 14}, .yaw = 20, .variant = 2},
            {.kind = PropKind::Brush, .at = {-6, 16}, .yaw = 100},
            {.kind = PropKind::Brush, .at = {24, 8}, .yaw = 160, .variant = 1},
            {.kind = PropKind::Brush, .at = {12, -13}, .yaw = 250, .variant = 2},
            {.kind = PropKind::Brush, .at = {8.5f, 33}, .yaw = 30},
            {.kind = PropKind::Brush, .at = {-13, -12}, .yaw = 80, .variant = 1},
        },
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_03, holeThreePlan);
