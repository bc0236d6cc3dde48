// Hole 4, "The Ore Chute": a par 3 from the mesa down an iron chute into the mining
// gulch, among the mills, the saloon and the bank.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 4;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{0, -1, 14}, {-10, 6, -8}, 0, 0, {10, 0, 0}},            // behind the tee, across the mesa
    {{-8, -4, 32}, {14, 4, 14}, 2, 0, {0, 0, 40}},            // down the right, past the chute
    {{-18.55, -7, 48.3}, {-12, 0, 22}, 2, 0, {0, 0, 38}},     // along the chute to the cup
};

HoleDefinition holeFour()
{
    const Placement boilerMill = placed(2, 24, -4, 40, -70);
    const Placement saloonPlace = placed(3, -41, -7.5f, 60, -90);
    const Placement housePlace = placed(2, 25, -3, 8, 90);
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        outhouse(placed(0.6f, -11, -4, 5, 100)),
        mineMill("minemill1.b3d", boilerMill),
        mineMillGlass(boilerMill),
        saloon("saloon.b3d", saloonPlace),
        saloonGlass(saloonPlace),
        mineMill("minemill.b3d", placed(2, -40, -6, 20, 60)),
        saloon("saloon3.b3d", placed(3, 4, -6, 68)),
        house(housePlace),
        houseGlass(housePlace),
        horsePost(placed(0.4f, -28, -7.8f, 50, 90)),
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::WagonWheels),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
    };
    hole.pipesNormal = "barrelnormal.jpg";
    return hole;
}

}  // namespace

void buildHole4()
{
    static const HoleDefinition kDefinition = holeFour();
    buildHole(kDefinition);
}
