// Shader materials for scenery, cup, flagpole, putter and water. Each getter
// gives the material type to use: the shader material where it exists, its
// fixed-function base type otherwise (shaders off, unsupported or not compiled).
#pragma once

#include <cstdint>
#include <string>

#include <irrlicht.h>

// A program file holds the vertex program, this line, then the fragment program.
inline constexpr const char* kFragmentProgramMarker = "//--- fragment program ---";

// The seven material ids the engine returned; 0 until created, -1 when a program failed.
struct ShaderMaterialIds {
    int32_t normalMaterial = 0;
    int32_t bumpMaterial = 0;
    int32_t specularMaterial = 0;
    int32_t specularReflectionMaterial = 0;
    int32_t plasticMaterial = 0;
    int32_t waterHMaterial = 0;
    int32_t waterVMaterial = 0;
};

// Constant callbacks: each feeds its programs the matrices, the fixed light and the
// camera position whenever a node with its material is drawn.
class NormalMap : public irr::video::IShaderConstantSetCallBack {
public:
    explicit NormalMap(irr::IrrlichtDevice* device) : device(device) {}
    void OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 userData) override;

protected:
    irr::IrrlichtDevice* device;
};

class BumpMap : public NormalMap {
public:
    using NormalMap::NormalMap;
    void OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 userData) override;
};

class WaterMap : public NormalMap {
public:
    using NormalMap::NormalMap;
    void OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 userData) override;
};

class SpecularMap : public irr::video::IShaderConstantSetCallBack {
public:
    explicit SpecularMap(irr::IrrlichtDevice* device) : device(device) {}
    void OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 userData) override;

protected:
    irr::IrrlichtDevice* device;
};

// Sends exactly what SpecularMap sends; the plastic program reads it differently.
class PlasticMap : public SpecularMap {
public:
    using SpecularMap::SpecularMap;
};

// Builds the seven materials from ../Contents/Shaders/ when shaders are on; once, at start-up.
void createShaderMaterials();
// One material from a program file holding both stages; the engine's id, or -1
// (with one log line) when the file is missing, malformed or does not compile.
int32_t addShaderMaterial(const std::string& file, irr::video::IShaderConstantSetCallBack* callback,
                          irr::video::E_MATERIAL_TYPE baseMaterial);
// Whether the shader materials exist and are in use (shaders on, supported and compiled).
bool shaderMaterialsActive();

irr::video::E_MATERIAL_TYPE normalMaterial();
irr::video::E_MATERIAL_TYPE bumpMaterial();
irr::video::E_MATERIAL_TYPE specularMaterial();
irr::video::E_MATERIAL_TYPE specularReflectionMaterial();
irr::video::E_MATERIAL_TYPE plasticMaterial();
irr::video::E_MATERIAL_TYPE waterHMaterial();
irr::video::E_MATERIAL_TYPE waterVMaterial();

// Gives every material of the node this type.
void setMaterialType(irr::scene::ISceneNode* node, irr::video::E_MATERIAL_TYPE type);
