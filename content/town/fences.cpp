// Fence sections (hole_N_fence.b3d), about 4 units long along x, standing on their
// origin: a post-and-rail fence of split rails, a picket fence, and a broken section
// with a snapped post, a leaning one and fallen rails. They show the buildings'
// fence.jpg: posts and rails take its timber, with the grain along them.
#include <cmath>
#include <vector>

#include "content/model/shapes.h"
#include "content/town/prop_parts.h"

namespace town {

namespace {

using model::Mesh;

constexpr int kFenceAtlas = 512;             // fence.jpg, laid out by the buildings' generator
constexpr Region kTimber{0, 0, 512, 256};    // posts and rails, grain along u
constexpr float kTimberPerUnit = 0.4f;       // repeats of the grain per unit

constexpr float kPostSpacing = 1.95f;        // three posts: at -spacing, 0 and +spacing
constexpr float kPostWidth = 0.17f;
constexpr float kPostHeight = 1.3f;
constexpr float kRailWidth = 0.13f, kRailDepth = 0.09f;
const float kRailHeights[] = {0.42f, 0.8f, 1.15f};

constexpr float kPicketWidth = 0.14f, kPicketThickness = 0.035f, kPicketHeight = 1.0f, kPicketPoint = 0.09f;
constexpr float kPicketGap = 0.13f;          // between pickets
const float kPicketRails[] = {0.28f, 0.8f};

Mesh timber(Mesh part) { return std::move(inRegion(part, kTimber, kFenceAtlas, kFenceAtlas, kTimberPerUnit)); }

Mesh post(float x, float height, float lean = 0)
{
    const float lift = std::fabs(std::sin(model::radians(lean))) * kPostWidth / 2;  // keeps the foot's low corner on the sand
    const Vec3 foot{x, lift, 0}, top{x + std::sin(model::radians(lean)) * height, lift + std::cos(model::radians(lean)) * height, 0};
    Mesh m = timber(beam(foot, top, kPostWidth, kPostWidth, {0, 0, 1}));
    return m;
}

// A split rail: a rough beam laid on the posts' front, its ends a little proud of them.
Mesh rail(Vec3 a, Vec3 b) { return timber(beam(a, b, kRailWidth, kRailDepth, {0, 0, 1})); }

constexpr float kRailFront = -(kPostWidth + kRailDepth) / 2;  // z of a rail resting against the posts' front

// Each bay's rails sag or lift a little, as old split rails do.
Mesh postAndRail()
{
    Mesh m;
    for (int k = -1; k <= 1; ++k) m.add(post(float(k) * kPostSpacing, kPostHeight));
    const float wobble[2][3] = {{0.02f, -0.03f, 0.01f}, {-0.02f, 0.02f, -0.015f}};
    for (int bay = 0; bay < 2; ++bay) {
        const float x0 = bay == 0 ? -kPostSpacing - 0.12f : -0.06f, x1 = bay == 0 ? 0.06f : kPostSpacing + 0.12f;
        for (int r = 0; r < 3; ++r) {
            const float y = kRailHeights[r];
            const float z = kRailFront - (bay == 1 ? 0.0f : 0.01f);
            m.add(rail({x0, y + wobble[bay][r], z}, {x1, y - wobble[bay][r], z}));
        }
    }
    return m;
}

Mesh picket(float x)
{
    const float w = kPicketWidth / 2;
    const std::vector<Vec2> outline = {{-w, 0}, {w, 0}, {w, kPicketHeight}, {0, kPicketHeight + kPicketPoint}, {-w, kPicketHeight}};
    // The (x, z) outline raised along y, then stood up: z onto y, the thickness along z.
    Mesh m = model::extrude(outline, -kPicketThickness / 2, kPicketThickness / 2).rotateX(-90);
    for (model::Surface& s : m.surfaces)
        for (model::Vertex& v : s.vertices) v.uv = {v.position.y, std::fabs(v.normal.z) > 0.7f ? (v.position.x + w) / (2 * w) : 0.5f};
    return timber(std::move(m.translate({x, 0, kRailFront - 0.02f})));
}

Mesh picketFence()
{
    Mesh m;
    for (int k = -1; k <= 1; ++k) {
        const float x = float(k) * kPostSpacing;
        m.add(post(x, kPicketHeight + 0.15f));
        m.add(timber(model::cone(kPostWidth * 0.75f, 0.02f, 0.14f, 4).rotateY(45).translate({x, kPicketHeight + 0.15f, 0})));
    }
    for (float y : kPicketRails) m.add(timber(beam({-kPostSpacing - 0.1f, y, -0.03f}, {kPostSpacing + 0.1f, y, -0.03f}, 0.1f, 0.06f, {0, 0, 1})));
    const int count = int(2 * kPostSpacing / (kPicketWidth + kPicketGap)) + 1;
    const float first = -float(count - 1) * (kPicketWidth + kPicketGap) / 2;
    for (int k = 0; k < count; ++k) m.add(picket(first + float(k) * (kPicketWidth + kPicketGap)));
    return m;
}

// A section that has seen a wagon: the middle post snapped, the right one leaning,
// one rail hanging from its last nail and two on the ground.
Mesh brokenSection()
{
    Mesh m;
    m.add(post(-kPostSpacing, kPostHeight));
    m.add(post(0, 0.62f, -6));
    m.add(timber(beam({0.0f, 0.55f, 0}, {0.05f, 0.78f, 0.02f}, kPostWidth * 0.6f, kPostWidth * 0.5f, {0, 0, 1})));  // splinter
    m.add(post(kPostSpacing, kPostHeight, 16));
    const float z = kRailFront;
    m.add(rail({-kPostSpacing - 0.12f, kRailHeights[2], z}, {-0.2f, 1.02f, z - 0.02f}));              // sagging top rail
    m.add(rail({-kPostSpacing - 0.12f, kRailHeights[0], z}, {-0.15f, 0.09f, z - 0.15f}));             // hanging to the ground
    m.add(rail({-kPostSpacing + 0.05f, kRailHeights[1], z}, {-0.6f, 0.66f, z - 0.03f}));              // a stub left on its nail
    m.add(rail({0.3f, kRailWidth / 2, -0.45f}, {2.1f, kRailWidth / 2, -0.8f}));                        // fallen
    m.add(rail({0.4f, kRailWidth / 2, -0.75f}, {1.7f, kRailWidth * 1.5f, -0.2f}));       // fallen across it
    const float topX = kPostSpacing + std::sin(model::radians(16)) * kRailHeights[1];
    m.add(rail({topX + 0.08f, kRailHeights[1] * std::cos(model::radians(16)), z}, {0.5f, 0.12f, z - 0.1f}));  // slid down
    // Lying rails rest on the sand: none reaches below it.
    return m;
}

}  // namespace

model::Mesh fenceModel(int variant)
{
    switch (std::abs(variant) % 3) {
    case 0: return postAndRail();
    case 1: return picketFence();
    default: return brokenSection();
    }
}

}  // namespace town
