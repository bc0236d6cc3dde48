// The turning blades of holes 5, 8 and 18 (hole_5_blade.b3d, hole_8_blade.b3d,
// hole_18_blade.b3d): a painted wooden paddle of two arms, like a windmill sail, with
// a spar down each face, iron straps across and an iron hub cap. Each model is centred
// on its hub (the node sits at the hub, and the physics turns it about the origin) and
// fills its hole's blade box: hole 5's paddle lies in the x-y plane (it spins about z),
// the others' in the y-z plane (they spin about x).
//
// The node shows fence.jpg: the paddle's faces take its boards, the rest its timber;
// vertex colours paint the arms and blacken the iron.
#include <string>
#include <vector>

#include "content/model/b3d.h"
#include "content/model/shapes.h"
#include "content/output.h"
#include "content/registry.h"
#include "content/town/blades.h"
#include "content/town/kit.h"

namespace town {

namespace {

using model::Mesh;

constexpr int kFenceAtlas = 512;              // fence.jpg, laid out by the buildings' generator
constexpr Region kTimber{0, 0, 512, 256};     // grain along u
constexpr Region kBoards{0, 256, 512, 256};   // planks along u, four across
constexpr float kTimberPerUnit = 0.4f;

// The paddle of hole 5, in metres of the hole: its box is 0.5 x 1.5 x 0.2.
constexpr float kHalfLength = 0.75f;   // each arm, from the hub to its tip (y)
constexpr float kHalfWidth = 0.25f;    // at the arm's widest (x)
constexpr float kWaist = 0.2f;         // half the width beside the hub
constexpr float kTipRound = 0.07f;     // the tips' corners are cut this far back
constexpr float kBoard = 0.045f;       // half the board's thickness (z)
constexpr float kSpar = 0.028f;        // radius of the spar on each face
constexpr float kHubRadius = 0.12f;
constexpr float kHubHalf = 0.1f;       // the hub cap reaches this far either side (z): half the box
constexpr float kStrapHalf = 0.025f;   // half an iron strap's width (y)
constexpr float kStrapProud = 0.012f;  // how far a strap stands off the board
const float kStraps[] = {0.32f, 0.6f}; // distances of the straps from the hub

const Rgba kRed = rgb(200, 64, 48), kCream = rgb(244, 230, 196), kIron = rgb(54, 50, 48);

Mesh& inAtlas(Mesh& m, Region r, float uScale = 1.0f) { return inRegion(m, r, kFenceAtlas, kFenceAtlas, uScale); }

// The board's outline in (x, y): narrow at the hub, full width out along each arm,
// corners cut at the tips.
std::vector<Vec2> outline()
{
    const float h = kHalfLength, w = kHalfWidth, c = kTipRound;
    return {{-kWaist, 0}, {-w, 0.22f}, {-w, h - c}, {-w + c, h}, {w - c, h}, {w, h - c}, {w, 0.22f}, {kWaist, 0},
            {w, -0.22f}, {w, -h + c}, {w - c, -h}, {-w + c, -h}, {-w, -h + c}, {-w, -0.22f}};
}

// The board, its faces showing planks along the arms and its edges timber.
Mesh board()
{
    Mesh m = model::extrude(outline(), -kBoard, kBoard).rotateX(-90);  // (x, z) outline onto (x, y), thickness along z
    for (model::Surface& s : m.surfaces)
        for (model::Vertex& v : s.vertices) {
            const bool face = std::fabs(v.normal.z) > 0.7f;
            v.uv = face ? Vec2{v.position.y, (v.position.x + kHalfWidth) / (2 * kHalfWidth)}
                        : Vec2{(v.position.x + v.position.y) * kTimberPerUnit, 0.5f + v.position.z};
        }
    Mesh faces, edges;
    for (model::Surface& s : m.surfaces)
        for (size_t f = 0; f + 2 < s.indices.size(); f += 3) {
            const bool face = std::fabs(s.vertices[s.indices[f]].normal.z) > 0.7f;
            model::Surface& to = (face ? faces : edges).surface();
            const uint32_t a = to.add(s.vertices[s.indices[f]]), b = to.add(s.vertices[s.indices[f + 1]]),
                           c = to.add(s.vertices[s.indices[f + 2]]);
            to.triangle(a, b, c);
        }
    inAtlas(faces, kBoards, kTimberPerUnit);
    inAtlas(edges, kTimber);
    return faces.add(edges).paint([](const model::Vertex& v) {
        return std::fabs(v.position.y) > 0.5f * kHalfLength ? kRed : kCream;  // red tips turn where a player sees them
    });
}

Mesh iron(Mesh part) { return std::move(inAtlas(part, kTimber, kTimberPerUnit).paint(kIron)); }

Mesh paddle()
{
    Mesh m = board();
    for (float side : {-1.0f, 1.0f}) {
        const float z = side * (kBoard + kSpar * 0.8f);
        Mesh spar = rod({0, -kHalfLength + 0.02f, z}, {0, kHalfLength - 0.02f, z}, kSpar, 6);
        m.add(inAtlas(spar, kTimber, kTimberPerUnit).paint([](const model::Vertex& v) {
            return std::fabs(v.position.y) > 0.5f * kHalfLength ? kRed : kCream;
        }));
        for (float along : kStraps)
            for (float arm : {-1.0f, 1.0f}) {
                const float y = arm * along, w = kHalfWidth - 0.004f;
                m.add(iron(model::box({-w, y - kStrapHalf, side > 0 ? kBoard : -kBoard - kStrapProud},
                                      {w, y + kStrapHalf, side > 0 ? kBoard + kStrapProud : -kBoard})));
            }
    }
    // The hub cap: an iron boss through the board, domed both sides.
    Mesh hub = model::lathe({{0, -kHubHalf}, {kHubRadius * 0.55f, -kHubHalf}, {kHubRadius, -kHubHalf * 0.55f},
                             {kHubRadius, kHubHalf * 0.55f}, {kHubRadius * 0.55f, kHubHalf}, {0, kHubHalf}},
                            16, 40.0f);
    m.add(iron(hub.rotateX(90)));
    return m;
}

}  // namespace

model::Mesh bladeModel(int hole)
{
    Mesh m = paddle();
    if (hole != 5) m.rotateY(90);  // thin in x, spinning about x
    return m;
}

namespace {

void generateBlades(ContentOutput& output)
{
    for (int hole : kBladeHoles) {
        Mesh blade = bladeModel(hole);
        output.write("Models/hole_" + std::to_string(hole) + "_blade.b3d", model::writeB3d(blade.rename("blade")));
    }
}

}  // namespace

}  // namespace town

REGISTER_GENERATOR(town_blades, town::generateBlades);
