// Scene nodes of the current hole that play refers to; the scene manager owns them.
#pragma once

#include <irrlicht.h>

struct HoleScene {
    irr::scene::ICameraSceneNode* camera = nullptr;
    irr::scene::ISceneNode* waterPlane = nullptr;  // its height is the hole's water level
    irr::scene::IAnimatedMeshSceneNode* putterHandle = nullptr;
    irr::scene::IAnimatedMeshSceneNode* putterShaft = nullptr;
    irr::scene::IAnimatedMeshSceneNode* flagpole = nullptr;
    irr::scene::IAnimatedMeshSceneNode* flag = nullptr;
    irr::scene::IParticleSystemSceneNode* waterSplash = nullptr;
    irr::scene::ILightSceneNode* light = nullptr;
    irr::video::ITexture* terrainTexture = nullptr;
};
