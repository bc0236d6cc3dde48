// Hole 16, "Tower Hill": a par 5 that climbs round the wagon yard to the mesa under
// the water tower, three above the tee and just behind it.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 16;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{-8, 1, 16}, {8, 8, -12}, 2, 0, {0, 0, 14}},
    {{-17, 2, 4}, {-34, 9, 30}, 2, 1, {0, 0, -10}},
    {{-2, 3, -7}, {-30, 10, -22}, 0, 0, {6, 0, 0}},
};

HoleDefinition holeSixteen()
{
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Box),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::WagonWheels),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
        prop(kHole, Prop::Fence),
        prop(kHole, Prop::MineCart),
        prop(kHole, Prop::WaterContainer),
    };
    hole.water = {{"hole_16_water.b3d", true}};
    return hole;
}

}  // namespace

void buildHole16()
{
    static const HoleDefinition kDefinition = holeSixteen();
    buildHole(kDefinition);
}
