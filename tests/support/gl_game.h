// A small OpenGL window (Mesa's software GL under Xvfb) in a run tree of its own, wired
// into the game's record: the engine handles, a physics world and one player. For tests
// that draw without running the game's loop.
#pragma once

#include <irrlicht.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/game_run.h"

// The warnings and errors the engine logs.
struct EngineLog : irr::IEventReceiver {
    std::vector<std::string> errors;
    bool OnEvent(const irr::SEvent& event) override;
};

class GlGame {
public:
    // `contents`, if given, stands in for the tree's Contents folder.
    explicit GlGame(const std::string& contents = "", bool shaders = false);
    ~GlGame();
    GlGame(const GlGame&) = delete;
    GlGame& operator=(const GlGame&) = delete;

    bool ready() const;
    const RunTree& tree() const { return tree_; }
    EngineLog log;

private:
    RunTree tree_;
    std::filesystem::path previous_;
};
