// The steam train of holes 17 and 18 (hole_N_train.b3d), one prop along z:
//   variant 0: an American 4-4-0 engine (front towards -z), its tender and a passenger
//              coach standing on a length of track with ties on a ballast bed;
//   variant 1: the same track alone, longer (for a siding or to carry the line on).
// Both stand on their origin, the track centred on it. train.jpg holds the Russia-iron
// boiler with its brass bands, black iron, red paint, brass, the ties, ballast and
// coal, and pictures: the cab side, the smokebox door, the wheels, the coach and
// tender sides, the roof and the headlamp.
#include <cmath>
#include <string>
#include <vector>

#include "content/art/noise.h"
#include "content/art/text.h"
#include "content/model/shapes.h"
#include "content/output.h"
#include "content/town/prop_parts.h"
#include "content/town/town_art.h"

namespace town {

namespace {

using model::Mesh;

constexpr int kAtlas = 1024;
constexpr Region kBoiler{0, 0, 1024, 128};        // u along the boiler, v round it
constexpr Region kIron{0, 128, 1024, 48};
constexpr Region kRail{0, 176, 1024, 16};
constexpr Region kBrass{0, 192, 1024, 64};          // down the turned parts' profiles
constexpr Region kRed{0, 256, 1024, 64};           // red paint, grain along u
constexpr Region kGreen{0, 320, 1024, 64};         // the coach's and tender's green
constexpr Region kTies{0, 384, 1024, 64};          // grain along u
constexpr Region kBallast{0, 448, 1024, 64};
constexpr Region kCabSide{0, 512, 256, 256};
constexpr Region kSmokeboxDoor{256, 512, 256, 256};
constexpr Region kDriverWheel{512, 512, 256, 256};
constexpr Region kSmallWheel{768, 512, 256, 256};
constexpr Region kCoachSide{0, 768, 1024, 128};    // once along the coach
constexpr Region kTenderSide{0, 896, 512, 128};    // once along the tender
constexpr Region kRoof{512, 896, 128, 128};
constexpr Region kCoal{640, 896, 128, 128};        // once over the heap
constexpr Region kLamp{768, 896, 128, 128};
constexpr Region kCabFront{896, 896, 128, 128};

constexpr float kBoilerPerUnit = 0.25f;            // repeats of kBoiler per unit along the boiler
constexpr float kPaintPerUnit = 0.3f, kIronPerUnit = 0.5f;

// The track, in units: gauge, rails, ties and the ballast bed.
constexpr float kRailX = 0.72f;                    // half the gauge
constexpr float kBallastTop = 0.15f, kTieTop = 0.3f, kRailTop = 0.44f;
constexpr float kTieLength = 2.6f, kTieWidth = 0.22f, kTieSpacing = 0.7f;
constexpr float kTrackLength = 28.0f;              // variant 0; variant 1 is longer
constexpr float kLongTrack = 40.0f;

// Where each vehicle's middle stands along the train (before the whole is centred).
constexpr float kTenderAt = 5.9f, kCoachAt = 13.9f;
constexpr float kTrainFront = -6.3f, kTrainBack = 19.0f;

// ---------------------------------------------------------------- parts

Mesh& at(Mesh& m, Region r, float uScale = 1.0f) { return inRegion(m, r, kAtlas, kAtlas, uScale); }
Mesh at(Mesh&& m, Region r, float uScale = 1.0f) { return std::move(inRegion(m, r, kAtlas, kAtlas, uScale)); }

// A box whose every face shows the region once.
Mesh block(Vec3 lo, Vec3 hi, Region r) { return at(crate(lo, hi), r); }
// A box of paint or iron whose long faces carry the grain along them.
Mesh bar(Vec3 a, Vec3 b, float width, float depth, Region r, float perUnit, Vec3 up = {0, 1, 0})
{
    return at(beam(a, b, width, depth, up), r, perUnit);
}

// A panel showing its picture outside only: the inside (a plate's second four corners)
// takes plain paint from the middle of another region.
Mesh pictureOutside(Mesh panel, Region picture, Region inside)
{
    at(panel, picture);
    model::Surface& s = panel.surfaces[0];
    const Vec2 paint{(float(inside.x) + float(inside.width) / 2) / kAtlas, (float(inside.y) + float(inside.height) / 2) / kAtlas};
    for (size_t k = 4; k < 8 && k < s.vertices.size(); ++k) s.vertices[k].uv = paint;
    return panel;
}

// A lathe-turned part (domes, the stack, the bell) round a vertical axis at `base`.
Mesh turnedPart(const std::vector<Vec2>& profile, Vec3 base, int segments, Region r)
{
    return at(turned(profile, segments, 70.0f).translate(base), r, 2.0f);
}

// A wheel on an axle along x: a picture on both faces and the tyre round it.
Mesh trainWheel(Vec3 centre, float radius, float width, Region picture, int segments)
{
    Mesh m;
    m.add(at(roundel(centre + Vec3{width / 2, 0, 0}, {1, 0, 0}, radius, segments), picture));
    m.add(at(roundel(centre - Vec3{width / 2, 0, 0}, {-1, 0, 0}, radius, segments), picture));
    m.add(at(rod(centre - Vec3{width / 2, 0, 0}, centre + Vec3{width / 2, 0, 0}, radius, segments, false), kIron, 1.0f));
    return m;
}

// A pair of wheels on their axle, resting on the rails at z.
Mesh wheelset(float z, float radius, Region picture, int segments)
{
    const float y = kRailTop + radius;
    Mesh m = trainWheel({-kRailX, y, z}, radius, 0.12f, picture, segments);
    m.add(trainWheel({kRailX, y, z}, radius, 0.12f, picture, segments));
    m.add(at(rod({-kRailX + 0.06f, y, z}, {kRailX - 0.06f, y, z}, 0.07f, 5, false), kIron, 1.0f));
    return m;
}

// A four-wheeled truck under a tender or a coach, its middle at z.
Mesh truck(float z)
{
    constexpr float kHalfBase = 0.55f, kRadius = 0.4f;
    Mesh m = wheelset(z - kHalfBase, kRadius, kSmallWheel, 10);
    m.add(wheelset(z + kHalfBase, kRadius, kSmallWheel, 10));
    const float y = kRailTop + kRadius;
    for (float side : {-1.0f, 1.0f})  // the side frames outside the wheels
        m.add(bar({side * (kRailX + 0.13f), y, z - 0.85f}, {side * (kRailX + 0.13f), y, z + 0.85f}, 0.06f, 0.22f, kIron, kIronPerUnit));
    m.add(block({-kRailX - 0.16f, y + 0.05f, z - 0.2f}, {kRailX + 0.16f, y + 0.25f, z + 0.2f}, kIron));  // the bolster
    return m;
}

// ---------------------------------------------------------------- the track

Mesh track(float length)
{
    Mesh m;
    const float half = length / 2;
    // The ballast bed, sloping to the sand at its sides (no bottom: it lies on the sand).
    const float top = kTieLength / 2 + 0.25f, foot = top + 0.45f;
    const Vec3 profile[4] = {{-foot, 0, 0}, {-top, kBallastTop, 0}, {top, kBallastTop, 0}, {foot, 0, 0}};
    for (int k = 0; k < 3; ++k) {
        const Vec3 a = profile[k], b = profile[k + 1];
        Mesh face = model::quad(a + Vec3{0, 0, half}, b + Vec3{0, 0, half}, b + Vec3{0, 0, -half}, a + Vec3{0, 0, -half});
        for (model::Surface& s : face.surfaces)
            for (model::Vertex& v : s.vertices) v.uv = {v.position.z * 0.5f, (v.position.x + foot) / (2 * foot)};
        if (face.surfaces[0].vertices[0].normal.y < 0) face.flipFaces();
        m.add(at(std::move(face), kBallast, 1.0f));
    }
    const int ties = int(length / kTieSpacing);
    for (int k = 0; k < ties; ++k) {
        const float z = -half + kTieSpacing * (float(k) + 0.5f);
        m.add(bar({-kTieLength / 2, (kBallastTop + kTieTop) / 2, z}, {kTieLength / 2, (kBallastTop + kTieTop) / 2, z},
                  kTieWidth, kTieTop - kBallastTop, kTies, 0.5f));
    }
    for (float side : {-1.0f, 1.0f})
        m.add(bar({side * kRailX, (kTieTop + kRailTop) / 2, -half}, {side * kRailX, (kTieTop + kRailTop) / 2, half}, 0.08f,
                  kRailTop - kTieTop, kRail, 0.1f));
    // The ends of the ballast bed.
    for (float end : {-1.0f, 1.0f}) {
        Mesh cap;
        model::Surface& s = cap.surface();
        for (const Vec3& p : profile) s.add({p + Vec3{0, 0, end * half}, {0, 0, end}, {0.0f, (p.x + foot) / (2 * foot)}, {1, 1, 1, 1}});
        const bool facing = model::dot(model::cross(s.vertices[1].position - s.vertices[0].position,
                                                    s.vertices[2].position - s.vertices[0].position), Vec3{0, 0, end}) > 0;
        if (facing) s.quad(0, 1, 2, 3);
        else s.quad(0, 3, 2, 1);
        m.add(at(std::move(cap), kBallast, 1.0f));
    }
    return m;
}

// ---------------------------------------------------------------- the engine (its middle between the drivers)

constexpr float kDriverRadius = 0.82f, kTruckWheelRadius = 0.42f;
constexpr float kBoilerRadius = 0.72f, kBoilerY = 2.35f;
constexpr float kSmokeboxFront = -5.2f, kBoilerBack = 0.6f, kCabBack = 2.8f;
constexpr float kFootplate = 1.62f;

Mesh engineRunningGear()
{
    Mesh m;
    for (float z : {-0.95f, 0.95f}) m.add(wheelset(z, kDriverRadius, kDriverWheel, 16));
    for (float z : {-4.6f, -3.6f}) m.add(wheelset(z, kTruckWheelRadius, kSmallWheel, 12));
    const float hub = kRailTop + kDriverRadius;
    for (float side : {-1.0f, 1.0f}) {
        const float x = side * (kRailX + 0.12f);
        m.add(bar({x, hub - 0.3f, -0.95f}, {x, hub - 0.3f, 0.95f}, 0.05f, 0.1f, kIron, kIronPerUnit));  // coupling rod
        m.add(bar({x + side * 0.06f, 1.3f, -3.6f}, {x + side * 0.06f, hub - 0.3f, -0.95f}, 0.05f, 0.09f, kIron, kIronPerUnit));  // main rod
        // The cylinder and its guide bars.
        m.add(at(rod({side * 1.05f, 1.3f, -4.65f}, {side * 1.05f, 1.3f, -3.65f}, 0.3f, 12), kIron, kIronPerUnit));
        m.add(bar({side * 1.0f, 1.3f, -3.65f}, {side * 1.0f, 1.3f, -2.5f}, 0.05f, 0.05f, kIron, kIronPerUnit));
        // A splasher over each driver, and the running board outside them.
        for (float z : {-0.95f, 0.95f}) {
            std::vector<Vec3> arc;
            for (int k = 0; k <= 6; ++k) {
                const float a = model::kPi * float(k) / 6;
                arc.push_back({side * kRailX, hub + std::sin(a) * (kDriverRadius + 0.06f), z - std::cos(a) * (kDriverRadius + 0.06f)});
            }
            for (int k = 0; k < 6; ++k) m.add(bar(arc[k], arc[k + 1], 0.04f, 0.2f, kRed, kPaintPerUnit, {side, 0, 0}));
        }
        m.add(bar({side * 0.95f, kFootplate, -4.2f}, {side * 0.95f, kFootplate, -1.9f}, 0.3f, 0.05f, kIron, kIronPerUnit));
    }
    // The frame, the saddle under the smokebox, the buffer beam and the pilot.
    m.add(bar({0, 1.35f, -5.45f}, {0, 1.35f, kCabBack + 0.2f}, 0.9f, 0.3f, kIron, kIronPerUnit));
    m.add(block({-0.9f, 1.45f, -4.55f}, {0.9f, 1.9f, -3.75f}, kIron));
    m.add(bar({-1.1f, 1.15f, -5.5f}, {1.1f, 1.15f, -5.5f}, 0.5f, 0.2f, kRed, kPaintPerUnit, {0, 0, 1}));
    // The cowcatcher: slats fanning down from the buffer beam to an iron V over the rails.
    constexpr float kPilotTip = -6.3f, kPilotHalf = 1.05f, kPilotSweep = 0.4f;  // the V's ends lie this much further back per unit out
    const float footY = kRailTop + 0.06f;
    for (int k = -3; k <= 3; ++k) {
        const float x = float(k) / 3, footX = x * kPilotHalf;
        const Vec3 foot{footX, footY, kPilotTip + std::fabs(footX) * kPilotSweep};
        m.add(bar({x * 0.5f, 1.0f, -5.6f}, foot, 0.07f, 0.05f, kRed, kPaintPerUnit));
    }
    for (float side : {-1.0f, 1.0f})
        m.add(bar({side * kPilotHalf, footY, kPilotTip + kPilotHalf * kPilotSweep}, {0, footY, kPilotTip}, 0.08f, 0.08f, kIron, kIronPerUnit));
    return m;
}

Mesh engineBoiler()
{
    Mesh m;
    m.add(at(rod({0, kBoilerY, -4.2f}, {0, kBoilerY, kBoilerBack}, kBoilerRadius, 18, false), kBoiler, kBoilerPerUnit));
    m.add(at(rod({0, kBoilerY, kSmokeboxFront}, {0, kBoilerY, -4.15f}, kBoilerRadius + 0.06f, 18, false), kIron, kIronPerUnit));
    m.add(at(roundel({0, kBoilerY, kSmokeboxFront}, {0, 0, -1}, kBoilerRadius + 0.06f, 18), kSmokeboxDoor));
    // The balloon stack, the sand dome, the bell, the steam dome with its whistle.
    const float top = kBoilerY + kBoilerRadius - 0.08f;
    m.add(turnedPart({{0.2f, 0}, {0.2f, 0.55f}, {0.52f, 1.15f}, {0.5f, 1.45f}, {0.36f, 1.5f}, {0, 1.45f}}, {0, top, -4.7f}, 14, kIron));
    m.add(turnedPart({{0.3f, 0}, {0.3f, 0.3f}, {0.2f, 0.48f}, {0, 0.52f}}, {0, top, -2.9f}, 16, kBrass));
    m.add(turnedPart({{0.04f, 0}, {0.04f, 0.25f}, {0.2f, 0.3f}, {0.16f, 0.5f}, {0.06f, 0.6f}, {0, 0.62f}}, {0, top, -2.0f}, 10, kBrass));
    m.add(turnedPart({{0.38f, 0}, {0.36f, 0.45f}, {0.26f, 0.68f}, {0.08f, 0.76f}, {0.05f, 1.0f}, {0, 1.02f}}, {0, top, -1.1f}, 16, kBrass));
    // The headlamp on the smokebox, its lens looking ahead.
    const float lampY = kBoilerY + kBoilerRadius - 0.02f;
    m.add(block({-0.3f, lampY, -5.15f}, {0.3f, lampY + 0.55f, -4.6f}, kRed));
    m.add(at(roundel({0, lampY + 0.27f, -5.16f}, {0, 0, -1}, 0.22f, 12), kLamp));
    m.add(block({-0.2f, lampY + 0.55f, -5.0f}, {0.2f, lampY + 0.75f, -4.75f}, kIron));
    return m;
}

Mesh engineCab()
{
    constexpr float kHalf = 1.1f, kFloor = 2.15f, kEaves = 4.0f, kRidge = 4.3f;  // the floor clears the rear driver
    Mesh m;
    const float z0 = kBoilerBack, z1 = kCabBack;
    // Sides with their window and number, the front round the boiler, the back open above the floor.
    for (float side : {-1.0f, 1.0f}) {
        const Vec3 a{side * kHalf, kEaves, side < 0 ? z1 : z0}, b{side * kHalf, kEaves, side < 0 ? z0 : z1};
        m.add(pictureOutside(plate(a, b, b + Vec3{0, kFloor - kEaves, 0}, a + Vec3{0, kFloor - kEaves, 0}, 0.06f), kCabSide, kRed));
    }
    m.add(at(plate({-kHalf, kEaves, z0}, {kHalf, kEaves, z0}, {kHalf, kFloor, z0}, {-kHalf, kFloor, z0}, 0.05f), kCabFront));
    m.add(at(plate({kHalf, kFloor + 0.9f, z1}, {-kHalf, kFloor + 0.9f, z1}, {-kHalf, kFloor, z1}, {kHalf, kFloor, z1}, 0.05f), kRed));
    m.add(block({-kHalf, kFloor - 0.1f, z0}, {kHalf, kFloor, z1 + 0.2f}, kIron));
    // A roof of four boards arched over the cab, overhanging front and back.
    const int kBoards = 4;
    for (int k = 0; k < kBoards; ++k) {
        auto edge = [&](int i) {
            const float t = float(i) / kBoards, x = (t * 2 - 1) * (kHalf + 0.15f);
            return Vec3{x, kEaves + (kRidge - kEaves) * (1 - x * x / ((kHalf + 0.15f) * (kHalf + 0.15f))), 0};
        };
        const Vec3 p = edge(k), q = edge(k + 1);
        m.add(at(plate(p + Vec3{0, 0, z1 + 0.35f}, q + Vec3{0, 0, z1 + 0.35f}, q + Vec3{0, 0, z0 - 0.25f}, p + Vec3{0, 0, z0 - 0.25f}, 0.05f), kRoof));
    }
    return m;
}

Mesh engine()
{
    Mesh m = engineRunningGear();
    m.add(engineBoiler());
    m.add(engineCab());
    return m;
}

// ---------------------------------------------------------------- the tender (its middle at z 0)

Mesh tender()
{
    constexpr float kHalfLength = 2.5f, kHalfWidth = 1.15f, kBottom = 1.15f, kTop = 2.45f;
    Mesh m = truck(-1.6f);
    m.add(truck(1.6f));
    m.add(block({-kHalfWidth + 0.05f, 0.95f, -kHalfLength - 0.1f}, {kHalfWidth - 0.05f, kBottom, kHalfLength + 0.1f}, kIron));
    // The tank's sides carry the railroad's name; its ends and top are plain green.
    for (float side : {-1.0f, 1.0f}) {
        const float z0 = side < 0 ? kHalfLength : -kHalfLength;
        m.add(pictureOutside(plate({side * kHalfWidth, kTop, z0}, {side * kHalfWidth, kTop, -z0}, {side * kHalfWidth, kBottom, -z0},
                                   {side * kHalfWidth, kBottom, z0}, 0.04f), kTenderSide, kGreen));
    }
    for (float end : {-1.0f, 1.0f})
        m.add(bar({-kHalfWidth, (kBottom + kTop) / 2, end * kHalfLength}, {kHalfWidth, (kBottom + kTop) / 2, end * kHalfLength}, 0.06f,
                  kTop - kBottom, kGreen, kPaintPerUnit, {0, 0, 1}));
    m.add(block({-kHalfWidth, kTop - 0.05f, 0.2f}, {kHalfWidth, kTop, kHalfLength}, kGreen));
    m.add(at(model::cylinder(0.35f, 0.18f, 10).translate({0, kTop, 1.4f}), kIron, 1.0f));  // the water hatch
    // Coal heaped in the front half, above the sides.
    Mesh coal = model::heightField({-kHalfWidth + 0.06f, -kHalfLength + 0.06f}, {kHalfWidth - 0.06f, 0.2f}, 6, 7,
                                   [&](float x, float z) {
                                       const float across = 1 - std::pow(x / kHalfWidth, 2.0f);
                                       const float along = std::sin(model::kPi * (z + kHalfLength) / (kHalfLength + 0.2f));
                                       return kTop - 0.25f + 0.6f * across * along + 0.06f * hashUnit(int(x * 9), int(z * 9), 7);
                                   });
    for (model::Surface& s : coal.surfaces)
        for (model::Vertex& v : s.vertices) v.uv = {0.5f + v.position.x / (2 * kHalfWidth), (v.position.z + kHalfLength) / (kHalfLength + 0.2f)};
    m.add(at(std::move(coal), kCoal, 1.0f));
    return m;
}

// ---------------------------------------------------------------- the coach (its middle at z 0)

Mesh coach()
{
    constexpr float kHalfLength = 4.5f, kHalfWidth = 1.2f, kBottom = 1.2f, kEaves = 3.1f;
    constexpr float kPlatform = 0.6f;
    Mesh m = truck(-3.3f);
    m.add(truck(3.3f));
    m.add(block({-kHalfWidth + 0.1f, 1.0f, -kHalfLength - kPlatform}, {kHalfWidth - 0.1f, kBottom, kHalfLength + kPlatform}, kIron));
    for (float side : {-1.0f, 1.0f}) {
        const float z0 = side < 0 ? kHalfLength : -kHalfLength;
        m.add(pictureOutside(plate({side * kHalfWidth, kEaves, z0}, {side * kHalfWidth, kEaves, -z0}, {side * kHalfWidth, kBottom, -z0},
                                   {side * kHalfWidth, kBottom, z0}, 0.04f), kCoachSide, kGreen));
    }
    for (float end : {-1.0f, 1.0f}) {
        m.add(bar({-kHalfWidth, (kBottom + kEaves) / 2, end * kHalfLength}, {kHalfWidth, (kBottom + kEaves) / 2, end * kHalfLength}, 0.06f,
                  kEaves - kBottom, kGreen, kPaintPerUnit, {0, 0, 1}));
        // The end platform's railing.
        const float z = end * (kHalfLength + kPlatform - 0.05f);
        for (float side : {-1.0f, 1.0f}) {
            m.add(at(rod({side * 0.95f, kBottom, z}, {side * 0.95f, kBottom + 1.0f, z}, 0.03f, 4, false), kIron, 1.0f));
            m.add(at(rod({side * 0.95f, kBottom + 1.0f, z}, {side * 0.35f, kBottom + 1.0f, z}, 0.03f, 4, false), kIron, 1.0f));
        }
    }
    // The roof: a low arch over the whole, and the clerestory along its middle.
    auto arch = [&](float halfWidth, float eaves, float rise, float halfLength, int boards) {
        Mesh roof;
        for (int k = 0; k < boards; ++k) {
            auto edge = [&](int i) {
                const float x = (float(i) / boards * 2 - 1) * halfWidth;
                return Vec3{x, eaves + rise * (1 - x * x / (halfWidth * halfWidth)), 0};
            };
            const Vec3 p = edge(k), q = edge(k + 1);
            roof.add(at(plate(p + Vec3{0, 0, halfLength}, q + Vec3{0, 0, halfLength}, q + Vec3{0, 0, -halfLength},
                              p + Vec3{0, 0, -halfLength}, 0.04f), kRoof));
        }
        return roof;
    };
    m.add(arch(kHalfWidth + 0.12f, kEaves, 0.3f, kHalfLength + kPlatform, 4));
    m.add(block({-0.55f, kEaves + 0.2f, -kHalfLength + 0.3f}, {0.55f, kEaves + 0.55f, kHalfLength - 0.3f}, kGreen));
    m.add(arch(0.62f, kEaves + 0.55f, 0.12f, kHalfLength - 0.1f, 2));
    return m;
}

Mesh train()
{
    Mesh m = engine();
    m.add(tender().translate({0, 0, kTenderAt}));
    m.add(coach().translate({0, 0, kCoachAt}));
    for (float z : {kTenderAt - 2.75f, kCoachAt - 5.25f})  // couplers
        m.add(bar({0, 1.05f, z - 0.3f}, {0, 1.05f, z + 0.3f}, 0.16f, 0.16f, kIron, kIronPerUnit));
    m.translate({0, 0, -(kTrainFront + kTrainBack) / 2});
    m.add(track(kTrackLength));
    return m;
}

// ---------------------------------------------------------------- train.jpg

Rgba noisy(const Rgba& c, float u, float v, float amount, uint32_t seed)
{
    return clamped(scaled(c, 1.0f + amount * (tilingNoise(u, v, 16, 4, 3, seed) - 0.5f)));
}

TextureLayers paint(int w, int h, const Rgba& colour, float grainAmount, uint32_t seed)
{
    TextureLayers t{Image(w, h), HeightField(w, h)};
    eachPixel(w, h, [&](int x, int y, float u, float v) {
        const float grain = tilingNoise(u, v, 64, 4, 3, seed);
        t.colour.at(x, y) = noisy(scaled(colour, 1.0f + grainAmount * (grain - 0.5f)), u, v, 0.2f, seed + 1);
        t.height.at(x, y) = 0.5f + 0.1f * grain;
    });
    return t;
}

// Russia iron, blue-grey and mottled, with a brass band every third of a repeat.
TextureLayers boilerJacket()
{
    TextureLayers t{Image(1024, 128), HeightField(1024, 128)};
    eachPixel(1024, 128, [&](int x, int y, float u, float v) {
        const float mottle = tilingNoise(u, v, 24, 6, 4, 401);
        Rgba c = scaled(rgb(86, 106, 122), 0.85f + 0.3f * mottle);
        c = mix(c, rgb(150, 170, 186), 0.35f * smoothstep(0.3f, 0.7f, std::sin(v * 2 * model::kPi) * 0.5f + 0.5f));  // sheen along the top
        float h = 0.4f;
        const float band = std::fabs(std::fmod(u * 3, 1.0f) - 0.5f);
        if (band < 0.02f) {
            c = mix(rgb(214, 170, 80), rgb(250, 220, 140), 0.5f + 0.5f * std::sin(v * 12));
            h = 0.9f;
        }
        t.colour.at(x, y) = clamped(c);
        t.height.at(x, y) = h;
    });
    return t;
}

// Polished brass for the turned parts: bright where the dome turns to the light, darker
// down its sides, without streaks round it.
TextureLayers brass()
{
    TextureLayers t{Image(1024, 64), HeightField(1024, 64)};
    eachPixel(1024, 64, [&](int x, int y, float u, float v) {
        const float sheen = std::exp(-std::pow((v - 0.3f) / 0.18f, 2.0f));
        const Rgba c = mix(rgb(150, 108, 40), rgb(255, 228, 150), 0.25f + 0.75f * sheen);
        t.colour.at(x, y) = clamped(scaled(c, 0.92f + 0.08f * tilingNoise(u, v, 4, 1, 2, 498)));
        t.height.at(x, y) = 0.5f;
    });
    return t;
}

TextureLayers ties()
{
    PlankStyle style;
    style.planks = 1;
    style.weathering = 0.85f;
    style.wood.light = rgb(132, 110, 86);
    style.wood.dark = rgb(74, 60, 46);
    return plankTexture(64, 512, style, 411);
}

TextureLayers lumps(int w, int h, const Rgba& dark, const Rgba& light, int cells, uint32_t seed)
{
    TextureLayers t{Image(w, h), HeightField(w, h)};
    eachPixel(w, h, [&](int x, int y, float u, float v) {
        // Cellular stones: the nearest of jittered points on a tiling grid.
        const float gu = u * float(cells), gv = v * float(cells) * float(h) / float(w);
        const int cu = int(gu), cv = int(gv);
        const int rows = std::max(1, int(float(cells) * float(h) / float(w)));
        float best = 9, second = 9, shade = 0;
        for (int dv = -1; dv <= 1; ++dv)
            for (int du = -1; du <= 1; ++du) {
                const int nu = cu + du, nv = cv + dv;
                const int wu = (nu % cells + cells) % cells, wv = (nv % rows + rows) % rows;
                const float px = float(nu) + hashUnit(wu, wv, seed), py = float(nv) + hashUnit(wu, wv, seed + 1);
                const float d = std::hypot(gu - px, gv - py);
                if (d < best) {
                    second = best;
                    best = d;
                    shade = hashUnit(wu, wv, seed + 2);
                } else if (d < second) second = d;
            }
        const float edge = smoothstep(0.0f, 0.12f, second - best);
        t.colour.at(x, y) = clamped(scaled(mix(dark, light, shade), 0.45f + 0.55f * edge));
        t.height.at(x, y) = edge * (0.6f + 0.4f * (1 - best));
    });
    return t;
}

// A spoked wheel seen side on: dark between the spokes, a counterweight, the tyre's rim.
TextureLayers wheelPicture(const Rgba& paint, int spokes, bool counterweight)
{
    TextureLayers t{Image(256, 256), HeightField(256, 256)};
    eachPixel(256, 256, [&](int x, int y, float u, float v) {
        const float dx = u - 0.5f, dy = v - 0.5f, r = std::hypot(dx, dy) * 2, a = std::atan2(dy, dx);
        Rgba c = rgb(24, 22, 22);  // the dark between the spokes
        float h = 0.1f;
        const float spoke = std::fabs(std::remainder(a * float(spokes) / (2 * model::kPi), 1.0f));
        if (r > 0.86f) {
            c = r > 0.93f ? rgb(70, 68, 66) : scaled(paint, 0.8f);  // the tyre and the rim
            h = 0.8f;
        } else if (r < 0.2f || spoke < 0.16f + 0.05f * (1 - r)) {
            c = paint;
            h = 0.7f;
        }
        if (counterweight && r > 0.3f && r < 0.86f && std::fabs(std::remainder(a - 1.2f, 2 * model::kPi)) < 0.6f) {
            c = scaled(paint, 0.9f);
            h = 0.7f;
        }
        if (r < 0.09f) c = rgb(196, 160, 84);  // the hub's brass cap
        t.colour.at(x, y) = noisy(c, u, v, 0.15f, 421);
        t.height.at(x, y) = h;
    });
    return t;
}

TextureLayers smokeboxDoor()
{
    TextureLayers t{Image(256, 256), HeightField(256, 256)};
    eachPixel(256, 256, [&](int x, int y, float u, float v) {
        const float dx = u - 0.5f, dy = v - 0.5f, r = std::hypot(dx, dy) * 2;
        Rgba c = rgb(40, 38, 38);
        float h = 0.3f;
        if (r < 0.78f) {  // the door, a dish with a ring of bolts and two hinge straps
            c = rgb(52, 50, 50);
            h = 0.5f + 0.3f * (1 - r);
            if (std::fabs(r - 0.7f) < 0.02f && std::fmod(std::atan2(dy, dx) + 4 * model::kPi, model::kPi / 8) < 0.06f) c = rgb(110, 106, 100);
            if (std::fabs(dy - 0.12f) < 0.025f || std::fabs(dy + 0.18f) < 0.025f) {
                if (dx < 0.3f) c = rgb(72, 70, 68), h = 0.9f;
            }
            if (r < 0.08f) c = rgb(200, 164, 90), h = 1.0f;  // the brass handle
        }
        if (std::fabs(r - 0.8f) < 0.02f) c = rgb(90, 88, 86);
        t.colour.at(x, y) = noisy(c, u, v, 0.25f, 431);
        t.height.at(x, y) = h;
    });
    return t;
}

LetteringStyle goldLettering(FontFace face)
{
    LetteringStyle s;
    s.face = face;
    s.fillTop = rgb(255, 232, 150);
    s.fillBottom = rgb(214, 160, 60);
    s.outline = rgb(40, 24, 10);
    s.outlineWidth = 2.0f;
    return s;
}

// A painted panel with a lining stripe round its edge.
TextureLayers linedPanel(int w, int h, const Rgba& colour, uint32_t seed)
{
    TextureLayers t = paint(w, h, colour, 0.15f, seed);
    eachPixel(w, h, [&](int x, int y, float, float) {
        const int edge = std::min({x, y, w - 1 - x, h - 1 - y});
        if (edge >= 6 && edge < 9) t.colour.at(x, y) = rgb(214, 170, 80);
        if (edge < 3) t.colour.at(x, y) = scaled(colour, 0.6f);
    });
    return t;
}

TextureLayers cabSide()
{
    TextureLayers t = linedPanel(256, 256, rgb(150, 40, 30), 441);
    eachPixel(256, 256, [&](int x, int y, float u, float v) {
        if (u > 0.18f && u < 0.82f && v > 0.1f && v < 0.48f) {  // the window
            const bool frame = u < 0.22f || u > 0.78f || v < 0.14f || v > 0.44f || std::fabs(u - 0.5f) < 0.02f;
            t.colour.at(x, y) = frame ? rgb(110, 70, 40) : mix(rgb(30, 34, 40), rgb(70, 90, 110), v);
            t.height.at(x, y) = frame ? 0.8f : 0.2f;
        }
    });
    drawLettering(t.colour, "18", 70, 140, 116, 86, goldLettering(FontFace::Serif));
    return t;
}

TextureLayers cabFront()
{
    TextureLayers t = paint(128, 128, rgb(150, 40, 30), 0.15f, 451);
    eachPixel(128, 128, [&](int x, int y, float u, float v) {
        for (float cu : {0.2f, 0.8f})  // round spectacle windows either side of the boiler
            if (std::hypot(u - cu, v - 0.3f) < 0.12f) {
                t.colour.at(x, y) = std::hypot(u - cu, v - 0.3f) > 0.1f ? rgb(200, 160, 80) : rgb(40, 46, 56);
                t.height.at(x, y) = 0.2f;
            }
    });
    return t;
}

TextureLayers coachSide()
{
    TextureLayers t = linedPanel(1024, 128, rgb(46, 84, 62), 461);
    constexpr int kWindows = 12;
    eachPixel(1024, 128, [&](int x, int y, float u, float v) {
        const float across = (u - 0.04f) / 0.92f;  // the windows' row, clear of the lining at the ends
        const float slot = std::fmod(across * kWindows, 1.0f);
        const bool inRow = across > 0 && across < 1;
        if (inRow && slot > 0.22f && slot < 0.78f && v > 0.22f && v < 0.58f) {
            const bool frame = slot < 0.28f || slot > 0.72f || v < 0.27f || v > 0.53f;
            t.colour.at(x, y) = frame ? rgb(150, 108, 64) : mix(rgb(34, 38, 44), rgb(96, 116, 132), (v - 0.22f) * 2.5f);
            t.height.at(x, y) = frame ? 0.8f : 0.2f;
        }
    });
    drawLettering(t.colour, "TALLOWICK & WESTERN", 200, 84, 624, 36, goldLettering(FontFace::Poster));
    return t;
}

TextureLayers tenderSide()
{
    TextureLayers t = linedPanel(512, 128, rgb(46, 84, 62), 471);
    drawLettering(t.colour, "T. & W. R.R.", 60, 30, 392, 70, goldLettering(FontFace::Poster));
    return t;
}

TextureLayers roofing()
{
    TextureLayers t = paint(128, 128, rgb(60, 56, 54), 0.4f, 481);
    eachPixel(128, 128, [&](int x, int y, float u, float) {
        if (std::fmod(u * 12, 1.0f) < 0.05f) {  // seams of the roofing canvas
            t.colour.at(x, y) = rgb(44, 40, 40);
            t.height.at(x, y) = 0.8f;
        }
    });
    return t;
}

TextureLayers lampLens()
{
    TextureLayers t{Image(128, 128), HeightField(128, 128)};
    eachPixel(128, 128, [&](int x, int y, float u, float v) {
        const float r = std::hypot(u - 0.5f, v - 0.5f) * 2;
        t.colour.at(x, y) = r > 0.85f ? rgb(200, 164, 90) : mix(rgb(255, 250, 210), rgb(230, 190, 100), r);
        t.height.at(x, y) = r > 0.85f ? 0.8f : 0.4f;
    });
    return t;
}

}  // namespace

model::Mesh trainModel(int variant) { return std::abs(variant) % 2 == 0 ? train() : track(kLongTrack); }

void writeTrainTextures(ContentOutput& output)
{
    Atlas atlas(kAtlas, kAtlas);
    atlas.place(boilerJacket(), kBoiler);
    atlas.place(paint(1024, 48, rgb(40, 38, 38), 0.3f, 491), kIron);
    atlas.place(paint(1024, 16, rgb(120, 116, 112), 0.4f, 492), kRail);
    atlas.place(brass(), kBrass);
    atlas.place(paint(1024, 64, rgb(150, 40, 30), 0.2f, 494), kRed);
    atlas.place(paint(1024, 64, rgb(46, 84, 62), 0.2f, 495), kGreen);
    atlas.place(ties(), kTies, Turn::Across);
    atlas.place(lumps(1024, 64, rgb(120, 108, 92), rgb(176, 164, 144), 80, 496), kBallast);
    atlas.place(lumps(128, 128, rgb(14, 14, 16), rgb(60, 60, 66), 10, 497), kCoal);
    atlas.place(cabSide(), kCabSide);
    atlas.place(smokeboxDoor(), kSmokeboxDoor);
    atlas.place(wheelPicture(rgb(150, 40, 30), 14, true), kDriverWheel);
    atlas.place(wheelPicture(rgb(40, 38, 38), 8, false), kSmallWheel);
    atlas.place(coachSide(), kCoachSide);
    atlas.place(tenderSide(), kTenderSide);
    atlas.place(roofing(), kRoof);
    atlas.place(lampLens(), kLamp);
    atlas.place(cabFront(), kCabFront);
    atlas.write(output, "train.jpg", "trainnormal.jpg", 3.0f);
}

}  // namespace town
