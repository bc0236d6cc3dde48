#include "course/physics_step.h"

#include "app/game_state.h"
#include "app/replay.h"

namespace {

constexpr float kStepSeconds = 0.01f;          // every step, whatever real time passed
constexpr int32_t kSlowFrameRate = 55;         // frames per second at or below which the fixed gap applies
constexpr double kFastGapFrameMs = 600.0;      // ms x fps: the gap above 55 fps is 600/fps ms
constexpr uint32_t kSlowGapMs = 10;            // ms

// Position from the translation, rotation as the engine's own getRotationDegrees reads it.
void syncNode(const BodyNode& pair)
{
    if (!pair.body || !pair.node) return;
    irr::core::matrix4 matrix;
    NewtonBodyGetMatrix(pair.body, matrix.pointer());
    pair.node->setPosition(matrix.getTranslation());
    pair.node->setRotation(matrix.getRotationDegrees());
}

}  // namespace

bool physicsStepDue(int32_t fps, uint32_t nowMs, uint32_t lastStepTimeMs)
{
    if (fps > kSlowFrameRate) return double(nowMs) > double(lastStepTimeMs) + kFastGapFrameMs / double(fps);
    return nowMs > lastStepTimeMs + kSlowGapMs;  // wraps as the timer does
}

void syncBodyNodes()
{
    const CourseBodies& bodies = game.bodies;
    syncNode(bodies.ball[1]);
    if (holeHasBlade(game.match.currentHole)) {
        syncNode(bodies.blade);
        syncNode(bodies.pivot);
    }
    for (int32_t ball = 2; ball <= kMaxPlayers && ball <= game.match.playerCount; ++ball) syncNode(bodies.ball[ball]);
    for (const BodyNode* pair : {&bodies.bricks, &bodies.grass, &bodies.cup, &bodies.flagpole}) syncNode(*pair);
}

void stepPhysics()
{
    irr::ITimer* timer = game.engine.device->getTimer();
    if (physicsStepDue(frameRate(), timer->getTime(), game.lastStepTimeMs)) {
        game.lastStepTimeMs = timer->getTime();
        NewtonUpdate(game.world, kStepSeconds);
    }
    syncBodyNodes();
}
