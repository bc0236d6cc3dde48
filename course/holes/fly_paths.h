// Fly-over paths that more than one hole flies: hole 18 replays hole 11's.
#pragma once

#include "play/cameras.h"

// Hole 11's three segments (target, start, axis, direction, end), flown 3, 2, 1.
extern const FlySegment kHole11FlyOver[3];
