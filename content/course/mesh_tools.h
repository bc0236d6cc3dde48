// Small helpers for building the hole meshes triangle by triangle.
#pragma once

#include "content/model/mesh.h"

namespace course {

// A triangle turned so that its front (cross(b - a, c - a)) faces up.
void upwardTriangle(model::Surface& surface, uint32_t a, uint32_t b, uint32_t c);
// A quad a-b-c-d (either way round) turned so that its front faces along `facing`.
void facingQuad(model::Surface& surface, uint32_t a, uint32_t b, uint32_t c, uint32_t d, model::Vec3 facing);
// Vertex normals as the area-weighted mean of the faces sharing each vertex.
void smoothNormals(model::Surface& surface);

}  // namespace course
