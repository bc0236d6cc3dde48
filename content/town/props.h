// The small props every hole scatters on its sand: barrels, crates, longhorn skulls,
// wagon wheels, saguaro cacti, brush, mine carts and the water tower. Each hole
// writes one model per kind (hole_N_barrels.b3d, ...) holding all its props of that
// kind, placed in the hole's frame; the textures are shared by the whole course.
//
// Every prop is built standing on its origin (its lowest point at y 0, in world
// units of the hole, front towards -z); the hole generator turns, scales and moves
// copies onto the sand.
#pragma once

#include <string>

#include "content/model/mesh.h"

struct ContentOutput;

namespace town {

enum class PropKind { Barrels, Box, Longhorn, WagonWheels, Cactus, Brush, MineCart, WaterContainer };

// The name in hole_N_<name>.b3d.
const char* propFileName(PropKind kind);
// One prop of the kind; `variant` picks among its shapes (any number is fine: it wraps).
model::Mesh propModel(PropKind kind, int variant);
// The falling water of a water container of that variant, in the container's frame
// (hole_N_water.b3d). Empty for other kinds.
model::Mesh propWater(PropKind kind, int variant);

// The props' colour and normal textures (barrel.jpg, barrelnormal.jpg, ...).
void writePropTextures(ContentOutput& output);

}  // namespace town
