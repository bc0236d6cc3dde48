// The computer opponents of player seats 2, 3 and 4.
#pragma once

void createComputerOpponents();
void resetComputerOpponents();
