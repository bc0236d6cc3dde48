#include "content/model/max3ds.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>

#include "content/model/bytes.h"

namespace model {

namespace {

constexpr uint32_t kMaxCount = 65535;  // vertex and face counts are 16-bit
constexpr uint32_t kFileVersion = 3;

enum Chunk : uint16_t {
    kMain = 0x4D4D,
    kVersion = 0x0002,
    kEditor = 0x3D3D,
    kMeshVersion = 0x3D3E,
    kMaterial = 0xAFFF,
    kMaterialName = 0xA000,
    kAmbient = 0xA010,
    kDiffuse = 0xA020,
    kSpecular = 0xA030,
    kShininess = 0xA040,
    kTransparency = 0xA050,
    kColour24 = 0x0011,
    kPercent = 0x0030,
    kObject = 0x4000,
    kTriangleMesh = 0x4100,
    kVertexList = 0x4110,
    kFaceList = 0x4120,
    kFaceMaterial = 0x4130,
    kTextureCoords = 0x4140,
    kSmoothing = 0x4150,
};

struct ChunkScope {
    ByteWriter& out;
    size_t start, lengthAt;
    ChunkScope(ByteWriter& w, uint16_t id) : out(w), start(w.bytes.size()), lengthAt(0)
    {
        out.u16(id);
        lengthAt = out.placeholder();
    }
    ~ChunkScope() { out.patch(lengthAt, start); }  // 3DS lengths include the 6-byte header
};

void colour(ByteWriter& out, uint16_t id, const Rgba& c)
{
    ChunkScope chunk(out, id);
    ChunkScope rgb(out, kColour24);
    for (float v : {c.r, c.g, c.b}) out.u8(uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)));
}

void percent(ByteWriter& out, uint16_t id, float value)
{
    ChunkScope chunk(out, id);
    ChunkScope amount(out, kPercent);
    out.u16(uint16_t(std::lround(std::clamp(value, 0.0f, 1.0f) * 100)));
}

std::string materialName(const Surface& s, size_t index)
{
    return s.name.empty() ? "material" + std::to_string(index) : s.name;
}

void writeMaterial(ByteWriter& out, const std::string& name, const Rgba& diffuse)
{
    ChunkScope material(out, kMaterial);
    {
        ChunkScope n(out, kMaterialName);
        out.cstring(name);
    }
    colour(out, kAmbient, diffuse);
    colour(out, kDiffuse, diffuse);
    colour(out, kSpecular, {0.3f, 0.3f, 0.3f, 1});
    percent(out, kShininess, 0.2f);
    percent(out, kTransparency, 1.0f - diffuse.a);
}

// One object: a run of a surface's triangles small enough for 16-bit counts.
void writeObject(ByteWriter& out, const std::string& name, const std::string& material, const Surface& s,
                 const std::vector<uint32_t>& vertices, const std::vector<uint32_t>& triangles)
{
    ChunkScope object(out, kObject);
    out.cstring(name);
    ChunkScope mesh(out, kTriangleMesh);
    {
        ChunkScope list(out, kVertexList);
        out.u16(uint16_t(vertices.size()));
        for (uint32_t i : vertices) {
            Vec3 p = s.vertices[i].position;
            for (float f : {p.x, p.z, p.y}) out.f32(f);  // file z is up
        }
    }
    {
        ChunkScope list(out, kTextureCoords);
        out.u16(uint16_t(vertices.size()));
        for (uint32_t i : vertices) {
            out.f32(s.vertices[i].uv.x);
            out.f32(1.0f - s.vertices[i].uv.y);
        }
    }
    ChunkScope faces(out, kFaceList);
    const uint16_t count = uint16_t(triangles.size() / 3);
    out.u16(count);
    for (size_t f = 0; f < triangles.size(); f += 3) {
        // The loader reverses the corner order.
        out.u16(uint16_t(triangles[f]));
        out.u16(uint16_t(triangles[f + 2]));
        out.u16(uint16_t(triangles[f + 1]));
        out.u16(0);
    }
    {
        ChunkScope group(out, kFaceMaterial);
        out.cstring(material);
        out.u16(count);
        for (uint16_t f = 0; f < count; ++f) out.u16(f);
    }
    ChunkScope smoothing(out, kSmoothing);
    for (uint16_t f = 0; f < count; ++f) out.u32(1);
}

void writeSurface(ByteWriter& out, const Surface& s, const std::string& material, int& objectNumber)
{
    std::vector<uint32_t> vertices, triangles;
    std::unordered_map<uint32_t, uint32_t> local;
    auto flush = [&] {
        if (!triangles.empty())
            writeObject(out, "object" + std::to_string(objectNumber++), material, s, vertices, triangles);
        vertices.clear();
        triangles.clear();
        local.clear();
    };
    for (size_t f = 0; f + 2 < s.indices.size(); f += 3) {
        size_t fresh = 0;
        for (int k = 0; k < 3; ++k) fresh += local.count(s.indices[f + k]) ? 0 : 1;
        if (vertices.size() + fresh > kMaxCount || triangles.size() / 3 + 1 > kMaxCount) flush();
        for (int k = 0; k < 3; ++k) {
            auto [it, added] = local.emplace(s.indices[f + k], uint32_t(vertices.size()));
            if (added) vertices.push_back(s.indices[f + k]);
            triangles.push_back(it->second);
        }
    }
    flush();
}

}  // namespace

std::vector<uint8_t> write3ds(const Mesh& mesh)
{
    ByteWriter out;
    {
        ChunkScope main(out, kMain);
        {
            ChunkScope version(out, kVersion);
            out.u32(kFileVersion);
        }
        ChunkScope editor(out, kEditor);
        {
            ChunkScope version(out, kMeshVersion);
            out.u32(kFileVersion);
        }
        for (size_t i = 0; i < mesh.surfaces.size(); ++i)
            writeMaterial(out, materialName(mesh.surfaces[i], i), mesh.surfaces[i].diffuse);
        int objectNumber = 0;
        for (size_t i = 0; i < mesh.surfaces.size(); ++i)
            writeSurface(out, mesh.surfaces[i], materialName(mesh.surfaces[i], i), objectNumber);
    }
    return out.bytes;
}

}  // namespace model
