#include "tests/support/headless_game.h"

#include <unistd.h>

#include <filesystem>

#include "app/game_state.h"
#include "course/ball_and_putter.h"
#include "course/holes/hole_builder.h"
#include "course/physics_step.h"
#include "play/turn_cycle.h"

namespace {

constexpr float kStepSeconds = 0.01f;
constexpr float kFlyOverHold = -100.0f;

}  // namespace

HeadlessGame::HeadlessGame(int players, const std::string& contents)
{
    if (!contents.empty()) {
        std::filesystem::remove(tree_.path("Contents"));
        std::filesystem::create_directory_symlink(contents, tree_.path("Contents"));
    }
    char cwd[4096];
    previousDirectory_ = getcwd(cwd, sizeof cwd) ? cwd : ".";
    if (chdir(tree_.path("Bin").c_str()) != 0) return;
    game = GameState{};
    game.engine.device = irr::createDevice(irr::video::EDT_NULL);
    game.engine.driver = game.engine.device->getVideoDriver();
    game.engine.sceneManager = game.engine.device->getSceneManager();
    game.engine.gui = game.engine.device->getGUIEnvironment();
    game.engine.fileSystem = game.engine.device->getFileSystem();
    game.world = NewtonCreate();
    game.match.playerCount = players;
    for (int p = 1; p <= players; ++p) game.match.ballColour[p] = p;
    resetHolePlay();
}

HeadlessGame::~HeadlessGame()
{
    NewtonDestroyAllBodies(game.world);
    NewtonDestroy(game.world);
    game.engine.device->drop();
    game = GameState{};
    if (chdir(previousDirectory_.c_str()) != 0) return;
}

bool HeadlessGame::build(int hole)
{
    HoleBuilder builder = holeBuilder(hole);
    if (!builder) return false;
    builder();
    return true;
}

void HeadlessGame::step(int steps, bool holdCurrentBall)
{
    for (int i = 0; i < steps; ++i) {
        if (holdCurrentBall) {
            const Vector3 v = ballVelocity(game.match.currentPlayer);
            game.turn.rollBrake = Vector3(kFlyOverHold * v.X, 0, kFlyOverHold * v.Z);
        }
        NewtonUpdate(game.world, kStepSeconds);
        syncBodyNodes();
    }
}

void HeadlessGame::placeBall(int player, float x, float y, float z)
{
    const float at[3] = {x, y, z};
    float matrix[16];
    translationMatrix(at, matrix);
    NewtonBodySetMatrix(game.bodies.ball[player].body, matrix);
    const float still[3] = {0, 0, 0};
    NewtonBodySetVelocity(game.bodies.ball[player].body, still);
    syncBodyNodes();
}
