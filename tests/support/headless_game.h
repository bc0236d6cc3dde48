// The game's state with a NULL video device and a physics world, in a run tree
// of its own: hole builders and play rules run in-process, without a window.
#pragma once

#include <string>

#include "tests/support/game_run.h"

class HeadlessGame {
public:
    // `contents` replaces the run tree's Contents/ (empty: the build's own).
    explicit HeadlessGame(int players = 1, const std::string& contents = "");
    ~HeadlessGame();
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    // Builds hole `hole` (-1 practice, 1..18) through its builder; false if it has none.
    bool build(int hole);
    // `steps` physics steps of 0.01 s, nodes following their bodies. With
    // `holdCurrentBall` the current ball is held as the fly-over holds it.
    void step(int steps, bool holdCurrentBall = true);
    void placeBall(int player, float x, float y, float z);

private:
    RunTree tree_;
    std::string previousDirectory_;
};
