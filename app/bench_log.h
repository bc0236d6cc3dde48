// The frame log of a scripted run (`--frame-log FILE`), read by tools/bench.py.
//
// One line per pass: `f FRAME WALL_MS CPU_MS PHASE MARK MAIN_MS` (wall time of the pass,
// the CPU time of the whole process over it, the rasteriser's threads included, and that
// of the main thread alone; PHASE is L for a hole change or load, F fly-over, P play,
// M menus; MARK is the script's latest `mark`). Also `mark NAME RSS_KB PEAK_RSS_KB` at each mark, `present1 MS` once
// (milliseconds from process start to the first presented frame), `build HOLE WALL_MS
// CPU_MS RSS_KB PEAK_RSS_KB` after each hole build behind the loading image, and
// `end PEAK_RSS_KB RSS_KB` when the loop ends.
#pragma once

#include <string>

// Opens the log; false (with a message on stderr) if the file cannot be written.
bool frameLogOpen(const std::string& path);
bool frameLogActive();
void frameLogMark(const std::string& mark);

void frameLogBeginLoop();
void frameLogPresented();
void frameLogPass(long frame);
void frameLogFinish();

// Brackets a hole build (the old hole's removal and the new one's construction).
void frameLogBuildStart();
void frameLogBuildEnd(int hole);
