#include "menus/screens.h"

void handleCredits(MyEventReceiver) {}
