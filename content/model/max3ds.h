// The 3DS writer. The engine's loader swaps file y and z, flips v and reverses
// the winding; this writer does the opposite, so a mesh built here loads exactly
// as built. Each surface becomes a material of its name and colour (translucent
// when its alpha is below 1) and one mesh buffer; a surface of more than 65535
// vertices or triangles is split into several objects of the same material.
#pragma once

#include <cstdint>
#include <vector>

#include "content/model/mesh.h"

namespace model {

std::vector<uint8_t> write3ds(const Mesh& mesh);

}  // namespace model
