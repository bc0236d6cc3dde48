// The practice hole: a gentle par 3 under the windmill, where the how-to-play
// pages teach the controls.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = -1;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{-9.33, 0, 22.4}, {20, 10, -24}, 0, 1, {-34, 0, -24}},
    {{18, 0, 16}, {28, 5, 25}, 2, 1, {28, 5, -28}},
    {{18, 0, 16}, {-28, 5, -35}, 2, 0, {28, 0, 25}},
};

HoleDefinition practiceHole()
{
    const Placement windmill = placed(8, 0, 16, 52);
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        windmillBase(windmill),
        windmillBlades(windmill),
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Box),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::WagonWheels),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
        prop(kHole, Prop::MineCart),
        prop(kHole, Prop::WaterContainer),
    };
    hole.water = {{"hole_0_water.b3d", true}};
    hole.flagAtFixedHeight = true;
    return hole;
}

}  // namespace

void buildPracticeHole()
{
    static const HoleDefinition kDefinition = practiceHole();
    buildHole(kDefinition);
}
