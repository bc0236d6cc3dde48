// Hole 12, "Switchback": a par 5 winding down the hillside below the windmill.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 12;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{0, -1, 15}, {-8, 6, -12}, 0, 0, {8, 0, 0}},
    {{7.5, -2.5, 8}, {-10, 8, 31}, 0, 0, {30, 0, 0}},
    {{18.99, -5, 7.26}, {19, 0, -18}, 2, 0, {0, 0, -4}},
};

HoleDefinition holeTwelve()
{
    const Placement windmill = placed(8, -14, 16, 28);
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        windmillBase(windmill),
        windmillBlades(windmill),
        outhouse(placed(0.6f, 28, -4.5f, 20, 250)),
        horsePost(placed(0.4f, 13, -2.5f, 24, 90)),
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::WagonWheels),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
        prop(kHole, Prop::MineCart),
    };
    return hole;
}

}  // namespace

void buildHole12()
{
    static const HoleDefinition kDefinition = holeTwelve();
    buildHole(kDefinition);
}
