// The options menu: seven rows of label, arrows and value, written to
// ../UserData/options.golf on the way back. Changes apply at the next start.
#include "app/game_state.h"
#include "app/options_file.h"
#include "menus/menu_common.h"
#include "menus/screens.h"
#include "presentation/textures.h"

namespace {

// The resolution entries in arrow order. While the menu is open the choice is
// held in screenWidth; 768 stands for 1280 x 720 (code 3).
struct ResolutionEntry { int32_t width; const char* picture; char code; };
constexpr ResolutionEntry kResolutions[] = {
    {800, "800.png", '0'}, {1024, "1024.png", '1'}, {1152, "1152.png", '2'},
    {768, "768.png", '3'}, {1280, "1280.png", '4'}};
constexpr int kResolutionCount = sizeof kResolutions / sizeof kResolutions[0];

// One row of the menu; the resolution row has no flag.
struct OptionRow {
    const char* label;
    int y;       // from H/2
    int valueX;  // from W/2
    uint8_t OptionsRecord::*flag;
    const char* off;
    const char* on;
};
constexpr OptionRow kRows[kOptionRows] = {
    {"screenResolution.png", -190, 125, nullptr, "", ""},
    {"windowFull.png", -131, 125, &OptionsRecord::fullscreen, "window.png", "fullscreen.png"},
    {"shader.png", -74, 180, &OptionsRecord::shadersEnabled, "off.png", "on.png"},
    {"textureQuality.png", -17, 175, &OptionsRecord::highTextureQuality, "low.png", "high.png"},
    {"graphics.png", 40, 175, &OptionsRecord::highGraphicsQuality, "low.png", "high.png"},
    {"sound.png", 93, 180, &OptionsRecord::soundEnabled, "off.png", "on.png"},
    {"music.png", 154, 180, &OptionsRecord::musicEnabled, "off.png", "on.png"},
};
constexpr int kLabelX = -350, kRightArrowX = 330, kLeftArrowX = 70;

// -1 when the width is none of the entries.
int resolutionIndex(int32_t width)
{
    for (int i = 0; i < kResolutionCount; ++i)
        if (kResolutions[i].width == width) return i;
    return -1;
}

const char* valuePicture(int row)
{
    const OptionsRecord& options = game.options;
    if (!kRows[row].flag) {
        const int i = resolutionIndex(options.screenWidth);
        return kResolutions[i < 0 ? 0 : i].picture;
    }
    return options.*kRows[row].flag == 1 ? kRows[row].on : kRows[row].off;
}

void stepResolution(bool forward)
{
    const int i = resolutionIndex(game.options.screenWidth);
    int next;
    if (forward) next = i < 0 ? 0 : (i + 1) % kResolutionCount;
    else next = i < 0 ? kResolutionCount - 1 : (i + kResolutionCount - 1) % kResolutionCount;
    game.options.screenWidth = kResolutions[next].width;
}

void changeSetting(int row, bool forward)
{
    if (!kRows[row].flag) {
        stepResolution(forward);
    } else {
        uint8_t& flag = game.options.*kRows[row].flag;
        flag = flag == 0 ? 1 : 0;
    }
    setPicture(game.menu.optionsMenu.rows[row].value, valuePicture(row));
}

// Writes the file, takes the real screen size back and returns to the main menu.
void leaveOptions()
{
    OptionsRecord& options = game.options;
    const int i = resolutionIndex(options.screenWidth);
    const char code = i < 0 ? codeForResolution(options.screenWidth, options.screenHeight) : kResolutions[i].code;
    writeOptionsFile(game.engine.fileSystem, code, options);
    const irr::core::dimension2du size = game.engine.driver->getScreenSize();
    options.screenWidth = int32_t(size.Width);
    options.screenHeight = int32_t(size.Height);
    clearMenuGui();
    game.screen.optionsActive = 0;
    game.screen.mainMenuActive = 1;
    buildMainMenu();
    createCursorImage(4, 4);
    game.menu.clickLatch = 1;
}

}  // namespace

void buildOptionsMenu()
{
    OptionsMenuElements& m = game.menu.optionsMenu;
    m.overlay = addMenuOverlay();
    m.panel = addCentred("optionback.png", -380, -270);
    m.title = addCentred("optionstext.png", -187, -295);
    m.restartNotice = addCentred("restart.png", -365, 225);
    for (int row = 0; row < kOptionRows; ++row) {
        OptionRowElements& r = m.rows[row];
        const int y = kRows[row].y;
        r.label = addCentred(kRows[row].label, kLabelX, y);
        r.rightArrow.image = addCentred(r.rightArrow.normal, kRightArrowX, y);
        r.leftArrow.image = addCentred(r.leftArrow.normal, kLeftArrowX, y);
        r.value = addCentred(valuePicture(row), kRows[row].valueX, y);
    }
    m.back.image = addCentred(m.back.normal, 240, 220);
}

void handleOptionsMenu(MyEventReceiver input)
{
    if (!game.screen.optionsActive) return;
    OptionsMenuElements& m = game.menu.optionsMenu;
    for (int row = 0; row < kOptionRows; ++row) {
        if (updateLatchedButton(m.rows[row].rightArrow, input, Sound::click)) changeSetting(row, true);
        if (updateLatchedButton(m.rows[row].leftArrow, input, Sound::click)) changeSetting(row, false);
    }
    if (updateLatchedButton(m.back, input)) {
        leaveOptions();
        game.menu.handCursorRequested = 1;  // the mouse is on back
        releaseClickLatch(input);
        return;
    }
    bool hovered = m.back.hovered;
    for (const OptionRowElements& r : m.rows) hovered = hovered || r.rightArrow.hovered || r.leftArrow.hovered;
    game.menu.handCursorRequested = hovered;
    releaseClickLatch(input);
}
