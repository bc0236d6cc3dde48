#include "presentation/shaders.h"

#include <iostream>
#include <set>

#include "app/game_state.h"

namespace {

using irr::core::matrix4;
using irr::video::E_MATERIAL_TYPE;
using irr::video::IMaterialRendererServices;

const char* const kShaderFolder = "../Contents/Shaders/";
constexpr float kLightPos[4] = {-200.0f, 200.0f, -50.0f, 1.0f};  // fixed in world space, up and to the left of the tee
constexpr float kLightCol[4] = {0.8f, 0.8f, 0.7f, 1.0f};
constexpr float kNormalDiffusedPow = 1.2f;
constexpr float kBumpDiffusedPow = 1.1f;
constexpr float kWaterDiffusedPow = 1.2f;
// The programs read the colour texture from layer 0 and the normal texture from layer 1.
constexpr irr::s32 kColourLayer = 0;
constexpr irr::s32 kNormalLayer = 1;

// What differs between the callbacks' constants.
struct ConstantSet {
    const char* inverseName;  // "invWorld" or "inverseWorld"
    int vectorFloats;         // floats of "lightPos" and "view"
    bool time;                // the water's clock
    bool pixelLight;          // "lightCol" and "diffusedPow"
    float diffusedPow;
    bool normalTexture;       // a sampler on layer 1
};

constexpr ConstantSet kNormalConstants{"invWorld", 4, false, true, kNormalDiffusedPow, true};
constexpr ConstantSet kBumpConstants{"invWorld", 4, false, true, kBumpDiffusedPow, true};
constexpr ConstantSet kWaterConstants{"invWorld", 4, true, true, kWaterDiffusedPow, true};
constexpr ConstantSet kSpecularConstants{"inverseWorld", 3, false, false, 0.0f, false};

void setConstants(irr::IrrlichtDevice* device, IMaterialRendererServices* services, const ConstantSet& set)
{
    irr::video::IVideoDriver* driver = services->getVideoDriver();
    const matrix4& world = driver->getTransform(irr::video::ETS_WORLD);
    matrix4 inverse = world;
    if (!inverse.makeInverse()) inverse = world;
    services->setVertexShaderConstant(set.inverseName, inverse.pointer(), 16);

    matrix4 worldViewProj = driver->getTransform(irr::video::ETS_PROJECTION);
    worldViewProj *= driver->getTransform(irr::video::ETS_VIEW);
    worldViewProj *= world;
    services->setVertexShaderConstant("worldViewProj", worldViewProj.pointer(), 16);

    irr::scene::ICameraSceneNode* camera = device->getSceneManager()->getActiveCamera();
    const irr::core::vector3df eye = camera ? camera->getAbsolutePosition() : irr::core::vector3df();
    if (set.time) {
        const float time = float(device->getTimer()->getTime());
        services->setPixelShaderConstant("time", &time, 1);
    }
    const float view[4] = {eye.X, eye.Y, eye.Z, 1.0f};  // the fourth float is never read
    services->setVertexShaderConstant("lightPos", kLightPos, set.vectorFloats);
    services->setVertexShaderConstant("view", view, set.vectorFloats);
    if (set.pixelLight) {
        services->setPixelShaderConstant("lightCol", kLightCol, 4);
        services->setPixelShaderConstant("diffusedPow", &set.diffusedPow, 1);
    }
    // GLSL samplers read layer 0 unless told otherwise.
    services->setPixelShaderConstant("colourMap", &kColourLayer, 1);
    if (set.normalTexture) services->setPixelShaderConstant("normalMap", &kNormalLayer, 1);
}

bool readProgramFile(const std::string& path, std::string& text)
{
    irr::io::IReadFile* file = game.engine.fileSystem->createAndOpenFile(path.c_str());
    if (!file) return false;
    text.resize(size_t(file->getSize()));
    const bool complete = file->read(text.data(), irr::u32(text.size())) == irr::s32(text.size());
    file->drop();
    return complete;
}

// GLSL needs one source per stage and Mesa defines no macro that tells them apart
// (one text given twice fails with "main redefined"), so the file is cut at a marker line.
bool splitProgram(const std::string& text, std::string& vertex, std::string& fragment)
{
    const std::string marker = kFragmentProgramMarker;
    size_t at = text.find(marker);
    while (at != std::string::npos && at > 0 && text[at - 1] != '\n') at = text.find(marker, at + 1);
    if (at == std::string::npos) return false;
    vertex = text.substr(0, at);
    const size_t lineEnd = text.find('\n', at);
    fragment = lineEnd == std::string::npos ? "" : text.substr(lineEnd + 1);
    return !fragment.empty();
}

E_MATERIAL_TYPE materialOr(int32_t id, E_MATERIAL_TYPE base)
{
    return id > 0 ? E_MATERIAL_TYPE(id) : base;
}

// Files whose program failed once: the second specular material does not compile it again.
std::set<std::string>& failedFiles()
{
    static std::set<std::string> files;
    return files;
}

template <typename Callback>
int32_t addWithNewCallback(const char* file, E_MATERIAL_TYPE base)
{
    if (!game.engine.driver->getGPUProgrammingServices()) return 0;
    Callback* callback = new Callback(game.engine.device);
    const int32_t id = addShaderMaterial(file, callback, base);
    callback->drop();  // the engine keeps its own reference while the material lives
    return id;
}

}  // namespace

