#include "menus/screens.h"

// Built with the rest of the front end.
void buildPlayerSetup() {}
void handlePlayerSetup(MyEventReceiver) {}
bool playerSetupWantsHand() { return false; }
