// Hole 8, "The Mill Flume": a par 4 that climbs before it falls. A ramp bends right
// and up onto the mill's flume, a narrow ledge high above the sand where the mill's
// paddle turns across the line; through the paddle, the flume ends in a chute that
// drops the ball (frictionless, then through a slower pipe) onto the low green beside
// the trough, where a bank behind the cup sends a fast ball back.
#include "content/course/hole_plan.h"

namespace {

using course::Side;
using town::PropKind;

constexpr float kLedge = 4.38f;   // the flume's grass: the paddle's lowest tip (5.2 - 0.75) clears it by 0.07
constexpr float kLow = -2.12f;    // the low green, the cup's height
constexpr float kChute = 0.5f;    // the chute's and the pipe's inner radius

course::HolePlan holeEightPlan()
{
    return {
        .number = 8,
        .cup = {27.66f, -2.12f, -0.29f},
        .cupDepth = -3.35f,
        .wallHeight = 1.0f,
        .greens = {
            {
                .path = {
                    {.at = {0, -2.5f}, .width = 5},
                    {.at = {0, 2.5f}, .width = 5},
                    {.at = {0, 19.4f}, .width = 4, .height = 2.73f, .bank = -0.08f, .corner = 5},
                    {.at = {10, 19.4f}, .width = 2.4f, .height = kLedge},
                    {.at = {13, 19.4f}, .width = 2.2f, .height = kLedge},
                    {.at = {22, 19.4f}, .width = 2.2f, .height = kLedge},
                    {.at = {24.5f, 19.4f}, .width = 1.0f, .height = kLedge - 0.7f},  // falls into the chute's mouth
                },
                .gaps = {{.side = Side::End, .from = -0.5f, .to = 0.5f}},
            },
            {
                .path = {
                    {.at = {27.66f, 12.5f}, .width = 2.2f, .height = kLow},
                    {.at = {27.66f, 8}, .width = 4, .height = kLow},
                    {.at = {27.66f, 2.5f}, .width = 5, .height = kLow},
                    {.at = {27.66f, -2.5f}, .width = 5, .height = kLow},
                    {.at = {27.66f, -9}, .width = 4, .height = -1.2f},
                },
                .gaps = {{.side = Side::Start, .from = -0.5f, .to = 0.5f}},
            },
        },
        .terrain = {
            .level = -2.6f,
            .dunes = 0.9f,
            .apron = 6,
            .plots = {
                {.at = {14, 33}, .radius = 9, .height = 3.2f, .falloff = 8},      // the mill, behind the flume
                {.at = {-22, 12}, .radius = 8, .height = -0.4f, .falloff = 8},    // the saloon
                {.at = {12, -9}, .radius = 2.5f, .height = -1.5f, .falloff = 6},  // the outhouse
                {.at = {-8, -6}, .radius = 2.5f, .height = -1.5f, .falloff = 6},  // the hitching post
                {.at = {34, 5}, .radius = 3, .height = -2.9f, .falloff = 6},      // the trough
            },
            .seed = 81,
            .look = {.tint = {0.97f, 0.93f, 0.86f, 1}, .pebbles = 140, .seed = 108},
        },
        .props = {
            {.kind = PropKind::WaterContainer, .at = {34, 5}, .yaw = 90, .variant = 1,
             .model = "watercontanier", .water = "water"},
            {.kind = PropKind::Barrels, .at = {6, 27}, .yaw = 15},
            {.kind = PropKind::Barrels, .at = {33, 11}, .yaw = -40, .variant = 1},
            {.kind = PropKind::Longhorn, .at = {21, 6}, .yaw = 120},
            {.kind = PropKind::WagonWheels, .at = {-8, 24}, .yaw = 60},
            {.kind = PropKind::Cactus, .at = {-7, 8}, .yaw = 30, .scale = 1.2f},
            {.kind = PropKind::Cactus, .at = {18, 10}, .yaw = 150, .variant = 1},
            {.kind = PropKind::Cactus, .at = {36, -8}, .yaw = 260, .variant = 2},
            {.kind = PropKind::Cactus, .at = {6, -12}, .yaw = 80, .scale = 1.1f, .variant = 3},
            {.kind = PropKind::Cactus, .at = {30, 26}, .yaw = 10, .scale = 1.3f, .variant = 2},
            {.kind = PropKind::Brush, .at = {5, 6}},
            {.kind = PropKind::Brush, .at = {-5, 15}, .yaw = 50, .variant = 1},
            {.kind = PropKind::Brush, .at = {22, -4}, .yaw = 120, .variant = 2},
            {.kind = PropKind::Brush, .at = {14, 13}, .yaw = 30},
            {.kind = PropKind::Brush, .at = {33, -3}, .yaw = 210, .variant = 1},
            {.kind = PropKind::Brush, .at = {-4, -9}, .yaw = 80, .variant = 2},
            {.kind = PropKind::Brush, .at = {24, 24}, .yaw = 140},
        },
        .pipes = {
            {.path = {{24.5f, kLedge - 0.74f + kChute, 19.4f}, {27.66f, kLedge - 1.2f + kChute, 19.4f},
                      {27.66f, 0.2f, 15.5f}},
             .radius = kChute, .slick = true},
            {.path = {{27.66f, 0.2f, 15.5f}, {27.66f, kLow + kChute, 13.916f}, {27.66f, kLow + kChute, 12.5f}},
             .radius = kChute},
        },
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_08, holeEightPlan);
