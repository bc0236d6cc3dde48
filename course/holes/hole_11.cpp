// Hole 11, "Water Tower Bend": a par 3 that swings left round the water tower,
// up a step to the house's tier.
#include "course/holes/fly_paths.h"
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

// target, start, axis, direction, end
const FlySegment kHole11FlyOver[3] = {
    {{-6, 0, 15}, {10, 5, -10}, 2, 0, {0, 0, 8}},
    {{-10, 0, 20}, {15, 9, 32}, 0, 1, {0, 0, 0}},
    {{-18.76, 0.5, 23.04}, {-18.76, 4, 4}, 2, 0, {0, 0, 14}},
};

namespace {

constexpr int32_t kHole = 11;

HoleDefinition holeEleven()
{
    const Placement home = placed(2, -19, 1.5f, 38);
    HoleDefinition hole{kHole, {}, {}, kHole11FlyOver};
    hole.scenery = {
        house(home),
        houseGlass(home),
        mineMill("minemill2.b3d", placed(1, 20, 0, 26, -90)),
        mineMillGlass(placed(1, 20, 0, 26, -90)),
        mineMill("minemill.b3d", placed(1, -36, -0.5f, 6, 90)),
        horsePost(placed(0.4f, -11, 1.5f, 33)),
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::WagonWheels),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
        prop(kHole, Prop::Fence),
        prop(kHole, Prop::MineCart),
        waterContainer("hole_11_watercontainer.b3d"),
        waterContainer("hole_11_watercontainer1.b3d"),
    };
    hole.water = {{"hole_11_water.b3d", false}, {"hole_11_water1.b3d", true}};
    return hole;
}

}  // namespace

void buildHole11()
{
    static const HoleDefinition kDefinition = holeEleven();
    buildHole(kDefinition);
}
