// Hole 9, "Water Tower Loop": the front nine's long par 5, once round the town's
// water tower. Up the tee box and right into the yard, left up the ramp to the high
// street under the stamp mill, round the banked corner at the top (a buffer on its
// outside turns a hard putt along the street), over the narrow lip and down the drop
// to the tee's level, round the banked turn past the boarding house and a last left
// turn to the cup: straight ahead of the tee, but on the far side of the tower.
// A bold putt up the ramp rides over the drop and can run on round to the cup's leg.
#include "content/course/hole_plan.h"

namespace {

using town::PropKind;

constexpr float kHigh = 1.0f;       // the high street, up the ramp
constexpr float kYardZ = 10.0f;     // the yard's line, across to the ramp
constexpr float kRampX = 15.0f;     // the ramp's line
constexpr float kTopZ = 42.0f;      // the high street's line
constexpr float kBackX = -15.0f;    // the way back down past the house
constexpr float kCupZ = 27.66f;
constexpr float kTurn = 0.05f;      // cross slope of the banked corners, outside high

course::HolePlan holeNinePlan()
{
    return {
        .number = 9,
        .cup = {0.252f, 0, kCupZ},
        .cupDepth = -0.32f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 1}, .width = 5},                                         // the tee box
                {.at = {0, kYardZ}, .width = 5, .bank = -kTurn, .corner = 4.5f},    // right, into the yard
                {.at = {kRampX, kYardZ}, .width = 5, .bank = kTurn, .corner = 4.5f},  // left, to the ramp
                {.at = {kRampX, 19}, .width = 4.5f},                                // the ramp's foot
                {.at = {kRampX, 31}, .width = 4.5f, .height = kHigh},
                {.at = {kRampX, kTopZ}, .width = 5, .height = kHigh, .bank = kTurn, .corner = 5},
                {.at = {5, kTopZ}, .width = 3.6f, .height = kHigh},                 // the lip of the drop
                {.at = {-4, kTopZ}, .width = 4.5f},                                 // the foot of the drop
                {.at = {kBackX, kTopZ}, .width = 5, .bank = kTurn, .corner = 4.5f},
                {.at = {kBackX, kCupZ}, .width = 5, .corner = 4.5f},
                {.at = {-4, kCupZ}, .width = 5},
                {.at = {3.6f, kCupZ}, .width = 5},
            },
        }},
        // a buffer set against the outside of the top corner turns a hard putt along the high street instead
        // of back down the ramp; it leaves no room behind it for a ball
        .blocks = {{.at = {14.95f, 41.95f}, .size = {3.4f, 0.6f}, .yaw = 45}},
        .terrain = {
            .level = -1.2f,
            .dunes = 0.8f,
            .apron = 4,
            .plots = {
                {.at = {2, 55}, .radius = 8, .height = kHigh, .falloff = 6},     // the mill above the high street
                {.at = {-14, 12.5f}, .radius = 7, .height = -0.4f, .falloff = 5},  // the house
                {.at = {8, 21}, .radius = 5, .height = -0.6f, .falloff = 3},    // the water tower
                {.at = {9, 2}, .radius = 2, .height = -0.8f, .falloff = 4},      // the outhouse
                {.at = {-7.3f, 4.8f}, .radius = 2.5f, .height = -0.8f, .falloff = 3},  // the horse post and the trough
            },
            .seed = 9,
            .look = {.tint = {0.98f, 0.91f, 0.83f, 1}, .pebbles = 160, .seed = 109},
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {21, 36}, .yaw = 20},
            {.kind = PropKind::Barrels, .at = {-5.5f, 19}, .yaw = -30, .variant = 1},
            {.kind = PropKind::Longhorn, .at = {-7, 36}, .yaw = 150},
            {.kind = PropKind::WagonWheels, .at = {21, 18}, .yaw = -60},
            {.kind = PropKind::Cactus, .at = {-6, -3}, .yaw = 30, .scale = 1.2f},
            {.kind = PropKind::Cactus, .at = {22, 6}, .yaw = 110, .variant = 1},
            {.kind = PropKind::Cactus, .at = {-21, 33}, .yaw = 200, .variant = 2},
            {.kind = PropKind::Cactus, .at = {23, 48}, .yaw = 300, .scale = 1.1f, .variant = 3},
            {.kind = PropKind::Cactus, .at = {-19, 50}, .yaw = 70, .scale = 1.3f, .variant = 2},
            {.kind = PropKind::Brush, .at = {4.5f, -2}},
            {.kind = PropKind::Brush, .at = {9, 35}, .yaw = 40, .variant = 1},
            {.kind = PropKind::Brush, .at = {-4.5f, 14}, .yaw = 100, .variant = 2},
            {.kind = PropKind::Brush, .at = {20, 27}, .yaw = 160},
            {.kind = PropKind::Brush, .at = {-19, 24}, .yaw = 220, .variant = 1},
            {.kind = PropKind::Brush, .at = {-9, 47}, .yaw = 280, .variant = 2},
            {.kind = PropKind::WaterContainer, .at = {8, 21}, .yaw = 90, .scale = 1.5f, .model = "watercontainer1",
             .water = "water", .height = -0.6f},
            {.kind = PropKind::WaterContainer, .at = {-7, 3}, .variant = 1, .model = "watercontanier",
             .water = "water1"},
            {.kind = PropKind::Fence, .at = {-22, 10}, .yaw = 90},
            {.kind = PropKind::Fence, .at = {-22, 14.2f}, .yaw = 90, .variant = 1},
            {.kind = PropKind::Fence, .at = {-19.8f, 20.5f}, .variant = 2},
        },
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_09, holeNinePlan);
