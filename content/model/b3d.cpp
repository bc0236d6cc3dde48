#include "content/model/b3d.h"

#include <algorithm>
#include <unordered_map>

#include "content/model/bytes.h"

namespace model {

namespace {

constexpr uint32_t kMaxBufferVertices = 65535;  // what 16-bit indices reach
constexpr int32_t kB3dVersion = 1;
constexpr int32_t kVertexNormals = 1, kVertexColours = 2;
constexpr int32_t kKeyPosition = 1, kKeyRotation = 4;

// One mesh buffer as written: the vertices it owns (as indices into the mesh's
// vertices, surfaces in order) and its triangles in its own numbering.
struct Buffer {
    std::vector<uint32_t> source;
    std::vector<uint32_t> triangles;
};

std::vector<Buffer> splitBuffers(const Mesh& mesh)
{
    std::vector<Buffer> buffers;
    uint32_t surfaceStart = 0;
    for (const Surface& s : mesh.surfaces) {
        if (!s.indices.empty()) {
            buffers.emplace_back();
            std::unordered_map<uint32_t, uint32_t> local;
            for (size_t f = 0; f + 2 < s.indices.size(); f += 3) {
                size_t fresh = 0;
                for (int k = 0; k < 3; ++k) fresh += local.count(s.indices[f + k]) ? 0 : 1;
                if (buffers.back().source.size() + fresh > kMaxBufferVertices) {
                    buffers.emplace_back();
                    local.clear();
                }
                Buffer& b = buffers.back();
                for (int k = 0; k < 3; ++k) {
                    auto [it, added] = local.emplace(s.indices[f + k], uint32_t(b.source.size()));
                    if (added) b.source.push_back(surfaceStart + s.indices[f + k]);
                    b.triangles.push_back(it->second);
                }
            }
        }
        surfaceStart += uint32_t(s.vertices.size());
    }
    return buffers;
}

std::vector<const Vertex*> flatVertices(const Mesh& mesh)
{
    std::vector<const Vertex*> all;
    for (const Surface& s : mesh.surfaces)
        for (const Vertex& v : s.vertices) all.push_back(&v);
    return all;
}

void writeQuaternion(ByteWriter& out, const Quaternion& q)
{
    // The loader reads rotations transposed: the file holds the conjugate.
    out.f32(q.w);
    out.f32(-q.x);
    out.f32(-q.y);
    out.f32(-q.z);
}

size_t beginChunk(ByteWriter& out, const char* tag)
{
    out.tag(tag);
    return out.placeholder();
}

void endChunk(ByteWriter& out, size_t lengthAt) { out.patch(lengthAt, lengthAt + 4); }

void writeNodeHeader(ByteWriter& out, const std::string& name, Vec3 position)
{
    out.cstring(name);
    for (float v : {position.x, position.y, position.z, 1.0f, 1.0f, 1.0f}) out.f32(v);
    writeQuaternion(out, Quaternion{});
}

void writeMesh(ByteWriter& out, const std::vector<const Vertex*>& all, const std::vector<Buffer>& buffers)
{
    size_t mesh = beginChunk(out, "MESH");
    out.i32(-1);  // no brush
    bool coloured = false;
    for (const Vertex* v : all)
        coloured = coloured || v->colour.r != 1 || v->colour.g != 1 || v->colour.b != 1 || v->colour.a != 1;
    size_t vrts = beginChunk(out, "VRTS");
    out.i32(kVertexNormals | (coloured ? kVertexColours : 0));
    out.i32(1);  // texture coordinate sets
    out.i32(2);  // components per set
    for (const Buffer& b : buffers)
        for (uint32_t i : b.source) {
            const Vertex& v = *all[i];
            for (float f : {v.position.x, v.position.y, v.position.z, v.normal.x, v.normal.y, v.normal.z}) out.f32(f);
            if (coloured)
                for (float f : {v.colour.r, v.colour.g, v.colour.b, v.colour.a}) out.f32(f);
            out.f32(v.uv.x);
            out.f32(v.uv.y);
        }
    endChunk(out, vrts);
    uint32_t start = 0;
    for (const Buffer& b : buffers) {
        size_t tris = beginChunk(out, "TRIS");
        out.i32(-1);
        for (uint32_t i : b.triangles) out.i32(int32_t(start + i));
        endChunk(out, tris);
        start += uint32_t(b.source.size());
    }
    endChunk(out, mesh);
}

// Where each mesh vertex ended up in the file (several places when it was split across buffers).
std::vector<std::vector<uint32_t>> writtenPlaces(size_t vertexCount, const std::vector<Buffer>& buffers)
{
    std::vector<std::vector<uint32_t>> places(vertexCount);
    uint32_t written = 0;
    for (const Buffer& b : buffers)
        for (uint32_t i : b.source) places[i].push_back(written++);
    return places;
}

struct BoneWriter {
    ByteWriter& out;
    const AnimatedMesh& animated;
    std::vector<std::vector<std::pair<uint32_t, float>>> weights;  // per bone: (written vertex, weight)

