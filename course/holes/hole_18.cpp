// Hole 18, "The Last Stop": the finale. Through the tunnel, round onto the platform,
// past the sweeping blade and up to the green behind the buffers, with the last
// train waiting alongside. It flies hole 11's path.
#include "course/holes/fly_paths.h"
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 18;

HoleDefinition holeEighteen()
{
    const Placement windmill = placed(8, -6, 16, 40);
    HoleDefinition hole{kHole, {}, {}, kHole11FlyOver};
    hole.scenery = {
        windmillBase(windmill),
        windmillBlades(windmill),
        horsePost(placed(0.4f, 12, -1.5f, 10, 90)),
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Box),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::WagonWheels),
        prop(kHole, Prop::Wagon),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
        prop(kHole, Prop::Fence),
        prop(kHole, Prop::Train),
        prop(kHole, Prop::MineCart),
    };
    return hole;
}

}  // namespace

void buildHole18()
{
    static const HoleDefinition kDefinition = holeEighteen();
    buildHole(kDefinition);
}
