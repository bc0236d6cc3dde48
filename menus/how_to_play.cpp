// The how-to-play pages over the practice hole. Even steps show a page and
// move on at once; odd steps wait for the next button or for play.
#include "app/game_state.h"
#include "menus/menu_common.h"
#include "menus/screens.h"
#include "presentation/textures.h"

namespace {

constexpr int kOutOfReach = 2000;  // a hidden next button is also moved this far right and down
constexpr int kLastStepWithNextPicture = 13;

void hideNextButton(bool moveAway)
{
    MenuImage next = game.menu.tutorialPages.next.image;
    setVisible(next, false);
    if (!moveAway || !next) return;
    const irr::core::recti r = next->getRelativePosition();
    moveImage(next, r.UpperLeftCorner.X + kOutOfReach, r.UpperLeftCorner.Y + kOutOfReach);
}

// The pages that show something; each moves on to the next step at once.
void showPage(int32_t& step)
{
    TutorialElements& t = game.menu.tutorialPages;
    const int h = game.options.screenHeight;
    switch (step) {
    case 0:
        t = TutorialElements{};
        t.page = addCentred("howtoplay1.png", -150, -150);
        t.next.image = addCentred(t.next.normal, 60, 135);
        game.tutorial.tutorialHold = 1;
        break;
    case 2: setPicture(t.page, "howtoplay2.png"); break;
    case 4: setPicture(t.page, "howtoplay3.png"); break;
    case 6:
        removeImage(t.page);
        t.page = addImage("howtoplay4.png", 25, h - 280);
        hideNextButton(true);
        break;
    case 8:
        setPicture(t.page, "howtoplay5.png");
        hideNextButton(false);
        t.next.image = addImage(t.next.normal, 235, h - 160);
        break;
    case 10:
        setPicture(t.page, "howtoplay6.png");
        hideNextButton(true);
        game.tutorial.tutorialHold = 0;
        break;
    case 12: setPicture(t.page, "howtoplay7.png"); break;
    default: return;
    }
    step += 1;
}

void updateNextButton(int32_t& step, const MyEventReceiver& input)
{
    MenuButton& next = game.menu.tutorialPages.next;
    next.hovered = mouseOver(next.image);
    game.menu.handCursorRequested = next.hovered;
    if (step <= kLastStepWithNextPicture) setPicture(next.image, next.hovered ? next.hover : next.normal);
    if (!clicked(next.image, input)) return;
    step += 1;
    playSound(Sound::putt2);
}

// The steps that wait for play.
void waitForPlay(int32_t& step)
{
    TutorialElements& t = game.menu.tutorialPages;
    if ((step == 7 || step == 11) && game.turn.turnPending) {
        step += 1;
    } else if (step == 13 && game.outcome.resultShowing) {
        removeImage(t.page);
        step = 14;
    } else if (step == 14 && game.outcome.scorecardShowing) {
        t.page = addCentred("howtoplay8.png", -150, -100);
        step = 15;
    }
}

}  // namespace

void handleHowToPlay(MyEventReceiver input)
{
    const ScreenFlags& s = game.screen;
    if (!s.tutorialActive || !s.introDone || s.quitDialogActive) return;
    int32_t& step = game.tutorial.tutorialStep;
    showPage(step);
    updateNextButton(step, input);
    waitForPlay(step);
    releaseClickLatch(input);
}

bool tutorialWaitsForNext()
{
    const int32_t step = game.tutorial.tutorialStep;
    return game.screen.tutorialActive && (step == 1 || step == 3 || step == 5 || step == 9);
}
