// The title card shown at start-up: held 3 s, faded out over 2 s while every
// front-end picture is loaded, then the main menu.
#include "app/game_state.h"
#include "menus/screens.h"
#include "presentation/textures.h"

namespace {

constexpr uint32_t kHoldMs = 3000;
constexpr uint32_t kFadeMs = 2000;
constexpr uint32_t kFadeMsPerStep = 8;  // opacity falls by one step of 255 every 8 ms

// Loaded in this order at the end of the splash, so that the menus' hover swaps are cache look-ups.
constexpr const char* kPreload[] = {
    "1-9.png", "1-18.png", "9-18.png", "768.png", "800.png", "1024.png", "1152.png", "1280.png",
    "arrowLeft.png", "arrowLeftHover.png", "arrowLeftPress.png", "arrowRight.png", "arrowRightHover.png",
    "arrowRightPress.png", "back.png", "backpress.png", "buck.png", "computer.png", "computerFade.png",
    "coursenametxt.png", "credits.png", "creditshover.png", "courseseltext.png", "creditsmenu.png", "easytran.png",
    "easy.png", "fullscreen.png", "graphics.png", "high.png", "holesnumtxt.png", "howtoplay.png", "human.png",
    "low.png", "med.png", "medtran.png", "menuback.png", "menuImage.png", "music.png", "next.png", "no.png",
    "off.png", "on.png", "optionback.png", "optionButton.png", "optionstext.png", "playerseltext.png",
    "playerTable.png", "playerTableCallapse.png", "quitb.png", "screenResolution.png", "shader.png", "sound.png",
    "startButton.png", "window.png", "windowFull.png", "yes.png", "music.png", "on.png", "menuBack.png",
    "menuImage.png", "optionBack.png", "coursese1text.png", "picturebox.png", "coursenametxt.png", "buck.png",
    "holesnumtxt.png", "1-18.png", "graphics.png", "colorSelector.png", "collapse.png", "diffSelect.png", "hard.png",
    "hardtran.png", "greenIcon.png", "modeSelector.png", "orangeIcon.png", "playerTable.png", "purpleIcon.png",
    "redIcon.png", "whiteIcon.png", "yellowIcon.png"};
static_assert(sizeof kPreload / sizeof kPreload[0] == 81);

const char* splashPicture(int32_t width)
{
    switch (width) {
    case 800: return "quorvelsmall.jpg";
    case 1024:
    case 1152: return "quorvel.jpg";
    case 1280: return "quorvellarge.jpg";
    default: return nullptr;
    }
}

}  // namespace

void createSplashImage()
{
    const int32_t w = game.options.screenWidth, h = game.options.screenHeight;
    const char* picture = splashPicture(w);
    if (!picture) return;
    irr::gui::IGUIImage* splash = addImage(picture, 0, 0);
    splash->setMinSize({irr::u32(std::max(w, 1)), irr::u32(std::max(h, 1))});
    if (w != 800) splash->setMaxSize({irr::u32(w), irr::u32(h)});
    splash->setScaleImage(true);
    game.engine.splashImage = splash;
}

void updateSplash()
{
    if (!game.screen.splashActive) return;
    MenuState& menu = game.menu;
    const uint32_t now = game.engine.device->getTimer()->getTime();
    if (menu.fadeTimerNow == 0) menu.fadeTimerStart = now;
    menu.fadeTimerNow = now;
    const uint32_t elapsed = menu.fadeTimerNow - menu.fadeTimerStart;
    irr::gui::IGUIImage* splash = game.engine.splashImage;
    if (menu.fadePhase == 1 && splash) {
        const int32_t level = 255 - int32_t(elapsed / kFadeMsPerStep);
        const irr::u32 c = irr::u32(std::max(level, 0));
        splash->setColor(level < 0 ? irr::video::SColor(0, 0, 0, 0) : irr::video::SColor(c, c, c, c));
    }
    if (elapsed > kHoldMs && menu.fadePhase == 0) {
        menu.fadePhase = 1;
        menu.fadeTimerStart = menu.fadeTimerNow = 0;
        return;
    }
    if (elapsed > kFadeMs && menu.fadePhase == 1) {
        game.engine.driver->removeAllTextures();
        for (const char* file : kPreload) picture(file);
        menu.fadePhase = 0;
        menu.fadeTimerStart = menu.fadeTimerNow = 0;
        game.screen.splashActive = 0;
        buildMainMenu();
        game.screen.mainMenuActive = 1;
        if (splash) splash->remove();
        game.engine.splashImage = nullptr;
    }
}