    void write(int bone)
    {
        const Bone& b = animated.bones[size_t(bone)];
        size_t node = beginChunk(out, "NODE");
        writeNodeHeader(out, b.name, b.position);
        size_t boneChunk = beginChunk(out, "BONE");
        for (auto [vertex, weight] : weights[size_t(bone)]) {
            out.i32(int32_t(vertex));
            out.f32(weight);
        }
        endChunk(out, boneChunk);
        if (!b.keys.empty()) {
            size_t keys = beginChunk(out, "KEYS");
            out.i32(kKeyPosition | kKeyRotation);
            for (const BoneKey& k : b.keys) {
                out.i32(k.frame + 1);  // the loader counts file frames from 1
                for (float f : {k.position.x, k.position.y, k.position.z}) out.f32(f);
                writeQuaternion(out, k.rotation);
            }
            endChunk(out, keys);
        }
        for (size_t child = 0; child < animated.bones.size(); ++child)
            if (animated.bones[child].parent == bone) write(int(child));
        endChunk(out, node);
    }
};

std::vector<uint8_t> writeFile(const Mesh& mesh, const AnimatedMesh* animated)
{
    ByteWriter out;
    size_t file = beginChunk(out, "BB3D");
    out.i32(kB3dVersion);
    size_t root = beginChunk(out, "NODE");
    writeNodeHeader(out, "root", {});
    if (animated) {
        size_t anim = beginChunk(out, "ANIM");
        out.i32(0);
        out.i32(animated->frameCount());
        out.f32(animated->framesPerSecond);
        endChunk(out, anim);
    }
    std::vector<const Vertex*> all = flatVertices(mesh);
    std::vector<Buffer> buffers = splitBuffers(mesh);
    writeMesh(out, all, buffers);
    if (animated) {
        BoneWriter bones{out, *animated, std::vector<std::vector<std::pair<uint32_t, float>>>(animated->bones.size())};
        std::vector<std::vector<uint32_t>> places = writtenPlaces(all.size(), buffers);
        for (size_t v = 0; v < all.size() && v < animated->influences.size(); ++v)
            for (const Influence& in : animated->influences[v])
                for (uint32_t place : places[v]) bones.weights[size_t(in.bone)].push_back({place, in.weight});
        for (size_t b = 0; b < animated->bones.size(); ++b)
            if (animated->bones[b].parent < 0) bones.write(int(b));
    }
    endChunk(out, root);
    endChunk(out, file);
    return out.bytes;
}

}  // namespace

std::vector<uint8_t> writeB3d(const Mesh& mesh) { return writeFile(mesh, nullptr); }

std::vector<uint8_t> writeB3d(const AnimatedMesh& animated) { return writeFile(animated.mesh, &animated); }

int AnimatedMesh::addBone(const Bone& bone)
{
    bones.push_back(bone);
    return int(bones.size() - 1);
}

void AnimatedMesh::bindAll(int bone)
{
    bindEach([&](const Vertex&) { return std::vector<Influence>{{bone, 1.0f}}; });
}

void AnimatedMesh::bindEach(const std::function<std::vector<Influence>(const Vertex&)>& influencesOf)
{
    influences.clear();
    for (const Surface& s : mesh.surfaces)
        for (const Vertex& v : s.vertices) influences.push_back(influencesOf(v));
}

int AnimatedMesh::frameCount() const
{
    int last = 0;
    for (const Bone& b : bones)
        for (const BoneKey& k : b.keys) last = std::max(last, k.frame);
    return last;
}

}  // namespace model
