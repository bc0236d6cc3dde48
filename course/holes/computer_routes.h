// The computer opponents' routes and trigger zones of holes 1 to 18, as data.
#pragma once

#include <cstdint>

// Installs, for each computer seat with a difficulty, one variant of the hole's
// first route (drawn at random for easy and medium) and the hole's zones. The
// builder seeds the random generator just before.
void setupComputerRoutes(int32_t hole);
