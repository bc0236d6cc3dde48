// One pass of the loop is one frame; every screen handler runs on every pass.
#pragma once

void runMainLoop();
