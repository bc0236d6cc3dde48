#include "menus/screens.h"

void buildMainMenu() {}
void handleMainMenu(MyEventReceiver) {}
