#include "tests/support/gl_game.h"

#include "app/game_state.h"

namespace fs = std::filesystem;

bool EngineLog::OnEvent(const irr::SEvent& event)
{
    if (event.EventType != irr::EET_LOG_TEXT_EVENT) return false;
    if (event.LogEvent.Level >= irr::ELL_WARNING) errors.push_back(event.LogEvent.Text);
    return true;
}

GlGame::GlGame(const std::string& contents, bool shaders)
{
    if (!contents.empty()) {
        fs::remove(tree_.path("Contents"));
        fs::create_directory_symlink(contents, tree_.path("Contents"));
    }
    previous_ = fs::current_path();
    fs::current_path(tree_.path("Bin"));
    game = GameState{};
    irr::SIrrlichtCreationParameters p;
    p.DriverType = irr::video::EDT_OPENGL;
    p.WindowSize = {320, 240};
    p.Bits = 32;
    p.Vsync = false;
    p.EventReceiver = &log;
    irr::IrrlichtDevice* device = irr::createDeviceEx(p);
    if (!device) return;
    game.engine.device = device;
    game.engine.driver = device->getVideoDriver();
    game.engine.sceneManager = device->getSceneManager();
    game.engine.gui = device->getGUIEnvironment();
    game.engine.fileSystem = device->getFileSystem();
    game.options.shadersEnabled = shaders ? 1 : 0;
    game.world = NewtonCreate();
    game.match.playerCount = 1;
    game.match.ballColour[1] = 1;
}

GlGame::~GlGame()
{
    if (game.world) {
        NewtonDestroyAllBodies(game.world);
        NewtonDestroy(game.world);
    }
    if (game.engine.device) {
        game.engine.device->closeDevice();
        game.engine.device->run();
        game.engine.device->drop();
    }
    game = GameState{};
    fs::current_path(previous_);
}

bool GlGame::ready() const { return game.engine.device != nullptr; }
