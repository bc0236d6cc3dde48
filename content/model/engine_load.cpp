#include "content/model/engine_load.h"

#include <stdexcept>

using namespace irr;

EngineLoader::EngineLoader()
{
    SIrrlichtCreationParameters parameters;
    parameters.DriverType = video::EDT_NULL;
    parameters.LoggingLevel = ELL_NONE;
    device_ = createDeviceEx(parameters);
    if (!device_) throw std::runtime_error("cannot create the engine's NULL device");
}

EngineLoader::~EngineLoader() { device_->drop(); }

scene::IAnimatedMesh* EngineLoader::load(const std::vector<uint8_t>& bytes, const std::string& name)
{
    // A fresh name for every load, so that the mesh cache never answers instead of the loader.
    const std::string unique = std::to_string(++loads_) + "_" + name;
    io::IReadFile* file = device_->getFileSystem()->createMemoryReadFile(const_cast<uint8_t*>(bytes.data()), s32(bytes.size()),
                                                                          unique.c_str(), false);
    scene::IAnimatedMesh* mesh = device_->getSceneManager()->getMesh(file);
    file->drop();
    return mesh;
}

scene::IAnimatedMesh* EngineLoader::loadFile(const std::string& path)
{
    io::IReadFile* file = device_->getFileSystem()->createAndOpenFile(path.c_str());
    if (!file) return nullptr;
    std::vector<uint8_t> bytes(size_t(file->getSize()));
    file->read(bytes.data(), u32(bytes.size()));
    file->drop();
    std::string name = path.substr(path.find_last_of('/') + 1);
    return load(bytes, name);
}

std::string collisionLayoutProblem(scene::IMesh* mesh)
{
    if (!mesh) return "no mesh";
    if (mesh->getMeshBufferCount() == 0) return "no mesh buffers";
    for (u32 i = 0; i < mesh->getMeshBufferCount(); ++i) {
        scene::IMeshBuffer* b = mesh->getMeshBuffer(i);
        const std::string which = "buffer " + std::to_string(i) + ": ";
        if (b->getVertexType() != video::EVT_STANDARD || sizeof(video::S3DVertex) != 36)
            return which + "vertices are not standard 36-byte vertices";
        if (b->getIndexType() != video::EIT_16BIT) return which + "indices are not 16-bit";
        if (b->getIndexCount() == 0 || b->getIndexCount() % 3 != 0) return which + "index count is not a positive multiple of 3";
        const u16* indices = b->getIndices();
        for (u32 k = 0; k < b->getIndexCount(); ++k)
            if (indices[k] >= b->getVertexCount()) return which + "an index lies past the last vertex";
    }
    return "";
}

model::Vec3 toVec3(const core::vector3df& v) { return {v.X, v.Y, v.Z}; }

std::vector<model::Vec3> meshPositions(scene::IMesh* mesh)
{
    std::vector<model::Vec3> out;
    for (u32 i = 0; i < mesh->getMeshBufferCount(); ++i) {
        scene::IMeshBuffer* b = mesh->getMeshBuffer(i);
        for (u32 k = 0; k < b->getVertexCount(); ++k) out.push_back(toVec3(b->getPosition(k)));
    }
    return out;
}
