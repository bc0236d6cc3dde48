#include "course/tree_collision.h"

#include <cstdio>

namespace {

constexpr irr::s32 kMeshFrame = 0;
constexpr irr::s32 kMeshDetail = 255;
constexpr int kFaceAttribute = 1;
constexpr int kCornerStride = 3 * sizeof(float);  // bytes between the corners of a face record

bool isStandardBuffer(const irr::scene::IMeshBuffer* buffer)
{
    return buffer && buffer->getVertexType() == irr::video::EVT_STANDARD &&
           buffer->getIndexType() == irr::video::EIT_16BIT;
}

// Returns false when an index points past the vertices (the rest of the buffer is skipped).
bool addBufferFaces(const irr::scene::IMeshBuffer* buffer, NewtonCollision* tree)
{
    const auto* vertices = static_cast<const irr::video::S3DVertex*>(buffer->getVertices());
    const irr::u32 vertexCount = buffer->getVertexCount();
    const irr::u16* indices = buffer->getIndices();
    const irr::u32 indexCount = buffer->getIndexCount();
    for (irr::u32 k = 0; k + 2 < indexCount; k += 3) {
        float face[9];
        for (int corner = 0; corner < 3; ++corner) {
            const irr::u16 index = indices[k + corner];
            if (index >= vertexCount) return false;
            const irr::core::vector3df& position = vertices[index].Pos;
            face[corner * 3 + 0] = position.X;
            face[corner * 3 + 1] = position.Y;
            face[corner * 3 + 2] = position.Z;
        }
        NewtonTreeCollisionAddFace(tree, 3, face, kCornerStride, kFaceAttribute);
    }
    return true;
}

}  // namespace

void buildTreeCollision(irr::scene::IAnimatedMesh* animatedMesh, NewtonCollision* tree)
{
    irr::scene::IMesh* mesh = animatedMesh ? animatedMesh->getMesh(kMeshFrame, kMeshDetail) : nullptr;
    if (!mesh) {
        std::fprintf(stderr, "buildTreeCollision: no mesh; the collision stays empty\n");
        return;
    }
    for (irr::u32 i = 0; i < mesh->getMeshBufferCount(); ++i) {  // the count is read again each time
        const irr::scene::IMeshBuffer* buffer = mesh->getMeshBuffer(i);
        if (!isStandardBuffer(buffer)) {
            std::fprintf(stderr, "buildTreeCollision: buffer %u skipped (not 36-byte vertices with 16-bit indices)\n",
                         i);
        } else if (!addBufferFaces(buffer, tree)) {
            std::fprintf(stderr, "buildTreeCollision: buffer %u stops at an index past its vertices\n", i);
        }
    }
}
