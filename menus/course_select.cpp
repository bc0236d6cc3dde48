// The course select: which holes the match covers (1-9, 10-18 or all 18),
// beside a slideshow of the course's pictures.
#include <cstdlib>
#include <string>

#include "app/game_state.h"
#include "menus/menu_common.h"
#include "menus/screens.h"
#include "presentation/textures.h"

namespace {

constexpr int kPictureCount = 8;
constexpr uint32_t kFadeInMs = 2000;
constexpr uint32_t kHoldMs = 3000;
constexpr uint32_t kFadeOutMs = 2500;  // about 2 s of fading, then half a second unseen
constexpr uint32_t kMsPerLevel = 8;    // one step of 255 every 8 ms

enum SlidePhase : int32_t { kFadingIn = 0, kHolding = 1, kFadingOut = 2 };

struct RangeStep { int32_t choice; const char* picture; int32_t forward; int32_t backward; };
constexpr RangeStep kRanges[] = {
    {kFrontNine, "1-9.png", kBackNine, kAllEighteen},
    {kBackNine, "9-18.png", kAllEighteen, kFrontNine},
    {kAllEighteen, "1-18.png", kFrontNine, kBackNine},
};

const RangeStep& rangeStep(int32_t choice)
{
    for (const RangeStep& step : kRanges)
        if (step.choice == choice) return step;
    return kRanges[2];
}

std::string slidePicture(int32_t index) { return "picture" + std::to_string(index + 1) + ".jpg"; }

irr::video::SColor grey(int32_t level) { return irr::video::SColor(level, level, level, level); }

void resetFadeTimer()
{
    game.menu.fadeTimerStart = game.menu.fadeTimerNow = 0;
}

void runSlideshow()
{
    MenuState& menu = game.menu;
    CourseSelectElements& screen = menu.courseSelect;
    const uint32_t now = game.engine.device->getTimer()->getTime();
    if (menu.fadeTimerNow == 0) menu.fadeTimerStart = now;
    menu.fadeTimerNow = now;
    const uint32_t elapsed = menu.fadeTimerNow - menu.fadeTimerStart;
    const int32_t k = int32_t(elapsed / kMsPerLevel);
    irr::gui::IGUIImage* picture = screen.picture;
    if (picture) {
        if (menu.fadePhase == kFadingIn) picture->setColor(k > 255 ? grey(255) : grey(k % 256));
        if (menu.fadePhase == kHolding) picture->setColor(grey(255));
        if (menu.fadePhase == kFadingOut) picture->setColor(255 - k < 0 ? grey(0) : grey(255 - k));
    }
    if (menu.fadePhase == kFadingIn && elapsed > kFadeInMs) {
        menu.fadePhase = kHolding;
        resetFadeTimer();
    } else if (menu.fadePhase == kHolding && elapsed > kHoldMs) {
        menu.fadePhase = kFadingOut;
        resetFadeTimer();
    } else if (menu.fadePhase == kFadingOut && elapsed > kFadeOutMs) {
        menu.fadePhase = kFadingIn;
        resetFadeTimer();
        screen.pictureIndex = (screen.pictureIndex + 1) % kPictureCount;
        setPicture(picture, slidePicture(screen.pictureIndex));
    }
}

// An arrow steps the hole range; true when it fired (which ends the frame's handling).
bool updateRangeArrow(MenuButton& arrow, const MyEventReceiver& input, bool forward)
{
    if (!updateLatchedButton(arrow, input, Sound::click)) return false;
    MatchState& match = game.match;
    const RangeStep& step = rangeStep(match.courseChoice);
    match.courseChoice = forward ? step.forward : step.backward;
    setPicture(game.menu.courseSelect.holeRange, rangeStep(match.courseChoice).picture);
    return true;
}

}  // namespace

void buildCourseSelect()
{
    CourseSelectElements& s = game.menu.courseSelect;
    s.background = addMenuBackground();
    s.overlay = addMenuOverlay();
    s.panel = addCentred("optionback.png", -380, -270);
    s.title = addCentred("courseseltext.png", -187, -295);
    s.frame = addCentred("picturebox.png", 20, -170);
    s.pictureIndex = std::rand() % kPictureCount;
    s.picture = addCentred(slidePicture(s.pictureIndex), 32, -158);
    s.courseName = addCentred("coursenametxt.png", -325, -200);
    s.emblem = addCentred("buck.png", -335, -140);
    s.holesLabel = addCentred("holesnumtxt.png", -285, 50);
    s.holeRange = addCentred(rangeStep(game.match.courseChoice).picture, -265, 125);
    s.rightArrow.image = addCentred(s.rightArrow.normal, -150, 130);
    s.leftArrow.image = addCentred(s.leftArrow.normal, -325, 130);
    s.back.image = addCentred(s.back.normal, 40, 200);
    s.next.image = addCentred(s.next.normal, 215, 200);
}

void handleCourseSelect(MyEventReceiver input)
{
    if (!game.screen.courseSelectActive) return;
    runSlideshow();
    MenuState& menu = game.menu;
    CourseSelectElements& s = menu.courseSelect;
    if (input.lastMouseEvent != irr::EMIE_LMOUSE_PRESSED_DOWN && menu.clickLatch) menu.clickLatch = 0;
    menu.handCursorRequested = 0;
    if (updateRangeArrow(s.rightArrow, input, true)) return;
    if (updateRangeArrow(s.leftArrow, input, false)) return;
    if (updateLatchedButton(s.back, input)) {
        game.screen.courseSelectActive = 0;
        game.match.courseChoice = kAllEighteen;
        clearMenuGui();
        createCursorImage(0, 0);
        game.screen.mainMenuActive = 1;
        buildMainMenu();
        menu.clickLatch = 1;
        return;
    }
    if (updateLatchedButton(s.next, input)) {
        game.screen.courseSelectActive = 0;
        clearMenuGui();
        createCursorImage(0, 0);
        game.screen.playerSetupActive = 1;
        buildPlayerSetup();
        menu.clickLatch = 1;
        return;
    }
    menu.handCursorRequested = s.rightArrow.hovered || s.leftArrow.hovered || s.back.hovered || s.next.hovered;
}
