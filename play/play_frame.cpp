#include "play/play_frame.h"

void readFrameStartVelocity() {}
void playFrame() {}
