// Builds a hole from its definition, in the same straight-line order for all
// nineteen: camera, water plane, sky, terrain, scenery, water, bricks, pipes,
// grass, cup, blade, flagpole, flag, light, balls and putter, HUD, titles,
// fly-over, computer routes, materials. Each hole file calls it with its own data.
#pragma once

#include "course/holes/hole_definition.h"

void buildHole(const HoleDefinition& definition);

// The builders of the holes that exist, by hole id (-1 practice, 1..18); null where none.
using HoleBuilder = void (*)();
HoleBuilder holeBuilder(int32_t hole);

// One builder per hole file.
void buildPracticeHole();
void buildHole1();
