// Hole 2, "Windmill Hill": a par 2 that jogs round a corner and climbs a long ramp to
// the green under the windmill's hill, the outhouse off to the left.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 2;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{2, 0, 8}, {-14, 6, -9}, 0, 0, {14, 0, 0}},          // across behind the tee
    {{1.5, 0.8, 20}, {13, 5, 2}, 2, 0, {0, 0, 28}},      // up the right side, past the ramp
    {{0, 1.56, 32}, {0, 6.5, 8}, 2, 0, {0, 0, 23}},       // down the line to the cup
};

HoleDefinition holeTwo()
{
    const Placement windmill = placed(8, 14, 18.5f, 44, 18);  // the wheel towards the tee
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        windmillBase(windmill),
        windmillBlades(windmill),
        outhouse(placed(0.6f, -13, 0.2f, 17, 70)),
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::WagonWheels),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
    };
    return hole;
}

}  // namespace

void buildHole2()
{
    static const HoleDefinition kDefinition = holeTwo();
    buildHole(kDefinition);
}
