// Mesh builders for holes and scenery. Every shape comes with normals and
// texture coordinates (world units unless said otherwise, so that a texture
// tiles at a steady size: scale them with Mesh::scaleUV), faces pointing out.
//
//   Mesh barrel = lathe({{0, 0}, {0.8f, 0}, {1, 1}, {0.8f, 2}, {0, 2}}, 16);
//   Mesh rail = sweep(route, rectangleSection(0.4f, 0.6f));
//   Mesh pipe = sweep(route, circleSection(1.0f, 16)).flipFaces();   // seen from inside
#pragma once

#include <functional>
#include <vector>

#include "content/model/mesh.h"

namespace model {

// A quadrilateral a-b-c-d (clockwise as seen from its front), uv (0,0) at a, (1,0) at b, (1,1) at c.
Mesh quad(Vec3 a, Vec3 b, Vec3 c, Vec3 d);
// An axis-aligned box, six flat faces, uv in world units.
Mesh box(Vec3 min, Vec3 max);
// Surfaces of revolution about the y axis. `profile` holds (radius, y) points from
// the bottom up; points of radius 0 close the shape at a pole. u runs 0..1 around
// (starting at +z towards +x), v is the profile's length from the top down.
// Profile corners sharper than creaseDegrees stay sharp.
Mesh lathe(const std::vector<Vec2>& profile, int segments, float creaseDegrees = 50.0f);
// Upright shapes standing on the origin (base at y = 0), made with lathe.
Mesh cylinder(float radius, float height, int segments, bool caps = true);
Mesh cone(float bottomRadius, float topRadius, float height, int segments, bool caps = true);
// A UV sphere centred on the origin: u 0..1 around (from +z towards +x), v 0..1 from the top pole down.
Mesh sphere(float radius, int segments, int rings);
// Flat shapes facing +y at height y: a disc, a ring (annulus), a polygon given by (x, z) corners in either winding.
Mesh disc(float radius, int segments, float y = 0.0f);
Mesh ring(float innerRadius, float outerRadius, int segments, float y = 0.0f);
Mesh polygon(const std::vector<Vec2>& outline, float y = 0.0f);
// A prism: the (x, z) outline (either winding, concave allowed) raised from bottom to top.
Mesh extrude(const std::vector<Vec2>& outline, float bottom, float top, bool caps = true);
// A cross-section swept along a path. Section points are (side, up) offsets, side
// pointing right of the direction of travel; list them counter-clockwise (side to the
// right, up upwards) for faces that point out. Corners are mitred so that walls keep
// their thickness. u runs along the section, v along the path, both in world units.
struct SweepOptions {
    bool closedSection = true;   // join the last section point back to the first
    bool closedPath = false;     // join the path's end back to its start
    Vec3 up{0, 1, 0};            // the section's up direction where the path allows it
    float creaseDegrees = 50.0f;
};
Mesh sweep(const std::vector<Vec3>& path, const std::vector<Vec2>& section, const SweepOptions& options = {});
std::vector<Vec2> circleSection(float radius, int segments);                 // counter-clockwise
std::vector<Vec2> rectangleSection(float width, float height);               // centred on side 0, base at up 0
// A grid over [min, max] in (x, z), facing +y, with height(x, z); smooth normals, uv in world units.
Mesh heightField(Vec2 min, Vec2 max, int cellsX, int cellsZ, const std::function<float(float x, float z)>& height);

// Triangulates a simple polygon (ear clipping); returns index triples, each counter-clockwise in (x, y).
std::vector<uint32_t> triangulate(const std::vector<Vec2>& polygon);
float signedArea(const std::vector<Vec2>& polygon);  // positive when counter-clockwise in (x, y)

}  // namespace model
