// The in-play part of the main loop.
#pragma once

// Start of the frame, before drawing: the current ball's velocity.
void readFrameStartVelocity();
// After the frame is drawn and the world stepped: fly-over, turns, strokes, outcomes.
void playFrame();
