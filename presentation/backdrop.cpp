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

// The triangles to draw a ground buffer with (presentation/ground_mesh.h); empty
// when it is not a 16-bit grid of vertices, and it is drawn as loaded.
std::vector<uint16_t> groundIndices(irr::scene::IMeshBuffer* buffer)
{
    if (buffer->getIndexType() != irr::video::EIT_16BIT || buffer->getIndexCount() < 3) return {};
    std::vector<GroundPoint> points(buffer->getVertexCount());
    for (irr::u32 v = 0; v < buffer->getVertexCount(); ++v) {
        const irr::core::vector3df& p = buffer->getPosition(v);
        points[v] = {p.X, p.Z};
    }
    const irr::u16* loaded = buffer->getIndices();
    const std::vector<uint16_t> first(loaded, loaded + 3);
    std::vector<uint16_t> indices = groundDrawIndices(points, groundWinding(points, first));
    if (indices.size() >= buffer->getIndexCount()) return {};
    return indices;
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
                drawIndices_.push_back(groundIndices(mesh_->getMeshBuffer(i)));
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
            for (irr::u32 i = 0; i < mesh_->getMeshBufferCount(); ++i) {
                driver->setMaterial(materials_[i]);
                irr::scene::IMeshBuffer* buffer = mesh_->getMeshBuffer(i);
                const std::vector<uint16_t>& indices = drawIndices_[i];
                if (indices.empty()) {
                    driver->drawMeshBuffer(buffer);
                    continue;
                }
                driver->drawVertexPrimitiveList(buffer->getVertices(), buffer->getVertexCount(), indices.data(),
                                                indices.size() / 3, buffer->getVertexType(),
                                                irr::scene::EPT_TRIANGLES, irr::video::EIT_16BIT);
            }
        }
        if (!sky_) return;
        // The sky box sits between the near and far planes; pinned to the far plane it
        // shows only where nothing else was drawn, whatever lies beyond its faces.
        const bool gl = driver->getDriverType() == irr::video::EDT_OPENGL;
        if (gl) glDepthRange(1.0, 1.0);
        sky_->render();
        if (gl) glDepthRange(0.0, 1.0);
    }

    const irr::core::aabbox3df& getBoundingBox() const override { return box_; }
    irr::u32 getMaterialCount() const override { return materials_.size(); }
    irr::video::SMaterial& getMaterial(irr::u32 i) override { return materials_[i]; }

private:
    irr::scene::IMesh* mesh_;
    ISceneNode* sky_;
    irr::core::array<irr::video::SMaterial> materials_;
    std::vector<std::vector<uint16_t>> drawIndices_;  // per buffer; empty: drawn as loaded
    irr::core::aabbox3df box_{0, 0, 0, 0, 0, 0};
};

}  // namespace

ISceneNode* addBackdrop(irr::scene::IMesh* mesh, ISceneNode* sky)
{
    ISceneManager* manager = game.engine.sceneManager;
    auto* node = new BackdropNode(manager, mesh, sky);
    node->drop();  // the root holds it
    return node;
}
