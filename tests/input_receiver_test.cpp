// The input receiver: key table, last mouse event, and what it passes on.
#include <gtest/gtest.h>

#include <cstring>

#include <irrlicht.h>

#include "app/input_receiver.h"

namespace {

irr::SEvent keyEvent(int code, bool down)
{
    irr::SEvent event{};
    event.EventType = irr::EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = static_cast<irr::EKEY_CODE>(code);
    event.KeyInput.PressedDown = down;
    return event;
}

irr::SEvent mouseEvent(irr::EMOUSE_INPUT_EVENT type)
{
    irr::SEvent event{};
    event.EventType = irr::EET_MOUSE_INPUT_EVENT;
    event.MouseInput.Event = type;
    return event;
}

}  // namespace

TEST(InputReceiver, StartsWithEveryKeyUpAndNoMouseEvent)
{
    MyEventReceiver receiver;
    EXPECT_EQ(sizeof receiver.keyIsDown, size_t(255));
    for (bool down : receiver.keyIsDown) EXPECT_FALSE(down);
    EXPECT_EQ(receiver.lastMouseEvent, irr::EMIE_COUNT);
    EXPECT_FALSE(receiver.mouseEventIs(irr::EMIE_LMOUSE_PRESSED_DOWN));
}

TEST(InputReceiver, KeysFollowDownAndUpAndCodesOutsideTheTableAreIgnored)
{
    MyEventReceiver receiver;
    EXPECT_FALSE(receiver.OnEvent(keyEvent(irr::KEY_SPACE, true)));
    EXPECT_TRUE(receiver.isKeyDown(irr::KEY_SPACE));
    EXPECT_TRUE(receiver.keyIsDown[32]);
    receiver.OnEvent(keyEvent(254, true));
    EXPECT_TRUE(receiver.keyIsDown[254]);
    const MyEventReceiver before = receiver;
    for (int code : {255, 256, 1000, -1}) EXPECT_FALSE(receiver.OnEvent(keyEvent(code, true)));
    EXPECT_EQ(0, std::memcmp(before.keyIsDown, receiver.keyIsDown, sizeof receiver.keyIsDown));
    EXPECT_FALSE(receiver.isKeyDown(static_cast<irr::EKEY_CODE>(300)));
    receiver.OnEvent(keyEvent(irr::KEY_SPACE, false));
    EXPECT_FALSE(receiver.isKeyDown(irr::KEY_SPACE));
}

TEST(InputReceiver, MovingAfterAPressReplacesThePress)
{
    MyEventReceiver receiver;
    EXPECT_FALSE(receiver.OnEvent(mouseEvent(irr::EMIE_LMOUSE_PRESSED_DOWN)));
    EXPECT_TRUE(receiver.mouseEventIs(irr::EMIE_LMOUSE_PRESSED_DOWN));
    EXPECT_TRUE(receiver.mouseEventIsToo(irr::EMIE_LMOUSE_PRESSED_DOWN));
    receiver.OnEvent(mouseEvent(irr::EMIE_MOUSE_MOVED));
    EXPECT_FALSE(receiver.mouseEventIs(irr::EMIE_LMOUSE_PRESSED_DOWN));
    EXPECT_EQ(receiver.lastMouseEvent, irr::EMIE_MOUSE_MOVED);
}

TEST(InputReceiver, CopiesAreIndependentSnapshots)
{
    MyEventReceiver receiver;
    receiver.OnEvent(keyEvent(irr::KEY_LEFT, true));
    MyEventReceiver copy = receiver;
    receiver.OnEvent(keyEvent(irr::KEY_LEFT, false));
    receiver.OnEvent(mouseEvent(irr::EMIE_MOUSE_WHEEL));
    EXPECT_TRUE(copy.isKeyDown(irr::KEY_LEFT));
    EXPECT_EQ(copy.lastMouseEvent, irr::EMIE_COUNT);
}

TEST(InputReceiver, OnlyAClickOnGuiButtonTenIsConsumed)
{
    irr::IrrlichtDevice* device = irr::createDevice(irr::video::EDT_NULL);
    ASSERT_NE(device, nullptr);
    irr::gui::IGUIEnvironment* gui = device->getGUIEnvironment();
    irr::gui::IGUIElement* ten = gui->addButton(irr::core::recti(0, 0, 10, 10), nullptr, 10);
    irr::gui::IGUIElement* eleven = gui->addButton(irr::core::recti(0, 0, 10, 10), nullptr, 11);
    MyEventReceiver receiver;
    auto guiEvent = [](irr::gui::IGUIElement* caller, irr::gui::EGUI_EVENT_TYPE type) {
        irr::SEvent event{};
        event.EventType = irr::EET_GUI_EVENT;
        event.GUIEvent.Caller = caller;
        event.GUIEvent.EventType = type;
        return event;
    };
    EXPECT_TRUE(receiver.OnEvent(guiEvent(ten, irr::gui::EGET_BUTTON_CLICKED)));
    EXPECT_FALSE(receiver.OnEvent(guiEvent(eleven, irr::gui::EGET_BUTTON_CLICKED)));
    EXPECT_FALSE(receiver.OnEvent(guiEvent(ten, irr::gui::EGET_ELEMENT_HOVERED)));
    irr::SEvent user{};
    user.EventType = irr::EET_USER_EVENT;
    EXPECT_FALSE(receiver.OnEvent(user));
    device->drop();
}

TEST(InputReceiver, ReleasingAllKeysClearsTheTable)
{
    MyEventReceiver receiver;
    receiver.OnEvent(keyEvent(irr::KEY_SPACE, true));
    receiver.OnEvent(keyEvent(irr::KEY_UP, true));
    receiver.releaseAllKeys();
    for (bool down : receiver.keyIsDown) EXPECT_FALSE(down);
}
