// Static collision from a hole's meshes: every triangle of the mesh, in its own
// coordinates, added to an open tree collision.
#pragma once

#include <irrlicht.h>

#include "course/newton.h"

// Adds every complete index triple of every buffer of `mesh` (frame 0, detail 255) to
// `tree`, between NewtonTreeCollisionBeginBuild and NewtonTreeCollisionEndBuild: corners
// in index order, attribute 1, nothing transformed, welded or re-wound. A null mesh, and
// a buffer that is not the standard 36-byte vertex with 16-bit indices, are skipped with
// one line on stderr.
void buildTreeCollision(irr::scene::IAnimatedMesh* mesh, NewtonCollision* tree);
