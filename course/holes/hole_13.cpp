// Hole 13, "The Flume": a long par 5 down the snaking upper green, through the flume
// to the low ground and round the banked turn to the cup.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 13;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{-2, 0, 14}, {2.5, 6, -12}, 2, 0, {0, 0, 10}},      // the tee and the snaking upper green
    {{0, -2, 28}, {14, 7, 8}, 2, 0, {0, 0, 40}},         // along its side, over the flume to the low ground
    {{6.24, -4, 42.72}, {6.8, 3, 64}, 2, 1, {0, 0, 50}},  // round behind the hairpin and down the last leg to the cup
};

HoleDefinition holeThirteen()
{
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        horsePost(placed(0.4f, -9, -1, 6, 90)),
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::WagonWheels),
        prop(kHole, Prop::Wagon),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
        prop(kHole, Prop::Fence),
        prop(kHole, Prop::MineCart),
        prop(kHole, Prop::WaterContainer),
    };
    hole.water = {{"hole_13_water.b3d", false}};
    return hole;
}

}  // namespace

void buildHole13()
{
    static const HoleDefinition kDefinition = holeThirteen();
    buildHole(kDefinition);
}
