// Hole 10, "Down the Tailings": a short par 2 sweeping left and down into the
// mine's hollow under the mills.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 10;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{0, -1, 12}, {10, 5, -10}, 0, 1, {-8, 0, 0}},
    {{-10, -3, 19}, {8, 8, 4}, 2, 0, {0, 0, 14}},
    {{-21.136, -4.5, 19.74}, {-6, 3, 6}, 0, 1, {-16, 0, 0}},
};

HoleDefinition holeTen()
{
    const Placement windmill = placed(8, 20, 16, 50);
    const Placement millOne = placed(1, -22, -4.5f, 40, 180);
    const Placement saloonAt = placed(3, 15, 0, 20, -90);
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        windmillBase(windmill),
        windmillBlades(windmill),
        mineMill("mineMill1.b3d", millOne),
        mineMillGlass(millOne),
        mineMill("minemill.b3d", placed(1, -42, -4.5f, 18, 90)),
        mineMill("minemill2.b3d", placed(1, -38, -4.5f, 2, 60)),
        saloon("saloon.b3d", saloonAt),
        saloonGlass(saloonAt),
        horsePost(placed(0.4f, 6, -0.5f, -4, 90)),
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::WagonWheels),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
        prop(kHole, Prop::Fence),
        prop(kHole, Prop::MineCart),
    };
    return hole;
}

}  // namespace

void buildHole10()
{
    static const HoleDefinition kDefinition = holeTen();
    buildHole(kDefinition);
}
