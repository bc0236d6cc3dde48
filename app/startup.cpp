#include "app/startup.h"

#include <X11/Xlib.h>

#include <iostream>
#include <vector>

#include "app/game_state.h"
#include "app/options_file.h"
#include "app/replay.h"
#include "course/ai_seats.h"
#include "menus/screens.h"
#include "presentation/audio.h"
#include "presentation/shaders.h"
#include "presentation/sound_bank.h"

using irr::SIrrlichtCreationParameters;

namespace {

constexpr float kWorldMin[3] = {-1200, -100, -1200};
constexpr float kWorldMax[3] = {1200, 700, 1200};
constexpr int kSolverModel = 3;
constexpr int kFrictionModel = 1;

// Engine messages go to stderr so that stdout holds only the game's start-up log;
// the probe device gets this receiver for that alone.
class ProbeLogReceiver : public irr::IEventReceiver {
public:
    bool OnEvent(const irr::SEvent& event) override
    {
        if (event.EventType != irr::EET_LOG_TEXT_EVENT) return false;
        std::cerr << event.LogEvent.Text << '\n';
        return true;
    }
};

SIrrlichtCreationParameters probeParameters()
{
    static ProbeLogReceiver probeLog;
    SIrrlichtCreationParameters p;
    p.DeviceType = irr::EIDT_BEST;
    p.DriverType = irr::video::EDT_NULL;
    p.WindowSize = {800, 600};
    p.Bits = 16;
    p.ZBufferBits = 16;
    p.Fullscreen = false;
    p.Stencilbuffer = false;
    p.Vsync = false;
    p.AntiAlias = 0;
    p.WithAlphaChannel = false;
    p.Doublebuffer = true;
    p.IgnoreInput = false;
    p.Stereobuffer = false;
    p.HighPrecisionFPU = false;
    p.EventReceiver = &probeLog;
    p.WindowId = nullptr;
    p.LoggingLevel = irr::ELL_INFORMATION;
    // SDK_version_do_not_use is preset to the installed engine's version (IRRLICHT_SDK_VERSION).
    return p;
}

void fillMainParameters(SIrrlichtCreationParameters& p)
{
    p.DriverType = irr::video::EDT_OPENGL;  // the engine's hardware driver on Linux
    if (replayNullVideo()) p.DriverType = irr::video::EDT_NULL;
    p.WindowSize = {irr::u32(game.options.screenWidth), irr::u32(game.options.screenHeight)};
    p.Bits = 32;
    p.Fullscreen = game.options.fullscreen;
    p.Vsync = true;
    p.AntiAlias = game.options.highGraphicsQuality;
    p.EventReceiver = game.receiver;
}

// A byte that cannot be read reads as 'a', which matches no code.
char readOptionByte(irr::io::IFileSystem* fileSystem, long offset)
{
    char byte = kUnreadableByte;
    irr::io::IReadFile* file = fileSystem->createAndOpenFile(kOptionsPath);
    if (!file) return byte;
    if (file->seek(offset, false)) file->read(&byte, 1);
    file->drop();
    return byte;
}

void createDefaultOptionsFile(irr::io::IFileSystem* fileSystem)
{
    std::cout << "** Error: options.golf not found using defualt settings ***" << std::endl;
    std::cout << "" << std::endl;
    std::cout << "options.golf created\n" << std::endl;
    irr::io::IWriteFile* file = fileSystem->createAndWriteFile(kOptionsPath, false);
    if (!file) {
        std::cerr << "Cannot create " << kOptionsPath << "; playing with the default settings" << std::endl;
        return;
    }
    for (int i = 0; i < kOptionsFileSize; ++i) file->write(&kDefaultOptions[i], 1);
    file->drop();
}

std::vector<ScreenSize> videoModes(irr::IrrlichtDevice* probe)
{
    std::vector<ScreenSize> modes;
    irr::video::IVideoModeList* list = probe->getVideoModeList();
    if (!list) return modes;
    for (irr::s32 i = 0; i < list->getVideoModeCount(); ++i) {
        irr::core::dimension2du size = list->getVideoModeResolution(i);
        modes.push_back({irr::s32(size.Width), irr::s32(size.Height)});
    }
    return modes;
}

void readOptions(irr::IrrlichtDevice* probe)
{
    irr::io::IFileSystem* fileSystem = game.engine.fileSystem;
    if (!fileSystem->existFile(kOptionsPath)) {
        createDefaultOptionsFile(fileSystem);
        return;
    }
    char bytes[kOptionsFileSize];
    for (int i = 0; i < kOptionsFileSize; ++i) bytes[i] = readOptionByte(fileSystem, i);

    const char code = bytes[0];
    ScreenSize size = resolutionForCode(code);
    if (resolutionNeedsModeCheck(code)) {
        checkVideoMode(size, videoModes(probe), game.options, std::cout);
    } else if (size.width > 0) {
        game.options.screenWidth = size.width;
        game.options.screenHeight = size.height;
    }
    if (size.width > 0) probe->closeDevice();
    applyOptionFlags(bytes, game.options);
}

// Some GL stacks cannot honour the swap interval (Mesa's software GL under Xvfb
// raises GLXBadContextTag); Xlib's default handler would end the process for it.
int ignoreXError(Display*, XErrorEvent* error)
{
    std::cerr << "X error " << int(error->error_code) << " ignored (request "
              << int(error->request_code) << "." << int(error->minor_code) << ")" << std::endl;
    return 0;
}

void checkShaders()
{
    irr::video::IVideoDriver* driver = game.engine.driver;
    if (driver->queryFeature(irr::video::EVDF_PIXEL_SHADER_2_0) &&
        driver->queryFeature(irr::video::EVDF_VERTEX_SHADER_2_0)) {
        if (game.options.shadersEnabled) std::cout << "Vertex and Pixel Shaders 2.0 supported\n\n" << std::endl;
    } else if (game.options.shadersEnabled) {
        std::cout << "*** Error: Vertex and Pixel Shader not supported. Turned off shaders ***\n\n" << std::endl;
        game.options.shadersEnabled = 0;
    }
}

}  // namespace

