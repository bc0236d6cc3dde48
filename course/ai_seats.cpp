#include "course/ai_seats.h"

// The opponents' route-following arrives with the computer players; until
// then the seats exist but hold nothing.
void createComputerOpponents() {}
void resetComputerOpponents() {}
