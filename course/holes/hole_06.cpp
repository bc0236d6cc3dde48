// Hole 6, "Down the Mine Road": from the hilltop by the mines down two left turns to
// the town, with a pipe and a frictionless chute that cut the road short.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 6;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{-8, -3, 18}, {10, 6, -10}, 2, 0, {0, 0, 20}},
    {{-10, -4, 16}, {6, 4, 36}, 0, 1, {-28, 0, 0}},
    {{-17.1, -6, 8.7}, {-24, 0, -4}, 2, 0, {0, 0, 14}},
};

HoleDefinition holeSix()
{
    const Placement windmill = placed(8, 22, 13, 36);
    const Placement boilerMill = placed(2, -36, -7, 30, 90);
    const Placement home = placed(2, 13, -3.5f, 16, -90);
    const Placement saloonPlace = placed(3, -12, -6, 46);
    const float signScale[3] = {0.8f, 0.7f, 0.8f}, signAt[3] = {0, -2.5f, -16}, noTurn[3] = {0, 0, 0};
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        windmillBase(windmill),
        windmillBlades(windmill),
        outhouse(placed(0.6f, 9, -0.8f, -2, -30)),
        mineMill("minemill1.b3d", boilerMill),
        mineMillGlass(boilerMill),
        house(home),
        houseGlass(home),
        mineMill("minemill2.b3d", placed(2, -40, -7.5f, 4, 90)),
        saloon("saloon.b3d", saloonPlace),
        saloonGlass(saloonPlace),
        horsePost(placed(0.4f, -26, -7.3f, 8, 90)),
        townSign(placed3(signScale, signAt, noTurn)),
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::WagonWheels),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
    };
    return hole;
}

}  // namespace

void buildHole6()
{
    static const HoleDefinition kDefinition = holeSix();
    buildHole(kDefinition);
}
