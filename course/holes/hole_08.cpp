// Hole 8, "The Mill Flume": up the ramp onto the mill's flume, under its turning
// paddle, and down the chute to the low green by the trough.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 8;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{0, 1, 12}, {-9, 4, -12}, 0, 0, {9, 0, 0}},
    {{14.9, 4.4, 19.4}, {2, 9, 6}, 0, 0, {22, 0, 0}},
    {{27.66, -2.12, -0.29}, {40, 5, 22}, 2, 1, {0, 0, 4}},
};

HoleDefinition holeEight()
{
    const Placement saloonAt = placed(3, -22, -0.4f, 12, 90);
    const Placement mill = placed(1, 14, 3.2f, 34, 180);
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        outhouse(placed(0.6f, 12, -1.5f, -9, 200)),
        saloon("saloon.b3d", saloonAt),
        saloonGlass(saloonAt),
        mineMill("mineMill2.b3d", mill),
        mineMillGlass(mill),
        horsePost(placed(0.4f, -8, -1.5f, -6, 90)),
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::WagonWheels),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
        waterContainer("hole_8_watercontanier.b3d"),
    };
    hole.water = {{"hole_8_water.b3d", false}};
    hole.slickPipesFirst = true;
    return hole;
}

}  // namespace

void buildHole8()
{
    static const HoleDefinition kDefinition = holeEight();
    buildHole(kDefinition);
}
