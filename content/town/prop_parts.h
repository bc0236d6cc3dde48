// The larger props, each in a file of its own (fences.cpp, wagons.cpp, train.cpp,
// tanks.cpp), and the shapes they share with the small props of props.cpp. props.cpp
// dispatches on the kind; every model follows its rules (standing on its origin, in
// world units, front towards -z) and carries texture coordinates in its own atlas.
#pragma once

#include "content/model/mesh.h"
#include "content/town/kit.h"

struct ContentOutput;

namespace town {

// A flat disc facing `up` showing its region as a round picture (lids, wheel faces).
model::Mesh roundel(Vec3 centre, Vec3 up, float radius, int segments);
// A four-cornered plate a-b-c-d (u 0..1 from a to b, v 0..1 from a to d), its front along
// cross(b - a, d - a), its back `thickness` behind.
model::Mesh plate(Vec3 a, Vec3 b, Vec3 c, Vec3 d, float thickness);

// fence.jpg (the buildings' timber and boards).
model::Mesh fenceModel(int variant);

// wagon.jpg / wagonnormal.jpg.
model::Mesh wagonModel(int variant);
void writeWagonTextures(ContentOutput& output);

// train.jpg / trainnormal.jpg.
model::Mesh trainModel(int variant);
void writeTrainTextures(ContentOutput& output);

// pipes.jpg: the trough (variant 1) and the tank on its stand (variant 2), and their
// level water just below the rim.
model::Mesh tankModel(int variant);
model::Mesh tankWater(int variant);

}  // namespace town
