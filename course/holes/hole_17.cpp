// Hole 17, "The Turning Loop": a long par 5 up the embankment, round the banked
// hairpin where the engines turn, and back down past the steam train to a green
// behind and left of the tee.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 17;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{0, 1, 34}, {5, 5, -8}, 2, 0, {0, 0, 22}},            // up the first leg towards the hairpin
    {{-8.6, 0, 18}, {8, 8, 48}, 0, 1, {-27, 0, 0}},        // behind the hairpin, looking back over the train
    {{-17.2, -0.5, -5.3}, {-21, 6, 40}, 2, 1, {0, 0, 4}},  // down the return leg to the cup
};

HoleDefinition holeSeventeen()
{
    const Placement windmill = placed(8, 24, 16, 30);
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        windmillBase(windmill),
        windmillBlades(windmill),
        outhouse(placed(0.6f, 12, -1, -8, -30)),
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Box),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::WagonWheels),
        prop(kHole, Prop::Wagon),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
        prop(kHole, Prop::Fence),
        prop(kHole, Prop::Train),
    };
    return hole;
}

}  // namespace

void buildHole17()
{
    static const HoleDefinition kDefinition = holeSeventeen();
    buildHole(kDefinition);
}
