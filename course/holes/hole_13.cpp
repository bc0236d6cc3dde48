// Hole 13, "The Flume": a long par 5 down the snaking upper green, through the flume
// to the low ground and round the banked turn to the cup.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 13;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{-2, 0, 16}, {7, 6, -10}, 2, 0, {0, 0, 12}},
    {{0, -3, 33}, {14, 6, 20}, 2, 0, {0, 0, 34}},
    {{6.24, -4, 42.72}, {-10, 3, 46}, 0, 0, {-2, 0, 0}},
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
