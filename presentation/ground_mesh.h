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
    float y = 0;                            // height
    float look[5] = {0, 0, 0, 0, 0};        // colour (red, green, blue, 0..1) and texture (u, v)
};

// Over the fine block, where the rows and the columns both run at the fine spacing,
// cells merge into blocks of up to 16 × 16 wherever the ground is smooth enough: every
// vertex inside within 3 cm of the surface between the block's corners, and within
// 3/255 of its colour. A block takes in every vertex its neighbours use on its border
// (a fan round its middle vertex), so no crack opens at a joint.
//
// Triangles (three indices each) over `points` when they form a grid of at least
// 2 × 2, in any order (a vertex on every crossing of the x and z lines), each wound like
// `frontWinding`, the sign of a triangle's signed area in (x, z); empty when they do
// not, and the caller draws the mesh as it is.
std::vector<uint16_t> groundDrawIndices(const std::vector<GroundPoint>& points, int frontWinding);

// The winding (as above, +1 or -1) of the mesh's first triangle; 0 when it has none.
int groundWinding(const std::vector<GroundPoint>& points, const std::vector<uint16_t>& indices);

// How far below the eye a level cut through the sky box may run, leaving out only sky
// that the ground hides: from an eye above a ground of this extent (lowest height
// `lowest`), the ground's rim lies below the horizon by at least some angle, and a
// cut a margin below that angle, at the sky box's corners, never shows a gap. 0 when
// the eye is outside the ground's extent or not above its lowest point: no cut.
struct GroundExtent {
    float minX = 0, minZ = 0, maxX = 0, maxZ = 0;
    float lowest = 0;
};
float skyCutBelowEye(float eyeX, float eyeY, float eyeZ, const GroundExtent& ground, float skyHalfSize);

// A triangle of a surface over the ground (the grass), corners in (x, y, z).
struct CoverTriangle {
    float x[3], y[3], z[3];
};

// `indices` (ground triangles over `points`) without those lying wholly under `cover`:
// every point of such a triangle at least `inset` in from the cover's edge and below it,
// where nobody sees it.
std::vector<uint16_t> withoutGroundUnder(const std::vector<GroundPoint>& points, const std::vector<uint16_t>& indices,
                                         const std::vector<CoverTriangle>& cover, float inset);
