// A report of the loop's real frame rate on the idle main menu, for checking the
// pacing where vsync is unavailable: with TALLOWICK_FRAME_REPORT=SECONDS in the
// environment (and no script), the game measures that long from the first pass of
// the main menu, prints the rate and the spread of frame intervals on stderr, and
// closes. tools/frame_pacing.sh runs it.
#pragma once

// Called after each pass of the main loop.
void framePacingPass();
