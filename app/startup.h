// Everything between process start and the first pass of the main loop.
#pragma once

// Returns false (after one line on stdout) when the window or the physics
// world cannot be created; the entry point then exits non-zero.
bool startUp();
// What start-up leaves until the first frame is on the screen, behind the splash: the
// shader programs, which the software GL takes hundreds of milliseconds to compile.
// Called after every presented frame; does its work once.
void finishStartUp();
