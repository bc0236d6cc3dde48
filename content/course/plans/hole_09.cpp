// Hole 9, "Water Tower Loop": the front nine's long par 5, once round the town's
// water tower. Up the tee box, right into the yard and left to the foot of a long
// ramp. Both yard corners are tight: a hard tee shot spends itself on their walls and
// stops in the yard, while a putt from the yard's end runs straight up. The ramp
// climbs to a crest under the stamp mill; from there the high street falls gently
// round the banked top corner (a buffer on its outside turns a hard putt along the
// street), over the narrow lip and down the drop into a dished corner, and the back
// leg runs down past the boarding house. A tight corner at its foot takes the pace
// off a long putt, and the cup's leg runs straight to the cup: ahead of the tee, on
// the far side of the tower.
#include "content/course/hole_plan.h"

namespace {

using town::PropKind;

constexpr float kMill = 1.2f;       // the mill's plot above the street
constexpr float kHigh = 2.1f;       // the high street, up the ramp
constexpr float kYardZ = 11.0f;     // the yard's line, across to the ramp
constexpr float kFootZ = 18.0f;     // the ramp's foot
constexpr float kRampTopZ = 38.0f;  // the crest
constexpr float kDish = 0.08f;      // the yard's edges stand this much above its middle
constexpr float kRampX = 15.0f;     // the ramp's line
constexpr float kTopZ = 48.0f;      // the high street's line
constexpr float kBackX = -17.0f;    // the way back down past the house
constexpr float kCupZ = 27.66f;
constexpr float kTopBank = 0.1f;    // the top corner is banked harder: a ball that reaches it turns along the street
constexpr float kBackBank = 0.02f;  // the corner at the foot of the drop: a little banking and
constexpr float kBackDish = 0.1f;   // a dish, so that a ball settles mid-corner with the back leg in view
constexpr float kStreetFall = 0.9f; // from the ramp's crest the street falls to the lip: a ball over the crest rolls on

course::HolePlan holeNinePlan()
{
    return {
        .number = 9,
        .cup = {0.252f, 0, kCupZ},
        .cupDepth = -0.32f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 1.5f}, .width = 5},                                      // the tee box
                {.at = {0, kYardZ}, .width = 5, .dish = kDish, .corner = 3},        // right, into the yard
                {.at = {kRampX, kYardZ}, .width = 6, .dish = kDish, .corner = 3.4f},  // left, to the ramp
                {.at = {kRampX, kFootZ}, .width = 6, .dish = kDish},                // the ramp's foot, wide open to the yard
                {.at = {kRampX, kRampTopZ}, .width = 4.5f, .height = kHigh},
                {.at = {kRampX, kTopZ}, .width = 5, .height = kHigh - kStreetFall / 2, .bank = kTopBank, .corner = 5},
                {.at = {5, kTopZ}, .width = 3.6f, .height = kHigh - kStreetFall},   // the lip of the drop
                {.at = {-4, kTopZ}, .width = 4.5f},                                 // the foot of the drop
                {.at = {kBackX, kTopZ}, .width = 5, .bank = kBackBank, .dish = kBackDish, .corner = 4.5f},
                {.at = {kBackX, kCupZ}, .width = 5, .corner = 3},   // a tight corner takes the pace off a long putt
                {.at = {-4, kCupZ}, .width = 5},
                {.at = {8.5f, kCupZ}, .width = 5},    // room past the cup: no backstop behind it
            },
        }},
        // a buffer set against the outside of the top corner turns a hard putt along the high street instead
        // of back down the ramp; it leaves no room behind it for a ball
        .blocks = {{.at = {14.9f, kTopZ - 0.1f}, .size = {3.4f, 0.6f}, .yaw = 45}},
        .terrain = {
            .level = -1.2f,
            .dunes = 0.8f,
            .apron = 4,
            .plots = {
                {.at = {2, 60}, .radius = 8, .height = kMill, .falloff = 6},     // the mill above the high street
                {.at = {-14, 12.5f}, .radius = 7, .height = -0.4f, .falloff = 5},  // the house
                {.at = {8, 20}, .radius = 4, .height = -0.6f, .falloff = 2.5f},  // the water tower
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
            {.kind = PropKind::Cactus, .at = {-24, 33}, .yaw = 200, .variant = 2},
            {.kind = PropKind::Cactus, .at = {23, 48}, .yaw = 300, .scale = 1.1f, .variant = 3},
            {.kind = PropKind::Cactus, .at = {-21, 53}, .yaw = 70, .scale = 1.3f, .variant = 2},
            {.kind = PropKind::Brush, .at = {4.5f, -2}},
            {.kind = PropKind::Brush, .at = {9, 35}, .yaw = 40, .variant = 1},
            {.kind = PropKind::Brush, .at = {-4.5f, 14}, .yaw = 100, .variant = 2},
            {.kind = PropKind::Brush, .at = {20, 27}, .yaw = 160},
            {.kind = PropKind::Brush, .at = {-23, 22}, .yaw = 220, .variant = 1},
            {.kind = PropKind::Brush, .at = {-9, 54}, .yaw = 280, .variant = 2},
            {.kind = PropKind::WaterContainer, .at = {8, 20}, .yaw = 90, .scale = 1.5f, .model = "watercontainer1",
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
