#include "presentation/backdrop.h"

#include <GL/gl.h>

#include <vector>

#include "app/game_state.h"
#include "presentation/ground_mesh.h"

namespace {

using irr::scene::ISceneManager;
using irr::scene::ISceneNode;

// The engine draws transparent nodes after the solid ones, farthest first: a node this
// far from any camera is the first of them, so it runs right after the last solid node.
constexpr float kBeyondEverything = 1.0e6f;  // units
constexpr float kCoverInset = 0.3f;          // units in from the grass's edge where the sand under it may go

irr::video::SColor vertexColour(const irr::scene::IMeshBuffer* buffer, irr::u32 v)
{
    switch (buffer->getVertexType()) {
    case irr::video::EVT_2TCOORDS: return static_cast<const irr::video::S3DVertex2TCoords*>(buffer->getVertices())[v].Color;
    case irr::video::EVT_TANGENTS: return static_cast<const irr::video::S3DVertexTangents*>(buffer->getVertices())[v].Color;
    default: return static_cast<const irr::video::S3DVertex*>(buffer->getVertices())[v].Color;
    }
}

std::vector<GroundPoint> groundPoints(const irr::scene::IMeshBuffer* buffer)
{
    std::vector<GroundPoint> points(buffer->getVertexCount());
    for (irr::u32 v = 0; v < buffer->getVertexCount(); ++v) {
        const irr::core::vector3df& p = buffer->getPosition(v);
        const irr::video::SColor colour = vertexColour(buffer, v);
        const irr::core::vector2df& uv = buffer->getTCoords(v);
        points[v] = {p.X, p.Z, p.Y, {colour.getRed() / 255.0f, colour.getGreen() / 255.0f, colour.getBlue() / 255.0f, uv.X, uv.Y}};
    }
    return points;
}

// The triangles to draw a ground buffer with (presentation/ground_mesh.h); empty
// when it is not a 16-bit grid of vertices, and it is drawn as loaded.
std::vector<uint16_t> groundIndices(irr::scene::IMeshBuffer* buffer)
{
    if (buffer->getIndexType() != irr::video::EIT_16BIT || buffer->getIndexCount() < 3) return {};
    const std::vector<GroundPoint> points = groundPoints(buffer);
    const irr::u16* loaded = buffer->getIndices();
    const std::vector<uint16_t> first(loaded, loaded + 3);
    std::vector<uint16_t> indices = groundDrawIndices(points, groundWinding(points, first));
    if (indices.size() >= buffer->getIndexCount()) return {};
    return indices;
}

// What a ground buffer is drawn from: a copy of its vertices with the draw triangles,
// or the buffer itself when they are the loaded ones. Either stays in a vertex buffer
// object: the vertices are not copied and converted on every draw.
irr::scene::IMeshBuffer* drawBuffer(irr::scene::IMeshBuffer* loaded)
{
    std::vector<uint16_t> indices = groundIndices(loaded);
    irr::scene::IMeshBuffer* buffer = loaded;
    if (!indices.empty() && loaded->getVertexType() == irr::video::EVT_STANDARD) {
        auto* merged = new irr::scene::SMeshBuffer();
        merged->append(loaded->getVertices(), loaded->getVertexCount(), indices.data(), irr::u32(indices.size()));
        merged->recalculateBoundingBox();
        buffer = merged;
    } else {
        buffer->grab();
    }
    buffer->setHardwareMappingHint(irr::scene::EHM_STATIC);
    return buffer;
}

class BackdropNode : public ISceneNode {
public:
    BackdropNode(ISceneManager* manager, irr::scene::IMesh* mesh, ISceneNode* sky)
        : ISceneNode(manager->getRootSceneNode(), manager, -1), mesh_(mesh), sky_(sky)
    {
        setAutomaticCulling(irr::scene::EAC_OFF);
        setPosition({0, kBeyondEverything, 0});
        if (mesh_) {
            mesh_->grab();
            for (irr::u32 i = 0; i < mesh_->getMeshBufferCount(); ++i) {
                materials_.push_back(mesh_->getMeshBuffer(i)->getMaterial());
                drawBuffers_.push_back(drawBuffer(mesh_->getMeshBuffer(i)));
            }
            box_ = mesh_->getBoundingBox();
        }
        if (sky_) {
            sky_->grab();
            sky_->setVisible(false);  // drawn here, not in the engine's sky pass
            // At the far end of the depth range (below), tested against what is drawn.
            for (irr::u32 i = 0; i < sky_->getMaterialCount(); ++i)
                sky_->getMaterial(i).ZBuffer = irr::video::ECFN_LESSEQUAL;
        }
    }

    ~BackdropNode() override
    {
        for (irr::scene::IMeshBuffer* buffer : drawBuffers_) {
            SceneManager->getVideoDriver()->removeHardwareBuffer(buffer);
            buffer->drop();
        }
        if (mesh_) mesh_->drop();
        if (sky_) sky_->drop();
    }

