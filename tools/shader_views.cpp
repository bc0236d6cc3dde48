// Renders one hole from a chosen camera, with the shader materials on or off, into a
// PNG, and a second picture 500 ms of game time later (the water's movement); with
// --time-frames it draws that many frames and prints the time per frame. For looking
// at the shader materials beside the fixed-function ones without playing to the spot.
//
//   shader_views OUT.png HOLE SHADERS TIME_MS cx cy cz tx ty tz [--putter bx by bz]
//                [--time-frames N] [--bbox MODEL]...
//
// --putter shows ball 1 and the putter at (bx, by, bz); --bbox prints a loaded model's box.
// Built by hand against a build of the game (not part of the project's build):
//   g++ -std=c++20 -O2 -I. -isystem build/irrlicht-headers tools/shader_views.cpp
//       build/libtallowick_game.a build/libtallowick_newton.a -lBulletDynamics -lBulletCollision
//       -lLinearMath -lIrrlicht -lalut -lopenal -lGL -lX11 -o shader_views
// and run under Xvfb from a run tree's Bin/ (it reads ../Contents/).
#include <GL/gl.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>
#include "app/game_state.h"
#include "app/replay.h"
#include "course/holes/hole_builder.h"
#include "play/turn_cycle.h"
#include "presentation/shaders.h"

namespace {

constexpr unsigned kWaterLookMs = 500;  // the second picture, this much game time later
constexpr unsigned kTimedFrameMs = 16;   // game time per timed frame

// Engine warnings and errors (a shader that does not compile) on stderr; the rest is dropped.
struct Quiet : irr::IEventReceiver {
    bool OnEvent(const irr::SEvent& e) override {
        if (e.EventType != irr::EET_LOG_TEXT_EVENT) return false;
        if (e.LogEvent.Level >= irr::ELL_WARNING) std::cerr << e.LogEvent.Text << "\n";
        return true;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 11) {
        std::fprintf(stderr, "usage: shader_views OUT.png HOLE SHADERS TIME_MS cx cy cz tx ty tz [options]\n");
        return 2;
    }
    std::string out = argv[1];
    int hole = std::atoi(argv[2]);
    game.options.shadersEnabled = std::atoi(argv[3]);
    unsigned timeMs = unsigned(std::atol(argv[4]));
    irr::core::vector3df cam(std::atof(argv[5]), std::atof(argv[6]), std::atof(argv[7]));
    irr::core::vector3df tgt(std::atof(argv[8]), std::atof(argv[9]), std::atof(argv[10]));
    bool putter = false; irr::core::vector3df ballAt; int timeFrames = 0; std::vector<std::string> boxes;
    for (int i = 11; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--putter") { putter = true; ballAt = {float(std::atof(argv[i+1])), float(std::atof(argv[i+2])), float(std::atof(argv[i+3]))}; i += 3; }
        else if (a == "--time-frames") timeFrames = std::atoi(argv[++i]);
        else if (a == "--bbox") boxes.push_back(argv[++i]);
    }
    static Quiet quiet;
    irr::SIrrlichtCreationParameters p;
    p.DriverType = irr::video::EDT_OPENGL;
    p.WindowSize = {800, 600};
    p.Bits = 32;
    p.Vsync = false;
    p.EventReceiver = &quiet;
    irr::IrrlichtDevice* device = irr::createDeviceEx(p);
    if (!device) {
        std::fprintf(stderr, "no OpenGL window (run under Xvfb)\n");
        return 1;
    }
    game.engine.device = device;
    game.engine.driver = device->getVideoDriver();
    game.engine.sceneManager = device->getSceneManager();
    game.engine.gui = device->getGUIEnvironment();
    game.engine.fileSystem = device->getFileSystem();
    game.world = NewtonCreate();
    game.match.playerCount = 1;
    game.match.ballColour[1] = 1;
    resetHolePlay();
    createShaderMaterials();
    device->getTimer()->setTime(timeMs);
    device->getTimer()->stop();
    HoleBuilder build = holeBuilder(hole);
    if (!build) {
        std::fprintf(stderr, "hole %d has no builder\n", hole);
        return 2;
    }
    build();
    game.engine.gui->clear();
    for (const std::string& m : boxes) {
        irr::scene::IAnimatedMesh* mesh = game.engine.sceneManager->getMeshCache()->getMeshByName(("../Contents/Models/" + m).c_str());
        if (!mesh) { std::printf("%s: not loaded\n", m.c_str()); continue; }
        auto b = mesh->getBoundingBox();
        std::printf("%s: (%.2f %.2f %.2f) - (%.2f %.2f %.2f)\n", m.c_str(), b.MinEdge.X, b.MinEdge.Y, b.MinEdge.Z, b.MaxEdge.X, b.MaxEdge.Y, b.MaxEdge.Z);
    }
    if (putter) {
        irr::scene::ISceneNode* ball = game.bodies.ball[1].node;
        if (ball) { ball->setPosition(ballAt); ball->setVisible(true); }
        for (irr::scene::ISceneNode* n : {(irr::scene::ISceneNode*)game.scene.putterHandle, (irr::scene::ISceneNode*)game.scene.putterShaft})
            if (n) { n->setPosition({ballAt.X, ballAt.Y - 0.5f, ballAt.Z}); n->setRotation({0, 200, 0}); n->setVisible(true); }
    }
    irr::scene::ICameraSceneNode* camera = game.scene.camera;
    camera->setPosition(cam);
    camera->setTarget(tgt);
    auto frame = [&] {
        device->run();
        game.engine.driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
        game.engine.sceneManager->drawAll();
    };
    frame(); game.engine.driver->endScene();
    frame(); captureBackBuffer(out); game.engine.driver->endScene();
    device->getTimer()->setTime(timeMs + kWaterLookMs);
    frame(); captureBackBuffer(out.substr(0, out.size() - 4) + "_500.png"); game.engine.driver->endScene();
    if (timeFrames > 0) {
        auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < timeFrames; ++i) { device->getTimer()->setTime(timeMs + kTimedFrameMs * unsigned(i)); frame(); game.engine.driver->endScene(); }
        glFinish();
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::printf("%d frames, %.2f ms/frame\n", timeFrames, ms / timeFrames);
    }
    return 0;
}