bool startUp()
{
    SIrrlichtCreationParameters parameters = probeParameters();
    irr::IrrlichtDevice* probe = irr::createDeviceEx(parameters);
    if (!probe) {
        std::cout << "Cannot start the engine; the game cannot run." << std::endl;
        return false;
    }
    game.engine.device = probe;
    game.engine.fileSystem = probe->getFileSystem();
    game.options = OptionsRecord{};

    std::cout << "-----------------------------------" << std::endl;
    std::cout << "******** Initializing Game ********" << std::endl;
    std::cout << "-----------------------------------" << std::endl;
    std::cout << "" << std::endl;
    readOptions(probe);
    // The probe has done its work (the settings file and the video modes): the game window is a device of its own.
    probe->drop();
    game.engine.device = nullptr;
    game.engine.fileSystem = nullptr;
    replayWindowSize(game.options.screenWidth, game.options.screenHeight);

    std::cout << "\n-- Rendering Engine Initializing --\n" << std::endl;
    static MyEventReceiver receiver;
    game.receiver = &receiver;
    fillMainParameters(parameters);

    game.world = NewtonCreate();
    if (!game.world) {
        std::cout << "Cannot create the physics world; the game cannot run." << std::endl;
        return false;
    }
    NewtonSetWorldSize(game.world, kWorldMin, kWorldMax);
    NewtonSetSolverModel(game.world, kSolverModel);
    NewtonSetFrictionModel(game.world, kFrictionModel);

    XSetErrorHandler(ignoreXError);
    irr::IrrlichtDevice* device = irr::createDeviceEx(parameters);
    if (!device) {
        std::cout << "Cannot open the game window (" << game.options.screenWidth << " x "
                  << game.options.screenHeight << "); the game cannot run." << std::endl;
        return false;
    }
    XSetErrorHandler(ignoreXError);
    EngineHandles& engine = game.engine;
    engine.device = device;
    engine.driver = device->getVideoDriver();
    engine.sceneManager = device->getSceneManager();
    engine.gui = device->getGUIEnvironment();
    engine.fileSystem = device->getFileSystem();
    replayAttachDevice(device);
    engine.screenFader = engine.gui->addInOutFader();

    game.camera = CameraState{};
    game.tutorial.tutorialHold = 0;

    startAudio();
    std::cout << "\n--- Sound Engine Initializing --- \n" << std::endl;
    loadSoundBank();
    seedRandom();

    std::cout << "\n-- Graphics Pipeline Initializing --\n" << std::endl;
    checkShaders();
    std::cout << "------------------------------------\n" << std::endl;

    createComputerOpponents();
    engine.cursorImage = engine.gui->addImage(engine.driver->getTexture("../Contents/Textures/cursorHand.png"),
                                              irr::core::position2di(4, 4), true);
    createSplashImage();
    return true;
}

void finishStartUp()
{
    static bool finished = false;
    if (finished) return;
    finished = true;
    createShaderMaterials();
}
