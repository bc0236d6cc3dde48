// The one global record of the program. Every screen, hole builder and in-play
// routine reads and writes it directly; it is split by lifetime, and each part
// says when it is reset.
#pragma once

#include <cstdint>

#include <irrlicht.h>

#include "app/input_receiver.h"
#include "course/course_bodies.h"
#include "course/newton.h"
#include "play/match_state.h"
#include "course/hole_scene.h"
#include "menus/menu_elements.h"
#include "play/turn_state.h"
#include "presentation/hud_elements.h"
#include "presentation/shaders.h"
#include "presentation/sound_bank.h"

// Settings from ../UserData/options.golf; read once at start-up, written by the options menu.
struct OptionsRecord {
    int32_t screenWidth = 800;
    int32_t screenHeight = 600;
    uint8_t fullscreen = 0;
    uint8_t shadersEnabled = 1;
    uint8_t highTextureQuality = 0;
    uint8_t highGraphicsQuality = 0;
    uint8_t soundEnabled = 1;
    uint8_t musicEnabled = 1;
};

// Screen and phase flags: each screen runs while its flag is set. Lives for the whole run.
struct ScreenFlags {
    uint8_t splashActive = 1;
    uint8_t mainMenuActive = 0;
    uint8_t courseSelectActive = 0;
    uint8_t playerSetupActive = 0;
    uint8_t optionsActive = 0;
    uint8_t creditsActive = 0;
    uint8_t quitDialogActive = 0;
    uint8_t tutorialActive = 0;
    uint8_t startRequested = 0;
    uint8_t tutorialStartRequested = 0;
    uint8_t holeLoadPending = 0;
    uint8_t holeActive = 0;
    uint8_t introDone = 0;
    uint8_t holeChangeActive = 0;
    uint8_t flyOverEnding = 0;
};

// Camera fields; reset at every hole change.
struct CameraState {
    double camHeight = 7.0;
    double camDist = 15.0;
    double aimAngle = 0.0;
    uint8_t topCamera = 0;
    uint8_t topCameraKeyHeld = 0;
    double holeStartFps = 40.0;
    int32_t flyAxis = 0;        // 0 x, 1 y, 2 z
    int32_t flyDirection = 0;   // 0 growing, 1 shrinking
    int32_t flySegment = 0;     // segments left; 0 when the fly-over is over
    double flyTarget[3] = {};
    double flyPosition[3] = {};
    double flyEnd[3] = {};
    const struct FlySegment* flyPath = nullptr;  // the hole's three segments
};

// Non-owning engine handles; the engine owns what they point to.
struct EngineHandles {
    irr::IrrlichtDevice* device = nullptr;
    irr::video::IVideoDriver* driver = nullptr;
    irr::scene::ISceneManager* sceneManager = nullptr;
    irr::gui::IGUIEnvironment* gui = nullptr;
    irr::io::IFileSystem* fileSystem = nullptr;
    irr::gui::IGUIInOutFader* screenFader = nullptr;
    irr::gui::IGUIImage* cursorImage = nullptr;
    irr::gui::IGUIImage* splashImage = nullptr;
    irr::gui::IGUIImage* loadingImage = nullptr;
};

// Shared by the menu screens: the click latch, the hand cursor and the splash/slideshow timer.
struct MenuState {
    uint8_t clickLatch = 0;
    uint8_t handCursorRequested = 0;
    int32_t fadePhase = 0;
    uint32_t fadeTimerStart = 0;
    uint32_t fadeTimerNow = 0;
    MainMenuElements mainMenu;
    CourseSelectElements courseSelect;
    OptionsMenuElements optionsMenu;
    PlayerSetupElements playerSetup;
    TutorialElements tutorialPages;
    CreditsElements credits;
    QuitDialogElements quitDialog;
};

// Tutorial page state (how-to-play over the practice hole).
struct TutorialState {
    int32_t tutorialStep = 0;
    uint8_t tutorialHold = 0;
};

struct GameState {
    OptionsRecord options;
    ScreenFlags screen;
    MatchState match;
    CameraState camera;
    TutorialState tutorial;
    MenuState menu;
    EngineHandles engine;
    NewtonWorld* world = nullptr;
    CourseBodies bodies;          // the hole's bodies and their nodes; void after unload
    MaterialGroups groups;        // created anew by every hole build
    ContactFlags contacts;        // raised by the contact handlers
    uint32_t lastStepTimeMs = 0;  // engine time of the last physics step; never reset
    MyEventReceiver* receiver = nullptr;  // owned by the entry point
    TurnState turn;
    OutcomeState outcome;
    HoleScene scene;
    HudElements hud;
    int32_t lastFrameRate = -1;           // the caption is set whenever the frame rate changes
    uint8_t audioAvailable = 0;           // 0: no audio device; every sound call is a no-op
    SoundBank sounds;                     // loaded at start-up, kept for the whole run
    ShaderMaterialIds shaderMaterials;    // created at start-up, kept for the whole run
};

extern GameState game;
