#include "menus/screens.h"

void createSplashImage() {}
void updateSplash() {}
