// The software cursor: the system cursor is hidden and an image follows the
// mouse, a hand over anything clickable.
#include "app/game_state.h"
#include "app/replay.h"
#include "menus/screens.h"
#include "presentation/textures.h"

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
    if (cursor->getParent()) cursor->getParent()->bringToFront(cursor);
}
