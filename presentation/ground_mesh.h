// The sand is a grid of rows and columns, fine over the greens and widening out to
// the horizon; a fine column runs all the way out, so far off it is a strip of long
// slivers that the software rasteriser sets up and bins one by one for a few pixels
// each. groundDrawIndices triangulates the same vertices with those strips merged
// where the crossing lines are far apart; the collision keeps the full mesh.
#pragma once

#include <cstdint>
#include <vector>

struct GroundPoint {
    float x = 0;
    float z = 0;
};

// Triangles (three indices each) over `points` when they form a grid of at least
// 2 × 2, in any order (a vertex on every crossing of the x and z lines), each wound like
// `frontWinding`, the sign of a triangle's signed area in (x, z); empty when they do
// not, and the caller draws the mesh as it is.
std::vector<uint16_t> groundDrawIndices(const std::vector<GroundPoint>& points, int frontWinding);

// The winding (as above, +1 or -1) of the mesh's first triangle; 0 when it has none.
int groundWinding(const std::vector<GroundPoint>& points, const std::vector<uint16_t>& indices);
