// The hole's physics bodies with the scene nodes that show them, the material
// groups they are sorted into, and the contact flags the contact handlers raise.
#pragma once

#include <cstdint>

#include <irrlicht.h>

#include "course/newton.h"
#include "play/match_state.h"

// A body and the node synchronised onto it (null where nothing is shown).
struct BodyNode {
    NewtonBody* body = nullptr;
    irr::scene::ISceneNode* node = nullptr;
};

// Created by each hole builder; void once the hole is unloaded (all bodies are destroyed).
struct CourseBodies {
    BodyNode ground;      // the sand around the course; never synchronised
    BodyNode bricks;
    BodyNode grass;
    BodyNode cup;
    BodyNode flagpole;
    BodyNode pipes;       // holes 4, 5, 6, 7, 8, 13, 18; never synchronised
    BodyNode slickPipes;  // holes 6, 7, 8; never synchronised
    BodyNode blade;       // holes 5, 8, 18
    BodyNode pivot;       // holes 5, 8, 18
    BodyNode ball[kMaxPlayers + 1];  // balls 1..4; only the first playerCount exist
};

// Material group ids, created anew (eleven of them, in this order) on every hole build.
// The moving part has no group of its own: the blade is in the world's group 0.
struct MaterialGroups {
    int32_t ballGroup[kMaxPlayers + 1] = {};  // ballGroup[1] .. ballGroup[4]
    int32_t groundGroup = 0;
    int32_t grassGroup = 0;
    int32_t bricksGroup = 0;
    int32_t cupGroup = 0;
    int32_t flagpoleGroup = 0;
    int32_t pipesGroup = 0;
    int32_t slickPipesGroup = 0;
};

// Flags raised by the contact handlers inside the physics step (bytes, 1 = set).
// The hard/soft latches live for the whole run; per-ball arrays are indexed 1..4.
struct ContactFlags {
    uint8_t sandHardLatch = 0;
    uint8_t sandSoftLatch = 0;
    uint8_t grassHardLatch = 0;
    uint8_t grassSoftLatch = 0;
    uint8_t pipesHardLatch = 0;   // also cleared at each turn start
    uint8_t pipesSoftLatch = 0;
    uint8_t flagSoundLatch[kMaxPlayers + 1] = {};  // cleared at each turn start and hole start
    uint8_t metalLatch[kMaxPlayers + 1] = {};      // cleared at each turn start
    uint8_t inCup[kMaxPlayers + 1] = {};
    uint8_t brakeFlag[kMaxPlayers + 1] = {};       // cleared at each turn start
    uint8_t grassContact = 0;
    uint8_t groundContact = 0;
};

// Holes whose pipes are in the pipes group (on 7 and 18 they stay in group 0).
inline bool holeHasPipesGroup(int32_t hole)
{
    return hole == 4 || hole == 5 || hole == 6 || hole == 8 || hole == 13;
}
// Holes with a turning blade on a pivot.
inline bool holeHasBlade(int32_t hole) { return hole == 5 || hole == 8 || hole == 18; }
inline bool holeHasSlickPipes(int32_t hole) { return hole == 6 || hole == 7 || hole == 8; }
