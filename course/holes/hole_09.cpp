// Hole 9, "Water Tower Loop": a par 5 once round the water tower, up the ramp to the
// high street under the mill, down the drop and back past the boarding house to the cup.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 9;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{4, 0, 10}, {-8, 6, -10}, 0, 0, {12, 0, 0}},
    {{8, 1, 30}, {30, 9, 8}, 2, 0, {0, 0, 50}},
    {{0.252, 0, 27.66}, {-26, 6, 46}, 0, 0, {-8, 0, 0}},
};

HoleDefinition holeNine()
{
    const Placement mill = placed(1.5f, 2, 1.2f, 60);
    const Placement home = placed(1.7f, -14, -0.4f, 12.5f, -90);
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        outhouse(placed(0.6f, 9, -0.8f, 2, 70)),
        mineMill("mineMill2.b3d", mill),
        mineMillGlass(mill),
        house(home),
        houseGlass(home),
        horsePost(placed(0.4f, -7.5f, -0.8f, 6.5f, 90)),
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::WagonWheels),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
        waterContainer("hole_9_watercontainer1.b3d"),
        waterContainer("hole_9_watercontanier.b3d"),
        prop(kHole, Prop::Fence),
    };
    hole.water = {{"hole_9_water.b3d", true}, {"hole_9_water1.b3d", false}};
    return hole;
}

}  // namespace

void buildHole9()
{
    static const HoleDefinition kDefinition = holeNine();
    buildHole(kDefinition);
}
