#include "presentation/shaders.h"

// Until the programs exist every node keeps its fixed-function material.
void createShaderMaterials() {}
bool shaderMaterialsActive() { return false; }

irr::video::E_MATERIAL_TYPE normalMaterial() { return irr::video::EMT_SOLID; }
irr::video::E_MATERIAL_TYPE bumpMaterial() { return irr::video::EMT_SOLID; }
irr::video::E_MATERIAL_TYPE specularMaterial() { return irr::video::EMT_REFLECTION_2_LAYER; }
irr::video::E_MATERIAL_TYPE specularReflectionMaterial() { return irr::video::EMT_REFLECTION_2_LAYER; }
irr::video::E_MATERIAL_TYPE plasticMaterial() { return irr::video::EMT_SOLID; }
irr::video::E_MATERIAL_TYPE waterHMaterial() { return irr::video::EMT_TRANSPARENT_ADD_COLOR; }
irr::video::E_MATERIAL_TYPE waterVMaterial() { return irr::video::EMT_TRANSPARENT_ADD_COLOR; }

void setMaterialType(irr::scene::ISceneNode* node, irr::video::E_MATERIAL_TYPE type)
{
    if (node) node->setMaterialType(type);
}
