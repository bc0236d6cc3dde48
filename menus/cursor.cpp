// The software cursor: the system cursor is hidden and an image follows the
// mouse, a hand over anything clickable.
#include "app/game_state.h"
#include "app/replay.h"
#include "menus/screens.h"
#include "presentation/textures.h"

namespace {

// The hole loader hides the cursor image for play; it shows on every menu, and in
// play while a button waits for the mouse (the quit dialog, a tutorial page's next).
bool cursorShown()
{
    const ScreenFlags& s = game.screen;
    if (!s.holeActive && !s.holeLoadPending) return true;
    const bool playing = s.introDone && !game.outcome.holeEndFading && !game.outcome.holeEndFaded;
    return playing && (s.quitDialogActive || tutorialWaitsForNext());
}

}  // namespace

void updateCursor()
{
    game.engine.device->getCursorControl()->setVisible(false);
    irr::gui::IGUIImage* cursor = game.engine.cursorImage;
    if (!cursor) return;
    const irr::core::position2di at = mousePosition();
    const irr::core::recti r = cursor->getRelativePosition();
    cursor->setRelativePosition(irr::core::recti(at.X, at.Y, at.X + r.getWidth(), at.Y + r.getHeight()));
    const bool hand = game.menu.handCursorRequested || playerSetupWantsHand();
    setPicture(cursor, hand ? "cursorHand.png" : "cursor.png");
    cursor->setVisible(cursorShown());
    if (cursor->getParent()) cursor->getParent()->bringToFront(cursor);
}
