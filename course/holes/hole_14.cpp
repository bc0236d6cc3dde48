// Hole 14, "The Wagon Yard": a short par 3 that turns left into the freight yard,
// through the gate in the row of crates and up the step to the loading tier.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 14;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{-4, 0, 8}, {6, 5, -14}, 2, 0, {0, 0, 0}},              // the tee box and the turn into the yard
    {{-8, 0, 7.6}, {4, 6, 20}, 0, 1, {-12, 0, 0}},           // across the yard to the row of crates
    {{-13.108, 0.5, 7.624}, {-32, 5, 7.6}, 0, 0, {-20, 0, 0}},  // in from behind the loading tier to the cup
};

HoleDefinition holeFourteen()
{
    const float signScale[3] = {0.8f, 0.7f, 0.8f}, signAt[3] = {2, -1.5f, -24}, noTurn[3] = {0, 0, 0};
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        townSign(placed3(signScale, signAt, noTurn)),
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Box),
        prop(kHole, Prop::WagonWheels),
        prop(kHole, Prop::Wagon),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
        prop(kHole, Prop::Fence),
        prop(kHole, Prop::MineCart),
    };
    return hole;
}

}  // namespace

void buildHole14()
{
    static const HoleDefinition kDefinition = holeFourteen();
    buildHole(kDefinition);
}
