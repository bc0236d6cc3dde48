// Hole 5, "The Broken Mill": up onto a terrace and down to the mill's gate, where a
// spinning blade guards the way through; a pipe from the terrace runs round the gate.
#include "course/holes/hole_builder.h"
#include "course/holes/scenery.h"

namespace {

constexpr int32_t kHole = 5;

// target, start, axis, direction, end
constexpr FlySegment kFlyOver[3] = {
    {{0, 1.5, 19.6}, {8, 6, -8}, 2, 0, {0, 0, 12}},
    {{-2, 1, 22}, {12, 5, 33}, 0, 1, {-14, 0, 0}},
    {{0, 0, -10}, {-3, 5, 40}, 2, 1, {0, 0, 8}},
};

HoleDefinition holeFive()
{
    const Placement brokenMill{{-8, -8, -8}, {21, 5.8f, 31}, {25, 20, 0}};
    const Placement mill = placed(2, -28, 0.5f, 12, 90);
    const Placement home = placed(2, 18, 0.3f, 9, -90);
    HoleDefinition hole{kHole, {}, {}, kFlyOver};
    hole.scenery = {
        brokenWindmill(brokenMill),
        mineMill("minemill2.b3d", mill),
        mineMillGlass(mill),
        house(home),
        houseGlass(home, "house_Glass.b3d"),
        horsePost(placed(0.4f, 6.5f, -0.8f, 2, 90)),
        prop(kHole, Prop::Barrels),
        prop(kHole, Prop::Longhorn),
        prop(kHole, Prop::WagonWheels),
        prop(kHole, Prop::Cactus),
        prop(kHole, Prop::Brush),
    };
    return hole;
}

}  // namespace

void buildHole5()
{
    static const HoleDefinition kDefinition = holeFive();
    buildHole(kDefinition);
}
