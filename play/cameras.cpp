#include "play/cameras.h"

#include <cmath>

#include "app/game_state.h"
#include "app/hole_loading.h"

namespace {

constexpr double kFlyUnitsPerFrameAt30 = 0.5;  // 15 units per second at the hole's start frame rate
constexpr double kPlayHeight = 7.0, kPlayDistance = 15.0;
constexpr double kTopHeight = 20.0, kTopDistance = 1.0;
constexpr double kCameraAboveHeight = 4.0;     // the camera's world y is camHeight + 4
constexpr double kZoomHeightStep = 0.8, kZoomDistanceStep = 0.5;  // per frame held
constexpr double kZoomNearest = 4.0, kZoomFarthest = 20.0;
constexpr double kCircleDistance = 20.0, kCircleHeight = 10.0, kCircleDegreesPerFrame = 0.5;

irr::core::vector3df toVector(const double v[3]) { return {float(v[0]), float(v[1]), float(v[2])}; }

bool segmentFinished()
{
    const CameraState& c = game.camera;
    const double at = c.flyPosition[c.flyAxis], end = c.flyEnd[c.flyAxis];
    return c.flyDirection == 0 ? at > end : at < end;
}

void setIcon(const char* picture)
{
    if (game.hud.cameraIcon)
        game.hud.cameraIcon->setImage(game.engine.driver->getTexture(
            (std::string("../Contents/Textures/") + picture).c_str()));
}

}  // namespace

void loadFlySegment(const FlySegment path[3], int32_t number)
{
    if (!path || number < 1 || number > 3) return;
    const FlySegment& segment = path[3 - number];
    CameraState& c = game.camera;
    for (int i = 0; i < 3; ++i) {
        // Single-precision path data held in doubles.
        c.flyTarget[i] = double(float(segment.target[i]));
        c.flyPosition[i] = double(float(segment.start[i]));
        c.flyEnd[i] = double(float(segment.end[i]));
    }
    c.flyAxis = segment.axis;
    c.flyDirection = segment.direction;
}

void flyOverStep(MyEventReceiver input)
{
    CameraState& c = game.camera;
    irr::scene::ICameraSceneNode* camera = game.scene.camera;
    if (c.flySegment > 0 && !segmentFinished()) {
        const double fps = c.holeStartFps > 0 ? c.holeStartFps : 30.0;
        const double step = kFlyUnitsPerFrameAt30 / (fps / 30.0);
        c.flyPosition[c.flyAxis] += c.flyDirection == 0 ? step : -step;
        if (camera) {
            camera->setTarget(toVector(c.flyTarget));
            camera->setPosition(toVector(c.flyPosition));
        }
    }
    if (c.flySegment > 0 && segmentFinished()) {
        c.flySegment -= 1;
        if (c.flySegment > 0) loadFlySegment(c.flyPath, c.flySegment);
    }
    endFlyOver();
    if (input.keyIsDown[irr::KEY_RETURN] || input.keyIsDown[irr::KEY_ESCAPE] || input.keyIsDown[irr::KEY_SPACE]) {
        c.flySegment = 0;
        endFlyOver();
    }
}

void followBall()
{
    CameraState& c = game.camera;
    irr::scene::ISceneNode* ball = game.bodies.ball[game.match.currentPlayer].node;
    if (!ball || !game.scene.camera) return;
    const irr::core::vector3df b = ball->getPosition();
    const double theta = c.aimAngle * kDegreesToRadians;
    game.scene.camera->setPosition({float(b.X - std::sin(theta) * c.camDist), float(c.camHeight + kCameraAboveHeight),
                                    float(b.Z - std::cos(theta) * c.camDist)});
    game.scene.camera->setTarget(b);
    if (c.aimAngle > 360 || c.aimAngle < -360) c.aimAngle = 0;
}

void circleCup()
{
    CameraState& c = game.camera;
    if (!game.scene.flagpole || !game.scene.camera) return;
    const irr::core::vector3df cup = game.scene.flagpole->getPosition();
    const double theta = c.aimAngle * kDegreesToRadians;
    game.scene.camera->setPosition({float(cup.X - std::sin(theta) * kCircleDistance), float(cup.Y + kCircleHeight),
                                    float(cup.Z - std::cos(theta) * kCircleDistance)});
    game.scene.camera->setTarget(cup);
    c.aimAngle += kCircleDegreesPerFrame;
}

void updateCameraKeys(const MyEventReceiver& input)
{
    CameraState& c = game.camera;
    if (input.keyIsDown[irr::KEY_KEY_2]) {
        if (!c.topCamera) {
            c.topCamera = 1;
            c.camDist = kTopDistance;
            c.camHeight = kTopHeight;
        }
        setIcon("camtop.png");
    }
    if (input.keyIsDown[irr::KEY_KEY_1]) {
        if (c.topCamera) {
            c.topCamera = 0;
            c.camHeight = kPlayHeight;
            c.camDist = kPlayDistance;
        }
        setIcon("camnormal.png");
    }
    if (c.topCamera || game.tutorial.tutorialHold) return;
    if (input.keyIsDown[irr::KEY_UP] && c.camHeight > kZoomNearest) {
        c.camHeight -= kZoomHeightStep;
        c.camDist -= kZoomDistanceStep;
    }
    if (input.keyIsDown[irr::KEY_DOWN] && c.camHeight < kZoomFarthest) {
        c.camHeight += kZoomHeightStep;
        c.camDist += kZoomDistanceStep;
    }
}

void resetCamera()
{
    CameraState& c = game.camera;
    c.camHeight = kPlayHeight;
    c.camDist = kPlayDistance;
    c.aimAngle = 0.0;
    c.topCamera = 0;
    c.topCameraKeyHeld = 0;
}
