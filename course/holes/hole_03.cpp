// Hole 3, "Saloon Pond": a par 3 that turns back on itself above a pond, below the
// saloon, the hotel and the bank, with the windmill turning far off behind the tee.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 3;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{8.5, -1, 10}, {-9, 7, -12}, 0, 0, {12, 0, 0}},       // behind the tee, across to the right
    {{12, -3, 4}, {32, 6, -16}, 2, 0, {0, 0, 26}},         // up the right side, over the pond
    {{17.05, -2.15, -7.24}, {17, 5, 30}, 2, 1, {0, 0, 0}},  // back down the far leg to the cup
};

HoleDefinition holeThree()
{
    const float saloonScale[3] = {3, 3, 3}, saloonAt[3] = {-31, 4.9f, 25}, saloonTurn[3] = {0, -90, 7};
    const Placement saloonPlace = placed3(saloonScale, saloonAt, saloonTurn);
    const Placement blades = placed(-8, 56, 16, -32);
    // Scale -8 is a point reflection: the blades' wheel lands behind the hub, so the tower stands upright and turned about.
    const Placement base = placed(8, 56, 16, -32, 180);
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        windmillBase(base),
        windmillBlades(blades),
        outhouse(placed(0.6f, 31, -1, 12, -100)),
        saloon("saloon.b3d", saloonPlace),
        saloonGlass(saloonPlace),
        saloon("saloon2.b3d", placed(3, -31, 4.9f, 43, -90)),
        saloon("saloon3.b3d", placed(3, -30, 4.9f, 8, -90)),
        horsePost(placed(0.4f, -19, 1.5f, 20, 90)),
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::WagonWheels),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
    };
    return hole;
}

}  // namespace

void buildHole3()
{
    static const HoleDefinition kDefinition = holeThree();
    buildHole(kDefinition);
}
