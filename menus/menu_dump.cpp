#include "menus/menu_dump.h"

#include "app/game_state.h"
#include "app/replay.h"
#include "app/state_dump.h"

namespace {

// Depth first in child order: the order the GUI environment draws in.
void listImages(irr::gui::IGUIElement* element, std::string& out)
{
    for (irr::gui::IGUIElement* child : element->getChildren()) {
        if (!child->isVisible()) continue;
        if (child->getType() == irr::gui::EGUIET_IMAGE) {
            auto* image = static_cast<irr::gui::IGUIImage*>(child);
            const irr::core::recti r = child->getAbsolutePosition();
            if (out.size() > 1) out += ',';
            out += "{\"tex\":" + encodeString(textureFileName(image->getImage())) +
                   ",\"x\":" + encodeNumber(r.UpperLeftCorner.X) + ",\"y\":" + encodeNumber(r.UpperLeftCorner.Y) + "}";
        }
        listImages(child, out);
    }
}

// Per-row flags as arrays for rows 1..4 (row 1 is always open and never hovered).
std::vector<double> rows(const uint8_t (&values)[5])
{
    return {double(values[1]), double(values[2]), double(values[3]), double(values[4])};
}

}  // namespace

void dumpFrontEnd(StateDump& dump)
{
    const MenuState& menu = game.menu;
    dump.number("clickLatch", menu.clickLatch);
    dump.number("handCursorRequested", menu.handCursorRequested);
    dump.number("fadePhase", menu.fadePhase);
    dump.number("pictureIndex", menu.courseSelect.pictureIndex);
    const MainMenuElements& m = menu.mainMenu;
    dump.number("playHovered", m.play.hovered);
    dump.number("optionsHovered", m.options.hovered);
    dump.number("howToPlayHovered", m.howToPlay.hovered);
    dump.number("creditsHovered", m.credits.hovered);
    dump.number("quitHovered", m.quit.hovered);
    const PlayerSetupElements& setup = menu.playerSetup;
    dump.numbers("rowOpen", rows(setup.rowOpen));
    dump.numbers("rowHovered", rows(setup.rowHovered));
    dump.number("colourIconHovered", setup.colourIconHovered);
    dump.number("yesHovered", menu.quitDialog.yes.hovered);
    dump.number("noHovered", menu.quitDialog.no.hovered);
    std::string images = "[";
    if (game.engine.gui) listImages(game.engine.gui->getRootGUIElement(), images);
    dump.raw("gui", images + "]");
}
