// The front end's part of the replay dump: the visible GUI images in drawing
// order (`gui`), the click latch, the hand cursor and the screens' own fields.
#pragma once

class StateDump;

void dumpFrontEnd(StateDump& dump);
