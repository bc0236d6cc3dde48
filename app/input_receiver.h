// Records keyboard and mouse state for the per-frame handlers to poll.
#pragma once

#include <cstdint>

#include <irrlicht.h>

constexpr int kKeyCount = 255;  // one flag per engine key code 0..254

class MyEventReceiver : public irr::IEventReceiver {
public:
    MyEventReceiver();
    ~MyEventReceiver() override = default;
    MyEventReceiver(const MyEventReceiver&) = default;
    MyEventReceiver& operator=(const MyEventReceiver&) = default;

    bool OnEvent(const irr::SEvent& event) override;
    virtual bool isKeyDown(irr::EKEY_CODE key) const;
    virtual bool mouseEventIs(irr::EMOUSE_INPUT_EVENT type) const;
    virtual bool mouseEventIsToo(irr::EMOUSE_INPUT_EVENT type) const;

    // Releases every key, as when the window loses focus.
    void releaseAllKeys();

    bool keyIsDown[kKeyCount];
    int32_t lastMouseEvent;
};
