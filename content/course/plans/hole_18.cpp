// Hole 18, "The Last Stop": the finale, at the railroad's end of the line. From a
// level tee the green funnels into a tunnel through a brick cutting and drops to the
// station's level; a tight bend swings it left along the platform, where the blade of
// the signal pump sweeps across a narrow channel: time the putt through it, then climb
// the ramp to the raised green behind the buffers. The last train waits beside the
// platform.
#include "content/course/hole_plan.h"

namespace {

using town::PropKind;

constexpr float kLow = -0.72f;        // the platform under the blade (its lowest tip at -0.643)
constexpr float kLine = 15.16f;       // z of the platform and the blade's hub
constexpr float kBladeX = -8.14f;
constexpr float kCupX = -18.58f;
constexpr float kTunnelRadius = 0.6f;   // inside: a generous mouth
constexpr float kCuttingWidth = 0.9f;   // from the tunnel's skin to the wall
constexpr float kCuttingSide = 1.5f - 0.5f * kCuttingWidth;
constexpr float kPipeLift = 0.591f;   // a mouth's centre above the grass: the tube's lowest facet on the grass

// The grass under the tunnel: level to z 6, down to kLow at z 10 (the smooth step the
// green's heights make between equal neighbours).
float cuttingHeight(float z)
{
    const float t = z <= 6 ? 0.0f : z >= 10 ? 1.0f : (z - 6) / 4;
    return kLow * t * t * (3 - 2 * t);
}

course::Pipe tunnel()
{
    course::Pipe pipe;
    pipe.radius = kTunnelRadius;
    for (float z : {5.5f, 6.5f, 7.5f, 8.5f, 9.5f, 10.5f}) pipe.path.push_back({0, cuttingHeight(z) + kPipeLift, z});
    return pipe;
}

course::HolePlan holeEighteenPlan()
{
    return {
        .number = 18,
        .cup = {-18.58f, 0, 20.207f},
        .cupDepth = -1.44f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 3}, .width = 5},
                {.at = {0, 6}, .width = 3, .dish = 0.25f},  // the approach funnels into the tunnel
                {.at = {0, 10}, .width = 3, .height = kLow},
                {.at = {0, kLine}, .width = 3.2f, .height = kLow, .bank = 0.06f, .corner = 2.5f},
                {.at = {kBladeX, kLine}, .width = 1.7f, .height = kLow},
                {.at = {-11.4f, kLine}, .width = 2.6f, .height = kLow},
                {.at = {kCupX, kLine}, .width = 4, .height = 0, .corner = 3.3f},
                {.at = {kCupX, 24.6f}, .width = 5.2f, .height = 0},
            },
        }},
        // the cutting's brick sides, either side of the tunnel: no way round it
        .blocks = {{.at = {-kCuttingSide, 8}, .size = {kCuttingWidth, 3.0f}, .height = 0.9f},
                   {.at = {kCuttingSide, 8}, .size = {kCuttingWidth, 3.0f}, .height = 0.9f}},
        .terrain = {
            .level = -1.8f,
            .dunes = 0.8f,
            .apron = 6,
            .plots = {
                {.at = {-6, 40}, .radius = 4, .height = 0, .falloff = 10},        // the windmill's foot
                {.at = {12, 10}, .radius = 2, .height = -1.5f, .falloff = 6},     // the horse post
                {.at = {-6, 8}, .radius = 3.5f, .height = -1.4f, .falloff = 4},  // the track bed beside the platform
                {.at = {-12, 8}, .radius = 3.5f, .height = -1.4f, .falloff = 4},
                {.at = {-18, 8}, .radius = 3.5f, .height = -1.4f, .falloff = 4},
                {.at = {-24, 8}, .radius = 3.5f, .height = -1.4f, .falloff = 4},
            },
            .seed = 18,
            .look = {.tint = {0.97f, 0.9f, 0.82f, 1}, .pebbles = 180, .seed = 118},
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {4, 12}, .yaw = 30},
            {.kind = PropKind::Barrels, .at = {-23, 22}, .yaw = -20, .variant = 1},
            {.kind = PropKind::Box, .at = {-4.5f, 19}, .yaw = 10},
            {.kind = PropKind::Box, .at = {-14, 19.5f}, .yaw = -25, .variant = 1},
            {.kind = PropKind::Longhorn, .at = {6, 2}, .yaw = 200},
            {.kind = PropKind::WagonWheels, .at = {-24, 12}, .yaw = 60},
            {.kind = PropKind::Cactus, .at = {-6, -4}, .yaw = 30, .scale = 1.2f},
            {.kind = PropKind::Cactus, .at = {9, 20}, .yaw = 150, .variant = 1},
            {.kind = PropKind::Cactus, .at = {-27, 28}, .yaw = 260, .scale = 1.1f, .variant = 2},
            {.kind = PropKind::Cactus, .at = {-10, 28}, .yaw = 80, .scale = 1.3f, .variant = 3},
            {.kind = PropKind::Brush, .at = {5, -3}},
            {.kind = PropKind::Brush, .at = {-4, 2}, .yaw = 50, .variant = 1},
            {.kind = PropKind::Brush, .at = {4.5f, 17}, .yaw = 120, .variant = 2},
            {.kind = PropKind::Brush, .at = {-8, 21}, .yaw = 30},
            {.kind = PropKind::Brush, .at = {-25, 17}, .yaw = 210, .variant = 1},
            {.kind = PropKind::Brush, .at = {-14, 28}, .yaw = 80, .variant = 2},
            {.kind = PropKind::MineCart, .at = {-3, 24}, .yaw = 70},
            {.kind = PropKind::Wagon, .at = {8, 24}, .yaw = 200},
            {.kind = PropKind::Fence, .at = {5, -6}, .yaw = 10},
            {.kind = PropKind::Fence, .at = {-6, 11.2f}, .variant = 1},
            {.kind = PropKind::Train, .at = {-16, 8}, .yaw = 90, .height = -1.4f},
        },
        .pipes = {tunnel()},
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_18, holeEighteenPlan);
