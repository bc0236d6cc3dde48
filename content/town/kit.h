// The scenery kit: textures laid out as atlases of rectangular regions, and the
// shapes the town is built from, each with texture coordinates local to its part
// (u along the part in world units, v across it from 0 to 1) that `inRegion` then
// moves into the part's region of the atlas.
//
// A region that spans the full width of its atlas tiles along u (the engine wraps
// the texture), so long parts such as beams, walls and staves repeat their grain;
// a narrower region is a picture shown once (a door, a sign, a lid).
//
//   Atlas atlas(512, 512);
//   atlas.place(woodGrain, kTimber, Turn::Across);                  // grain along u
//   model::Mesh post = inRegion(beam({0, 0, 0}, {0, 3, 0}, 0.3f, 0.3f), kTimber, 0.5f);
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "content/art/surfaces.h"
#include "content/model/mesh.h"

struct ContentOutput;

namespace town {

using model::Vec2;
using model::Vec3;

// A rectangle of an atlas in pixels.
struct Region {
    int x = 0, y = 0, width = 0, height = 0;
};

enum class Turn { None, Across };  // Across: the source's downward direction runs along u instead

class Atlas {
public:
    Atlas(int width, int height);
    // Resamples the layers into the region (turned a quarter when asked).
    void place(const TextureLayers& layers, Region region, Turn turn = Turn::None);
    Image& colour() { return layers_.colour; }
    HeightField& height() { return layers_.height; }
    int width() const { return layers_.colour.width; }
    int height() const { return layers_.colour.height; }
    // Writes Textures/<colour> and, when a name is given, Textures/<normal> from the heights.
    void write(ContentOutput& output, const std::string& colourName, const std::string& normalName,
               float relief) const;

private:
    TextureLayers layers_;
};

// Moves every vertex's local (u, v) into the region of an atlas of that size: v from 0
// to 1 spans the region's height (a half pixel in from its edges, so that filtering
// does not bleed from the next region), u is scaled by `uScale` repeats per unit of
// local u and spans the region's width per repeat.
model::Mesh& inRegion(model::Mesh& mesh, Region region, int atlasWidth, int atlasHeight, float uScale = 1.0f);

// Shapes with local texture coordinates.
// A beam of rectangular section from a to b: u along it (world units), v once round its four sides.
model::Mesh beam(Vec3 a, Vec3 b, float width, float depth, Vec3 up = {0, 1, 0});
// A round rod (or pipe) from a to b: u along it, v once round.
model::Mesh rod(Vec3 a, Vec3 b, float radius, int sides, bool caps = true);
// A flat board: the front face is the quad corner, corner + across, corner + across + down, corner + down
// (u 0..1 across, v 0..1 down); the back shows the same picture mirrored; `thickness` behind the front.
model::Mesh board(Vec3 corner, Vec3 across, Vec3 down, float thickness);
// A box whose every face shows its region once (u 0..1, v 0..1 top to bottom).
model::Mesh crate(Vec3 min, Vec3 max);
// A flat polygon in a wall's plane: `outline` holds (along, up) points from `origin`, `along`
// the wall's direction; the face looks along `facing`. u runs along the wall (uPerUnit repeats
// per unit), v from vTop (0) down to vBottom (1).
model::Mesh wallPolygon(Vec3 origin, Vec3 along, const std::vector<Vec2>& outline, float vTop, float vBottom,
                        float uPerUnit, Vec3 facing);
// A rectangle on a wall showing a whole picture once (a door, a window frame, a sign); its
// front looks along cross(across, down), out of the wall.
model::Mesh decal(Vec3 topLeft, Vec3 across, float height);
// A torus round the y axis (hoops, tyres): u round the big circle (0..1), v round the tube (0..1).
model::Mesh hoop(float radius, float tube, int segments, int sides);
// A lathe whose v runs 0..1 down the whole profile; u 0..1 round.
model::Mesh turned(const std::vector<Vec2>& profile, int segments, float creaseDegrees = 50.0f);

}  // namespace town
