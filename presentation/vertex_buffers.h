// Static meshes drawn from vertex buffer objects. Drawn from the meshes' own arrays,
// every draw would copy and convert all of a mesh's vertices again, every frame.
#pragma once

#include <irrlicht.h>

// Marks the meshes of the plain mesh nodes under `root` (the hole's surfaces and
// scenery, which never change their vertices) for vertex buffer objects. Animated
// nodes (the flag) keep drawing from their arrays.
void useVertexBuffersForStaticMeshes(irr::scene::ISceneNode* root);
