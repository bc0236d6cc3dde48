// Starting a match, building holes one after another, and the way back to the menu.
#pragma once

void showLoadingImage();
void startMatch();
void loadHole();
void dispatchHole();
void changeHole();
void endFlyOver();
