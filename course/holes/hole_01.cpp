// Hole 1, "Main Street": a short par 2 down the middle of town, past the
// outhouse and between the two houses.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 1;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{5, 0.9, 22.8}, {15, 3.9, 10.9}, 1, 0, {0, 25.9, 0}},
    {{0.3, 0.9, 25.5}, {-23.8, 5.9, 11}, 0, 0, {10.9, 0, 0}},
    {{0, 0, -10}, {0, 5.9, 40.7}, 2, 1, {0, 0, 5.0}},
};

HoleDefinition holeOne()
{
    const Placement windmill = placed(8, -38, 16, 30);
    const float signScale[3] = {0.8f, 0.7f, 0.8f}, signAt[3] = {0, -4, -25}, noTurn[3] = {0, 0, 0};
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        windmillBase(windmill),
        windmillBlades(windmill),
        outhouse(placed(0.6f, 28, 2, 21, 20)),
        house(placed(2, -10, 4.7f, 45)),
        houseGlass(placed(2, -10, 4.7f, 45)),
        house(placed(2, 20, 4.1f, 45)),
        houseGlass(placed(2, 20, 4.1f, 45)),
        horsePost(placed(0.4f, -21, -4, 0)),
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

void buildHole1()
{
    static const HoleDefinition kDefinition = holeOne();
    buildHole(kDefinition);
}
