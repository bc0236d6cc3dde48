// The small props every hole scatters on its sand: barrels, crates, longhorn skulls,
// wagon wheels, saguaro cacti, brush, mine carts, water containers, fences, wagons
// and the steam train. Each hole
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

// New kinds go at the end: plans and tests name them, and variants keep their numbers.
//   WaterContainer 0 the water tower with its stream, 1 a trough, 2 a round tank on a stand
//   Fence          0 post and rail, 1 picket, 2 a broken section (each about 4 long, along x)
//   Wagon          0 a covered wagon, 1 a buckboard (tongue towards -z)
//   Train          0 engine, tender and coach on a length of track, 1 the track alone
//                  (both along z, the engine's front towards -z)
enum class PropKind { Barrels, Box, Longhorn, WagonWheels, Cactus, Brush, MineCart, WaterContainer, Fence, Wagon, Train };

// The name in hole_N_<name>.b3d.
const char* propFileName(PropKind kind);
// One prop of the kind; `variant` picks among its shapes (any number is fine: it wraps).
model::Mesh propModel(PropKind kind, int variant);
// The water of a water container of that variant, in the container's frame
// (hole_N_water.b3d): the tower's stream falling into its trough (variant 0), or the
// level surface just below the rim of the trough or the tank. Empty for other kinds.
model::Mesh propWater(PropKind kind, int variant);

// The props' colour and normal textures (barrel.jpg, barrelnormal.jpg, ..., wagon.jpg,
// train.jpg; the fences use the buildings' fence.jpg, the water containers pipes.jpg).
void writePropTextures(ContentOutput& output);

}  // namespace town
