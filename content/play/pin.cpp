// The pin: the hub a turning blade hangs on (holes 5, 8 and 18). The blades turn
// about x on some holes and about z on others, so the hub has an axle both ways.
#include "content/model/b3d.h"
#include "content/model/shapes.h"
#include "content/output.h"
#include "content/registry.h"

namespace {

constexpr float kHubRadius = 0.12f;
constexpr float kAxleRadius = 0.035f;
constexpr float kAxleLength = 0.6f;
constexpr float kNutRadius = 0.06f;
constexpr float kNutLength = 0.05f;

model::Mesh axle()
{
    model::Mesh a = model::cylinder(kAxleRadius, kAxleLength, 10).translate({0, -kAxleLength / 2, 0});
    for (float end : {-1.0f, 1.0f})
        a.add(model::cylinder(kNutRadius, kNutLength, 6).translate({0, end * (kAxleLength / 2) - kNutLength / 2, 0}));
    return a;
}

void generatePin(ContentOutput& output)
{
    model::Mesh pin = model::sphere(kHubRadius, 16, 10);
    pin.add(axle().rotateZ(90));  // along x
    pin.add(axle().rotateX(90));  // along z
    model::boxUV(pin, 2.0f);
    output.write("Models/pin.b3d", model::writeB3d(pin));
}

}  // namespace

REGISTER_GENERATOR(play_pin, generatePin);
