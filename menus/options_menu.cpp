#include "menus/screens.h"

void handleOptionsMenu(MyEventReceiver) {}
