#include "app/input_receiver.h"

#include <cstring>
#include <iostream>

#include "app/replay.h"

using irr::SEvent;

constexpr int32_t kGameButtonId = 10;

MyEventReceiver::MyEventReceiver() : lastMouseEvent(irr::EMIE_COUNT)
{
    std::memset(keyIsDown, 0, sizeof keyIsDown);
}

bool MyEventReceiver::OnEvent(const SEvent& event)
{
    switch (event.EventType) {
    case irr::EET_KEY_INPUT_EVENT:
    case irr::EET_MOUSE_INPUT_EVENT:
        if (!replayAcceptsInput(event)) return true;  // scripted runs ignore the real window
        recordInputEvent(event);
        if (event.EventType == irr::EET_MOUSE_INPUT_EVENT) {
            lastMouseEvent = event.MouseInput.Event;
            return false;
        }
        {
            // Key codes outside the table are ignored rather than written past it. The code is read
            // as a plain integer: one outside the enumeration's range is no valid EKEY_CODE to load.
            int32_t code = 0;
            static_assert(sizeof code == sizeof event.KeyInput.Key);
            std::memcpy(&code, &event.KeyInput.Key, sizeof code);
            if (code >= 0 && code < kKeyCount) keyIsDown[code] = event.KeyInput.PressedDown;
        }
        return false;
    case irr::EET_GUI_EVENT:
        return event.GUIEvent.EventType == irr::gui::EGET_BUTTON_CLICKED &&
               event.GUIEvent.Caller && event.GUIEvent.Caller->getID() == kGameButtonId;
    case irr::EET_LOG_TEXT_EVENT:
        // Engine messages go to stderr: stdout carries only the game's own start-up log.
        std::cerr << event.LogEvent.Text << '\n';
        return true;
    default:
        return false;
    }
}

bool MyEventReceiver::isKeyDown(irr::EKEY_CODE key) const
{
    return key >= 0 && key < kKeyCount && keyIsDown[key];
}

bool MyEventReceiver::mouseEventIs(irr::EMOUSE_INPUT_EVENT type) const
{
    return lastMouseEvent == type;
}

bool MyEventReceiver::mouseEventIsToo(irr::EMOUSE_INPUT_EVENT type) const
{
    return lastMouseEvent == type;
}

void MyEventReceiver::releaseAllKeys()
{
    std::memset(keyIsDown, 0, sizeof keyIsDown);
}
