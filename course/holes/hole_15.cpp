// Hole 15, "Mill Row": a par 4 that runs out past the hotel, round the yard below the
// house in a banked horseshoe and down the mill race to a low cup behind the tee.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 15;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{10, -1, 22}, {-7, 9, -14}, 2, 0, {0, 0, 12}},
    {{20, -3.7, -8}, {10, 13, 34}, 2, 1, {0, 0, -12}},
    {{6, -1, 10}, {27, 9, -25}, 0, 1, {-6, 0, 0}},
};

HoleDefinition holeFifteen()
{
    const Placement windmill = placed(8, -30, 16, 52);
    const Placement house1 = placed(2, 10, 0, 40);
    const Placement hotel = placed(3, -18, -0.6f, 16, -90);
    const Placement mill = placed(2, 35, -2, 6, 90);
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        windmillBase(windmill),
        windmillBlades(windmill),
        outhouse(placed(0.6f, 12, -1.6f, 11, -60)),
        house(house1),
        houseGlass(house1),
        saloon("saloon2.b3d", hotel),
        saloonGlass(hotel),
        mineMill("minemill.b3d", mill),
        mineMillGlass(mill),
        horsePost(placed(0.4f, -5.5f, -1.2f, 24, 90)),
        prop(kHole, Prop::Box),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
        prop(kHole, Prop::Fence),
    };
    return hole;
}

}  // namespace

void buildHole15()
{
    static const HoleDefinition kDefinition = holeFifteen();
    buildHole(kDefinition);
}
