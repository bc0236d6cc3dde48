#include "menus/screens.h"

void handleHowToPlay(MyEventReceiver) {}
