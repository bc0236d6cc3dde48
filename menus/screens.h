// The front-end screens: each has a per-frame handler that returns at once
// while its screen flag is clear.
#pragma once

#include "app/input_receiver.h"

void createSplashImage();
void updateSplash();
void updateCursor();
void buildMainMenu();
void handleMainMenu(MyEventReceiver input);
void handleCourseSelect(MyEventReceiver input);
void handleOptionsMenu(MyEventReceiver input);
void handleQuitDialog(MyEventReceiver input);
void handleHowToPlay(MyEventReceiver input);
void handleCredits(MyEventReceiver input);
void handlePlayerSetup(MyEventReceiver input);
