// Triangle meshes as the content tool builds them, before they are written as
// B3D or 3DS. A mesh is a list of surfaces; each surface becomes one mesh buffer
// in the engine. Triangles are wound so that cross(b - a, c - a) points out of
// the front face (the engine shows a face whose corners appear clockwise).
//
//   model::Mesh crate = model::box({-1, 0, -1}, {1, 2, 1});
//   crate.add(model::cylinder(0.1f, 3, 12).translate({0, 2, 0}));
//   crate.scaleUV(0.5f, 0.5f);
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "content/art/image.h"
#include "content/model/math.h"

namespace model {

struct Vertex {
    Vec3 position;
    Vec3 normal{0, 1, 0};
    Vec2 uv;
    Rgba colour{1, 1, 1, 1};  // modulates the texture (lighting off) or the diffuse colour
};

struct Bounds {
    Vec3 min{1e30f, 1e30f, 1e30f};
    Vec3 max{-1e30f, -1e30f, -1e30f};
    bool empty() const { return min.x > max.x; }
    Vec3 size() const { return max - min; }
    Vec3 centre() const { return (min + max) * 0.5f; }
    void add(Vec3 p);
};

struct Surface {
    std::string name;                // the material name (3DS); surfaces with equal names merge
    Rgba diffuse{1, 1, 1, 1};        // 3DS material colour; alpha below 1 makes it translucent
    std::vector<Vertex> vertices;
    std::vector<uint32_t> indices;   // three per triangle

    uint32_t add(const Vertex& v);
    void triangle(uint32_t a, uint32_t b, uint32_t c);
    void quad(uint32_t a, uint32_t b, uint32_t c, uint32_t d);  // a-b-c-d around the front face
    size_t triangleCount() const { return indices.size() / 3; }
};

struct Mesh {
    std::vector<Surface> surfaces;

    // The surface of that name, created (empty) when missing. The reference holds
    // until the next surface is created.
    Surface& surface(const std::string& name = "");
    // Appends the other mesh's surfaces, merging those of the same name.
    Mesh& add(const Mesh& other);

    // Whole-mesh edits; each returns the mesh so that calls chain.
    Mesh& transform(const Transform& t);  // flips the winding when t mirrors
    Mesh& translate(Vec3 offset) { return transform(Transform::translation(offset)); }
    Mesh& scale(float factor) { return transform(Transform::scaling(factor)); }
    Mesh& scale(Vec3 factors) { return transform(Transform::scaling(factors)); }
    Mesh& rotateX(float degrees) { return transform(Transform::rotationX(degrees)); }
    Mesh& rotateY(float degrees) { return transform(Transform::rotationY(degrees)); }
    Mesh& rotateZ(float degrees) { return transform(Transform::rotationZ(degrees)); }
    Mesh& flipFaces();                    // turns every face inside out (normals too)
    Mesh& paint(const Rgba& colour);      // vertex colour of every vertex
    Mesh& paint(const std::function<Rgba(const Vertex&)>& colour);
    Mesh& rename(const std::string& surfaceName);  // everything into one surface of that name
    Mesh& scaleUV(float su, float sv);
    Mesh& offsetUV(float du, float dv);
    // Smooth normals: faces meeting at a shared position are averaged when the
    // angle between them is below creaseDegrees (0 gives flat shading).
    Mesh& computeNormals(float creaseDegrees = 40.0f);

    Bounds bounds() const;
    size_t vertexCount() const;
    size_t triangleCount() const;
};

inline Mesh operator+(Mesh a, const Mesh& b) { return std::move(a.add(b)); }

// Texture coordinates from a projection, in texture repeats per world unit.
enum class Axis { X, Y, Z };
// Projects along an axis: Y maps (x, z) to (u, v); X maps (z, y); Z maps (x, y). v grows downwards.
void planarUV(Mesh& mesh, Axis along, float repeatsPerUnit = 1.0f);
// Each triangle is projected along the axis its normal leans on most (vertices are split where needed).
void boxUV(Mesh& mesh, float repeatsPerUnit = 1.0f);
// u around the y axis (0..uRepeats), v down the height (repeatsPerUnit per world unit).
void cylindricalUV(Mesh& mesh, float uRepeats = 1.0f, float vRepeatsPerUnit = 1.0f);

}  // namespace model
