#include "menus/screens.h"

void handleQuitDialog(MyEventReceiver) {}
