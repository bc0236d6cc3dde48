// Hole 17, "The Turning Loop": a long par 5 round the railroad's turning loop. A
// level tee box, a long climb up the embankment, a
// banked hairpin at the top where the engines turn, then back along the top through
// the cattle pens: two gates from alternate walls that a bold putt threads and a
// careful player takes one at a time. A ramp drops to a sunken green behind and left
// of the tee, with a hummock in front of the cup and no buffers at the end of the
// line: a ball that runs on drops off onto the sand. The steam train stands on its
// track between the two legs.
#include "content/course/hole_plan.h"

namespace {

using course::Side;
using town::PropKind;

constexpr float kTop = 1.0f;       // height of the embankment and the hairpin
constexpr float kGreen = -0.5f;    // the cup's green
constexpr float kBank = 0.08f;     // cross slope of the hairpin, outside high
constexpr float kHairpin = 6.5f;   // radius of the hairpin's two bends
constexpr float kLegX = -17.218f;  // the return leg runs down the cup's line
constexpr float kPens = 5.0f;      // width of the return leg along the top
constexpr float kGateLength = 1.8f;
constexpr float kTrackX = -8.6f;   // the train's line, between the legs
constexpr float kTrackBed = -1.0f;
constexpr float kPenGate = 0.5f * (kPens - kGateLength);  // a gate's middle off the centre line

course::HolePlan holeSeventeenPlan()
{
    return {
        .number = 17,
        .cup = {-17.218f, -0.5f, -5.27f},
        .cupDepth = -1.55f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 6}, .width = 5},
                {.at = {0, 13}, .width = 3.6f},
                {.at = {0, 27}, .width = 3.6f, .height = kTop},
                {.at = {0, 41}, .width = 5, .height = kTop, .bank = kBank, .corner = kHairpin},
                {.at = {kLegX, 41}, .width = 5, .height = kTop, .bank = kBank, .corner = kHairpin},
                {.at = {kLegX, 27}, .width = kPens, .height = kTop},
                {.at = {kLegX, 15}, .width = kPens, .height = kTop},
                {.at = {kLegX, 5}, .width = 3.6f, .height = kGreen},
                {.at = {kLegX, -1}, .width = 5, .height = kGreen},
                {.at = {kLegX, -9.5f}, .width = 5, .height = kGreen},
            },
            .mounds = {{.at = {kLegX, -0.8f}, .radius = 1.5f, .height = 0.15f}},  // a hummock guarding the cup
            .gaps = {{.side = Side::End, .from = -1.4f, .to = 1.4f}},  // the end of the line: no buffers
        }},
        // the cattle pens along the top: two gates from alternate walls
        .blocks = {{.at = {kLegX - kPenGate, 29}, .size = {kGateLength, 0.6f}},
                   {.at = {kLegX + kPenGate, 19}, .size = {kGateLength, 0.6f}}},
        .terrain = {
            .level = -1.6f,
            .dunes = 0.9f,
            .apron = 6,
            .plots = {
                {.at = {24, 30}, .radius = 4, .height = 0, .falloff = 10},        // the windmill's foot
                {.at = {12, -8}, .radius = 2.5f, .height = -1, .falloff = 6},     // the outhouse
                {.at = {kTrackX, 6}, .radius = 3.5f, .height = kTrackBed, .falloff = 4},  // the train's track bed
                {.at = {kTrackX, 12}, .radius = 3.5f, .height = kTrackBed, .falloff = 4},
                {.at = {kTrackX, 18}, .radius = 3.5f, .height = kTrackBed, .falloff = 4},
                {.at = {kTrackX, 24}, .radius = 3.5f, .height = kTrackBed, .falloff = 4},
                {.at = {kTrackX, 30}, .radius = 3.5f, .height = kTrackBed, .falloff = 4},
            },
            .seed = 17,
            .look = {.tint = {1.0f, 0.93f, 0.86f, 1}, .pebbles = 150, .seed = 117},
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {-7, -3}, .yaw = 25},
            {.kind = PropKind::Barrels, .at = {-10, 33}, .yaw = -40, .variant = 1},
            {.kind = PropKind::Box, .at = {-6, 30}, .yaw = 15},
            {.kind = PropKind::Box, .at = {-11.5f, 3}, .yaw = -10, .variant = 1},
            {.kind = PropKind::Longhorn, .at = {6, 18}, .yaw = 120},
            {.kind = PropKind::WagonWheels, .at = {-24, 16}, .yaw = 80},
            {.kind = PropKind::Cactus, .at = {7, 6}, .yaw = 30, .scale = 1.2f},
            {.kind = PropKind::Cactus, .at = {8, 34}, .yaw = 150, .variant = 1},
            {.kind = PropKind::Cactus, .at = {-26, 4}, .yaw = 260, .scale = 1.1f, .variant = 2},
            {.kind = PropKind::Cactus, .at = {-8, 50}, .yaw = 80, .scale = 1.3f, .variant = 3},
            {.kind = PropKind::Cactus, .at = {-25, 34}, .yaw = 10, .variant = 1},
            {.kind = PropKind::Brush, .at = {5, -4}},
            {.kind = PropKind::Brush, .at = {5.5f, 25}, .yaw = 50, .variant = 1},
            {.kind = PropKind::Brush, .at = {-4.5f, 8}, .yaw = 120, .variant = 2},
            {.kind = PropKind::Brush, .at = {-13, 44}, .yaw = 30},
            {.kind = PropKind::Brush, .at = {-23, -2}, .yaw = 210, .variant = 1},
            {.kind = PropKind::Brush, .at = {-22.5f, 24}, .yaw = 80, .variant = 2},
            {.kind = PropKind::Brush, .at = {-12.5f, -12}, .yaw = 140},
            {.kind = PropKind::Wagon, .at = {9, 44}, .yaw = 35},
            {.kind = PropKind::Fence, .at = {-11.3f, 9}, .yaw = 90},
            {.kind = PropKind::Fence, .at = {-11.3f, 13.2f}, .yaw = 90, .variant = 1},
            {.kind = PropKind::Fence, .at = {5, -7}, .yaw = 10, .variant = 2},
            {.kind = PropKind::Train, .at = {kTrackX, 18}, .height = kTrackBed},
        },
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_17, holeSeventeenPlan);