void NormalMap::OnSetConstants(IMaterialRendererServices* services, irr::s32)
{
    setConstants(device, services, kNormalConstants);
}

void BumpMap::OnSetConstants(IMaterialRendererServices* services, irr::s32)
{
    setConstants(device, services, kBumpConstants);
}

void WaterMap::OnSetConstants(IMaterialRendererServices* services, irr::s32)
{
    setConstants(device, services, kWaterConstants);
}

void SpecularMap::OnSetConstants(IMaterialRendererServices* services, irr::s32)
{
    setConstants(device, services, kSpecularConstants);
}

int32_t addShaderMaterial(const std::string& file, irr::video::IShaderConstantSetCallBack* callback,
                          E_MATERIAL_TYPE baseMaterial)
{
    if (failedFiles().count(file)) return -1;
    const std::string path = kShaderFolder + file;
    std::string text, vertex, fragment;
    if (!readProgramFile(path, text)) {
        std::cout << "*** Error: shader " << path << " not found, its surfaces keep the plain look ***" << std::endl;
        failedFiles().insert(file);
        return -1;
    }
    if (!splitProgram(text, vertex, fragment)) {
        std::cout << "*** Error: shader " << path << " has no fragment program, its surfaces keep the plain look ***"
                  << std::endl;
        failedFiles().insert(file);
        return -1;
    }
    irr::video::IGPUProgrammingServices* gpu = game.engine.driver->getGPUProgrammingServices();
    // The engine logs the compiler's message itself when a stage does not compile or link.
    const int32_t id = gpu->addHighLevelShaderMaterial(
        vertex.c_str(), "vs", irr::video::EVST_VS_2_0, fragment.c_str(), "ps", irr::video::EPST_PS_2_0,
        nullptr, "main", irr::video::EGST_GS_4_0, irr::scene::EPT_TRIANGLES, irr::scene::EPT_TRIANGLE_STRIP, 0,
        callback, baseMaterial, 0);
    if (id <= 0) {
        std::cout << "*** Error: shader " << path << " did not compile, its surfaces keep the plain look ***"
                  << std::endl;
        failedFiles().insert(file);
        return -1;
    }
    return id;
}

void createShaderMaterials()
{
    if (!game.options.shadersEnabled) return;
    failedFiles().clear();
    ShaderMaterialIds& ids = game.shaderMaterials;
    ids.normalMaterial = addWithNewCallback<NormalMap>("normal.golf", irr::video::EMT_SOLID);
    ids.bumpMaterial = addWithNewCallback<BumpMap>("bump.golf", irr::video::EMT_SOLID);
    ids.specularMaterial = addWithNewCallback<SpecularMap>("specular.golf", irr::video::EMT_SOLID);
    ids.specularReflectionMaterial =
        addWithNewCallback<SpecularMap>("specular.golf", irr::video::EMT_REFLECTION_2_LAYER);
    ids.plasticMaterial = addWithNewCallback<PlasticMap>("plastic.golf", irr::video::EMT_SOLID);
    ids.waterHMaterial = addWithNewCallback<WaterMap>("waterH.golf", irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);
    ids.waterVMaterial = addWithNewCallback<WaterMap>("waterV.golf", irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);
}

bool shaderMaterialsActive()
{
    return game.options.shadersEnabled && game.shaderMaterials.normalMaterial > 0;
}

E_MATERIAL_TYPE normalMaterial() { return materialOr(game.shaderMaterials.normalMaterial, irr::video::EMT_SOLID); }
E_MATERIAL_TYPE bumpMaterial() { return materialOr(game.shaderMaterials.bumpMaterial, irr::video::EMT_SOLID); }
E_MATERIAL_TYPE specularMaterial()
{
    return materialOr(game.shaderMaterials.specularMaterial, irr::video::EMT_SOLID);
}
E_MATERIAL_TYPE specularReflectionMaterial()
{
    return materialOr(game.shaderMaterials.specularReflectionMaterial, irr::video::EMT_REFLECTION_2_LAYER);
}
E_MATERIAL_TYPE plasticMaterial() { return materialOr(game.shaderMaterials.plasticMaterial, irr::video::EMT_SOLID); }
E_MATERIAL_TYPE waterHMaterial()
{
    return materialOr(game.shaderMaterials.waterHMaterial, irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);
}
E_MATERIAL_TYPE waterVMaterial()
{
    return materialOr(game.shaderMaterials.waterVMaterial, irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);
}

void setMaterialType(irr::scene::ISceneNode* node, E_MATERIAL_TYPE type)
{
    if (node) node->setMaterialType(type);
}
