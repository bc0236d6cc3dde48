// The turning blades of holes 5, 8 and 18 (hole_N_blade.b3d); see blades.cpp.
#pragma once

#include "content/model/mesh.h"

namespace town {

inline constexpr int kBladeHoles[] = {5, 8, 18};

// The blade of that hole, centred on its hub: hole 5's spins about z, the others' about x.
model::Mesh bladeModel(int hole);

}  // namespace town
