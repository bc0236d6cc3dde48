// Hole 12, "Switchback": a par 5 that winds down the hillside like the mine road.
// Up the first leg to a banked hairpin, down the long second leg over two terraces,
// round a second, wider hairpin at the foot and along the last leg to the cup, five
// below the tee. Each leg asks for a different pace: the terraces punish a putt
// that is too firm, the hairpins one that is too soft.
#include "content/course/hole_plan.h"

namespace {

using town::PropKind;

course::HolePlan holeTwelvePlan()
{
    return {
        .number = 12,
        .cup = {18.99f, -5, 7.26f},
        .cupDepth = -5.73f,
        .greens = {{
            .path = {
                {.at = {0, -2.5f}, .width = 5},
                {.at = {0, 7}, .width = 5},
                {.at = {0, 15}, .width = 4.5f, .height = -0.8f},
                {.at = {0, 25}, .width = 4.5f, .height = -1.2f, .bank = -0.05f, .corner = 3.75f},
                {.at = {7.5f, 25}, .width = 4.5f, .height = -1.2f, .bank = -0.05f, .corner = 3.75f},
                {.at = {7.5f, 16}, .width = 4.2f, .height = -1.2f},
                {.at = {7.5f, 8}, .width = 4.2f, .height = -2.4f},
                {.at = {7.5f, 4}, .width = 4.5f, .height = -2.4f},
                {.at = {7.5f, -1}, .width = 4.5f, .height = -3},
                {.at = {7.5f, -9}, .width = 4.5f, .height = -3.7f, .bank = 0.04f, .corner = 4},
                {.at = {19, -9}, .width = 4.5f, .height = -4, .bank = 0.04f, .corner = 4},
                {.at = {19, -1}, .width = 4.5f, .height = -5},
                {.at = {19, 11}, .width = 5, .height = -5},
            },
        }},
        .terrain = {
            .level = -5.5f,
            .dunes = 0.8f,
            .apron = 5,
            .plots = {
                {.at = {-4, 12}, .radius = 6, .height = -0.5f, .falloff = 6},      // the hillside the road is cut in
                {.at = {-14, 28}, .radius = 4, .height = 0, .falloff = 10},        // the windmill's foot
                {.at = {28, 20}, .radius = 2.5f, .height = -4.5f, .falloff = 6},    // the outhouse
                {.at = {13, 24}, .radius = 2.5f, .height = -2.5f, .falloff = 5},    // the horse post
            },
            .seed = 1212,
            .look = {.tint = {0.99f, 0.9f, 0.82f, 1}, .pebbles = 190, .seed = 112},
        },
        .props = {
            {.kind = PropKind::Barrels, .at = {13, 4}, .yaw = 25},
            {.kind = PropKind::Barrels, .at = {-5, 2}, .yaw = -60, .variant = 1},
            {.kind = PropKind::Longhorn, .at = {24, 2}, .yaw = 210},
            {.kind = PropKind::WagonWheels, .at = {3.6f, 31}, .yaw = 10},
            {.kind = PropKind::Cactus, .at = {-7, 20}, .yaw = 40},
            {.kind = PropKind::Cactus, .at = {13.5f, 15}, .yaw = 120, .scale = 1.2f, .variant = 1},
            {.kind = PropKind::Cactus, .at = {26, 12}, .yaw = 200, .variant = 2},
            {.kind = PropKind::Cactus, .at = {3.5f, -12}, .yaw = 300, .scale = 1.1f, .variant = 3},
            {.kind = PropKind::Cactus, .at = {-6, -8}, .yaw = 80, .scale = 1.3f, .variant = 2},
            {.kind = PropKind::Brush, .at = {3.8f, 8}},
            {.kind = PropKind::Brush, .at = {12.5f, -3}, .yaw = 40, .variant = 1},
            {.kind = PropKind::Brush, .at = {23.5f, -6}, .yaw = 80, .variant = 2},
            {.kind = PropKind::Brush, .at = {-5, 26}, .yaw = 150},
            {.kind = PropKind::Brush, .at = {14, 31}, .yaw = 200, .variant = 1},
            {.kind = PropKind::Brush, .at = {18, 18}, .yaw = 260, .variant = 2},
            {.kind = PropKind::MineCart, .at = {24, -14}, .yaw = 35},
        },
    };
}

}  // namespace

REGISTER_HOLE_PLAN(hole_12, holeTwelvePlan);
