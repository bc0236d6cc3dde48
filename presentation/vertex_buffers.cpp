#include "presentation/vertex_buffers.h"

void useVertexBuffersForStaticMeshes(irr::scene::ISceneNode* root)
{
    if (!root) return;
    for (irr::scene::ISceneNode* child : root->getChildren()) {
        if (child->getType() == irr::scene::ESNT_MESH) {
            irr::scene::IMesh* mesh = static_cast<irr::scene::IMeshSceneNode*>(child)->getMesh();
            if (mesh) mesh->setHardwareMappingHint(irr::scene::EHM_STATIC);
        }
        useVertexBuffersForStaticMeshes(child);
    }
}
