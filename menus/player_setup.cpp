#include "menus/screens.h"

void handlePlayerSetup(MyEventReceiver) {}
