// The front-end screens: each has a build function and a per-frame handler
// that returns at once while its screen flag is clear.
#pragma once

#include "app/input_receiver.h"

void createSplashImage();
void updateSplash();
void updateCursor();
void buildMainMenu();
void rebuildMainMenuPanel();  // panel, buttons and logo over the kept background (after the credits)
void handleMainMenu(MyEventReceiver input);
void buildCourseSelect();
void handleCourseSelect(MyEventReceiver input);
void buildOptionsMenu();
void handleOptionsMenu(MyEventReceiver input);
void buildCredits();
void handleQuitDialog(MyEventReceiver input);
void handleHowToPlay(MyEventReceiver input);
void handleCredits(MyEventReceiver input);
void buildPlayerSetup();
void handlePlayerSetup(MyEventReceiver input);
// The player set-up's own hand-cursor flags (its icons and rows).
bool playerSetupWantsHand();
// A how-to-play page is up and waits for its next button.
bool tutorialWaitsForNext();
