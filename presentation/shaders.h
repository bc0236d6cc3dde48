// Shader materials for scenery, cup, flagpole, putter and water. Each getter
// gives the material type to use: the shader material where it exists, its
// fixed-function base type otherwise (shaders off, unsupported or not compiled).
#pragma once

#include <irrlicht.h>

void createShaderMaterials();
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