    void OnRegisterSceneNode() override
    {
        if (IsVisible) SceneManager->registerNodeForRendering(this, irr::scene::ESNRP_TRANSPARENT);
        ISceneNode::OnRegisterSceneNode();
    }

    void render() override
    {
        irr::video::IVideoDriver* driver = SceneManager->getVideoDriver();
        if (mesh_) {
            driver->setTransform(irr::video::ETS_WORLD, irr::core::IdentityMatrix);
            for (size_t i = 0; i < drawBuffers_.size(); ++i) {
                driver->setMaterial(materials_[i]);
                driver->drawMeshBuffer(drawBuffers_[i]);
            }
        }
        if (!sky_) return;
        // The sky box sits between the near and far planes; pinned to the far plane it
        // shows only where nothing else was drawn, whatever lies beyond its faces.
        // Below the ground's rim it is hidden anyway: a level cut leaves that part out
        // (the software rasteriser would test it against the depth of every pixel).
        const bool gl = driver->getDriverType() == irr::video::EDT_OPENGL;
        if (gl) glDepthRange(1.0, 1.0);
        const float cut = skyCut();
        if (cut > 0) {
            const float cutY = SceneManager->getActiveCamera()->getAbsolutePosition().Y - cut;
            driver->setClipPlane(0, irr::core::plane3df({0, cutY, 0}, {0, 1, 0}), true);
        }
        sky_->render();
        if (cut > 0) driver->enableClipPlane(0, false);
        if (gl) glDepthRange(0.0, 1.0);
    }

    // Leaves out the sand under `cover` from the triangles it draws (not from what it was loaded with).
    void hideUnder(const std::vector<CoverTriangle>& cover)
    {
        for (irr::u32 i = 0; mesh_ && i < mesh_->getMeshBufferCount(); ++i) {
            if (drawBuffers_[i] == mesh_->getMeshBuffer(i)) continue;
            auto* merged = static_cast<irr::scene::SMeshBuffer*>(drawBuffers_[i]);
            const std::vector<uint16_t> drawn(merged->Indices.const_pointer(), merged->Indices.const_pointer() + merged->Indices.size());
            const std::vector<uint16_t> kept = withoutGroundUnder(groundPoints(merged), drawn, cover, kCoverInset);
            merged->Indices.set_used(0);
            for (uint16_t index : kept) merged->Indices.push_back(index);
            merged->setDirty(irr::scene::EBT_INDEX);
        }
    }

    // The engine's sky box lies halfway between the camera's near and far planes.
    float skyCut() const
    {
        const irr::scene::ICameraSceneNode* camera = SceneManager->getActiveCamera();
        if (!mesh_ || !camera) return 0;
        const irr::core::vector3df eye = camera->getAbsolutePosition();
        const GroundExtent ground{box_.MinEdge.X, box_.MinEdge.Z, box_.MaxEdge.X, box_.MaxEdge.Z, box_.MinEdge.Y};
        return skyCutBelowEye(eye.X, eye.Y, eye.Z, ground, 0.5f * (camera->getNearValue() + camera->getFarValue()));
    }

    const irr::core::aabbox3df& getBoundingBox() const override { return box_; }
    irr::u32 getMaterialCount() const override { return materials_.size(); }
    irr::video::SMaterial& getMaterial(irr::u32 i) override { return materials_[i]; }

private:
    irr::scene::IMesh* mesh_;
    ISceneNode* sky_;
    irr::core::array<irr::video::SMaterial> materials_;
    std::vector<irr::scene::IMeshBuffer*> drawBuffers_;  // per loaded buffer, held
    irr::core::aabbox3df box_{0, 0, 0, 0, 0, 0};
};

}  // namespace

void hideGroundUnder(irr::scene::IMesh* cover)
{
    if (!cover) return;
    std::vector<CoverTriangle> triangles;
    for (irr::u32 b = 0; b < cover->getMeshBufferCount(); ++b) {
        const irr::scene::IMeshBuffer* buffer = cover->getMeshBuffer(b);
        if (buffer->getIndexType() != irr::video::EIT_16BIT) continue;
        const irr::u16* index = buffer->getIndices();
        for (irr::u32 k = 0; k + 2 < buffer->getIndexCount(); k += 3) {
            CoverTriangle t;
            for (int c = 0; c < 3; ++c) {
                const irr::core::vector3df& p = buffer->getPosition(index[k + c]);
                t.x[c] = p.X, t.y[c] = p.Y, t.z[c] = p.Z;
            }
            triangles.push_back(t);
        }
    }
    for (ISceneNode* node : game.engine.sceneManager->getRootSceneNode()->getChildren())
        if (auto* backdrop = dynamic_cast<BackdropNode*>(node)) backdrop->hideUnder(triangles);
}

ISceneNode* addBackdrop(irr::scene::IMesh* mesh, ISceneNode* sky)
{
    ISceneManager* manager = game.engine.sceneManager;
    auto* node = new BackdropNode(manager, mesh, sky);
    node->drop();  // the root holds it
    return node;
}
