// The B3D writer: static meshes, and meshes animated by bones (node keys with
// vertex weights), as the engine's loader reads them. Each surface becomes one
// mesh buffer (split further when it has more vertices than 16-bit indices reach);
// no textures or brushes are written: the game gives every node its textures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "content/model/mesh.h"

namespace model {

std::vector<uint8_t> writeB3d(const Mesh& mesh);

struct BoneKey {
    int frame = 0;          // the engine's frame number (the first frame is 0)
    Vec3 position;          // relative to the parent bone (or the model's origin)
    Quaternion rotation;
};

struct Bone {
    std::string name;
    int parent = -1;        // index of the parent bone; -1 hangs it on the model's root
    Vec3 position;          // rest position relative to the parent; the rest pose is unrotated
    std::vector<BoneKey> keys;
};

struct Influence {
    int bone = 0;
    float weight = 1.0f;
};

// Vertices move only through their bones' influences; weights of a vertex should sum to 1.
struct AnimatedMesh {
    Mesh mesh;
    std::vector<Bone> bones;
    std::vector<std::vector<Influence>> influences;  // one list per vertex, surfaces in order
    float framesPerSecond = 30.0f;

    int addBone(const Bone& bone);                        // returns its index
    void bindAll(int bone);                               // every vertex follows one bone
    void bindEach(const std::function<std::vector<Influence>(const Vertex&)>& influencesOf);
    // The engine's frame count, which is the last key's frame number: a node shows
    // frames 0 .. count - 1, so a pose meant to be shown needs a key after it.
    int frameCount() const;
};

std::vector<uint8_t> writeB3d(const AnimatedMesh& animated);

}  // namespace model
