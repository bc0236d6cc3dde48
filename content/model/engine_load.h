// Loads model files back with the engine's own loaders on a NULL device, the way
// the game loads them: for tests and checks of what the writers produce.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <irrlicht.h>

#include "content/model/math.h"

class EngineLoader {
public:
    EngineLoader();
    ~EngineLoader();
    EngineLoader(const EngineLoader&) = delete;
    EngineLoader& operator=(const EngineLoader&) = delete;

    // The loader is chosen by the name's extension (".b3d", ".3ds"); null when it fails.
    // Each load is fresh (nothing is served from the engine's mesh cache).
    irr::scene::IAnimatedMesh* load(const std::vector<uint8_t>& bytes, const std::string& name);
    irr::scene::IAnimatedMesh* loadFile(const std::string& path);
    irr::IrrlichtDevice* device() { return device_; }

private:
    irr::IrrlichtDevice* device_ = nullptr;
    int loads_ = 0;
};

// What the game's collision builder needs: every buffer of standard 36-byte
// vertices with 16-bit indices, three per triangle. Empty when it is so, else why not.
std::string collisionLayoutProblem(irr::scene::IMesh* mesh);

// Positions of every vertex, buffers in order (after any animation the mesh was given).
std::vector<model::Vec3> meshPositions(irr::scene::IMesh* mesh);
model::Vec3 toVec3(const irr::core::vector3df& v);
