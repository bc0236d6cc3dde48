// Hole 14, "The Wagon Yard": a short par 3 that turns left into the freight yard,
// through the gate in the row of crates and up the step to the loading tier.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 14;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{-4, 0, 8}, {6, 5, -10}, 2, 0, {0, 0, 0}},
    {{-8, 0, 7.6}, {4, 6, 20}, 0, 1, {-12, 0, 0}},
    {{-13.108, 0.5, 7.624}, {-13, 5, -8}, 2, 0, {0, 0, 0}},
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
