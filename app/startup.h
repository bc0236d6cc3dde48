// Everything between process start and the first pass of the main loop.
#pragma once

// Returns false (after one line on stdout) when the window or the physics
// world cannot be created; the entry point then exits non-zero.
bool startUp();
