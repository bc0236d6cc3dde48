// Builds a hole from its definition, in the same straight-line order for all
// nineteen: the colliding surfaces' meshes and collision trees first (the trees
// finish on the physics worker meanwhile), then camera, water plane, sky, terrain,
// scenery, water, bricks, pipes, grass, cup, blade, flagpole, flag, light, balls and
// putter, HUD, titles, fly-over, computer routes, materials; it returns once the
// trees are complete. Each hole file calls it with its own data.
#pragma once

#include "course/holes/hole_definition.h"

void buildHole(const HoleDefinition& definition);

// The builders of the holes that exist, by hole id (-1 practice, 1..18); null where none.
using HoleBuilder = void (*)();
HoleBuilder holeBuilder(int32_t hole);

// One builder per hole file.
void buildPracticeHole();
void buildHole1();
void buildHole2();
void buildHole3();
void buildHole4();
void buildHole5();
void buildHole6();
void buildHole7();
void buildHole8();
void buildHole9();
void buildHole10();
void buildHole11();
void buildHole12();
void buildHole13();
void buildHole14();
void buildHole15();
void buildHole16();
void buildHole17();
void buildHole18();
