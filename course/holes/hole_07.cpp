// Hole 7, "The Pond": round a right-hand bend with the town pond inside it, a chute
// over the water and a pipe across its corner.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 7;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{6, -2, 14}, {-8, 6, -8}, 2, 0, {0, 0, 14}},
    {{10, -3, 14}, {-6, 5, 32}, 0, 0, {24, 0, 0}},
    {{18, -1.6, 23.9}, {26, 3, 4}, 2, 0, {0, 0, 16}},
};

HoleDefinition holeSeven()
{
    const Placement windmill = placed(8, -20, 16, 40);
    const Placement home = placed(2, 30, -1, 6, -90);
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        windmillBase(windmill),
        windmillBlades(windmill),
        outhouse(placed(0.6f, 9, -1, -4, -20)),
        house(home),
        houseGlass(home),
        horsePost(placed(0.4f, 24, -1.5f, 15, 90)),
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::WagonWheels),
        waterContainer("hole_7_watercontanier.b3d"),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
    };
    hole.water = {{"hole_7_water.b3d", false}};
    return hole;
}

}  // namespace

void buildHole7()
{
    static const HoleDefinition kDefinition = holeSeven();
    buildHole(kDefinition);
}
