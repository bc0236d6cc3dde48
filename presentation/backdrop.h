// The hole's backdrop: the sand terrain and the sky box, drawn after every solid
// surface. The software rasteriser shades only fragments that pass the depth test,
// so the sand under the greens and the scenery, and the sky behind the sand, cost
// nothing; drawn first, as the engine would, they cost two full screens a frame.
#pragma once

#include <irrlicht.h>

// A node of the scene manager standing for the terrain `mesh` (null: none), whose
// materials are the mesh's (set them through the node as on any mesh node), and for
// `sky` (null: none), which the engine then no longer draws itself.
irr::scene::ISceneNode* addBackdrop(irr::scene::IMesh* mesh, irr::scene::ISceneNode* sky);

// Leaves out of the backdrop's sand the triangles that lie wholly under `cover` (the
// hole's grass): nobody sees them, and the rasteriser would still test them against
// the depth of every pixel they cover. The collision keeps them.
void hideGroundUnder(irr::scene::IMesh* cover);
