// The computer opponents' routes and trigger zones of holes 1 to 18, as data.
#pragma once

#include <cstdint>

// Installs, for each computer seat with a difficulty, one variant of the hole's
// first route (drawn at random for easy and medium) and the hole's zones. The
// builder seeds the random generator just before.
void setupComputerRoutes(int32_t hole);

// For tuning: from now on every hole's first line from tee spot teeX (hard plays it; easy and
// medium draw from it) is (x, z). Hole 1 keeps its own routes.
void overrideComputerLine(float teeX, float x, float z);
