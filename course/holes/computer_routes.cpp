#include "course/holes/computer_routes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "app/game_state.h"
#include "course/ai.h"
#include "course/ball_and_putter.h"

namespace {

// Set-up operations by slot: 0 main route, 2 gate boxes, 3 gate routes, 4 home
// zone, 5..14 zones 1..10, 15..17 height zones 11..13.
constexpr int32_t kMainSlot = 0, kGateBoxSlot = 2, kGateRouteSlot = 3, kHomeSlot = 4;
constexpr int32_t kFirstZoneSlot = 5, kLastZoneSlot = 17;
constexpr int32_t kDraws = 4;  // r = rand() % 4 + 1
constexpr int32_t kEasy = 1, kMedium = 2, kHard = 3;

struct ZoneRow {
    int32_t zone;  // 1..10, or 11..13 with a height band
    float xMax, xMin, zMax, zMin;
    Route route = {};
    float yMax = 0, yMin = 0;
};

struct HoleRoutes {
    int32_t hole;
    std::vector<int32_t> slots;  // the operations this hole's builder calls
    Route easy[kDraws] = {};     // the first route by draw; zone 1's route where there is no main route
    Route medium[kDraws] = {};
    Route hard = {};
    bool lined = false;          // the first routes come from the hard line (per tee spot) instead
    Waypoint line = {}, cup = {};
    std::vector<ZoneRow> zones = {};
    bool gatesAway = false;      // both gate boxes far outside the course
    float gateBoxes[8] = {};     // A: x min, x max, z max, z min; B: x max, x min, z max, z min
    Route gateA = {}, gateB = {};
    ZoneRow home = {};           // home box as x max, x min, z max, z min
};

constexpr Waypoint at(float x, float z, int32_t radius = 0, float y = 0) { return {x, y, z, radius}; }

// The cup as the last two waypoints of a route: never captured.
constexpr Route to(Waypoint first, Waypoint cup) { return {first, cup, cup}; }
constexpr Route to(Waypoint first, Waypoint second, Waypoint third) { return {first, second, third}; }

std::vector<int32_t> range(std::initializer_list<int32_t> singles, int32_t from = 0, int32_t upTo = -1)
{
    std::vector<int32_t> slots(singles);
    for (int32_t s = from; s <= upTo; ++s) slots.push_back(s);
    return slots;
}

// On a hole without zones a first target beside the cup gives way to the cup once the ball lies near it.
constexpr int32_t kNearTheCup = 3;

// The hard line from seat 4's tee spot (x = -1.5) and the cup; the easy and medium routes are drawn
// from the line of the seat's own spot when the hole is set up.
HoleRoutes withLine(HoleRoutes row, Waypoint line, Waypoint cup)
{
    row.lined = true;
    row.line = line;
    row.cup = cup;
    return row;
}

// TABLE
// Hole by hole: the set-up operations, the zones (zone, box x max, x min, z max, z min,
// and the route it installs: the boxes follow the green's centre line, each aimed on
// down the hole) and the hard line from the tee with the cup.
const HoleRoutes kHoleRoutes[] = {
    {.hole = 1,
     .slots = {kMainSlot},
     .easy = {to(at(-1.6f, 25.7f, 3), at(0.24f, 26.7f, 0, 0.76f)), to(at(0, 16.1f, 3), at(0.24f, 26.7f, 0, 0.76f)),
              to(at(0, 16.1f, 3), at(0.24f, 26.7f, 0, 0.76f)), to(at(1.6f, 25.7f, 3), at(0.24f, 26.7f, 0, 0.76f))},
     .medium = {to(at(0, 16.1f, 3), at(0, 26.7f, 0, 0.76f)), to(at(0, 16.1f, 3), at(0, 26.7f, 0, 0.76f)),
                to(at(0, 26.7f, 3), at(0, 26.7f, 0, 0.76f)), to(at(0, 26.7f, 3), at(0, 26.7f, 0, 0.76f))},
     .hard = to(at(0, 26.7f, 3), at(0, 26.7f, 0, 0.76f)),
     .gatesAway = true},
    withLine(HoleRoutes{.hole = 2,
                        .slots = {kMainSlot, kGateRouteSlot},
                        .gatesAway = true},
             at(0, 32), at(0, 32)),
    // Hole 3: round the hairpin to the end wall, then the cup from the far leg or the lower green;
    // a ball left at the top of the hairpin plays on round it.
    withLine(HoleRoutes{.hole = 3,
                        .slots = range({kMainSlot}, 5, 6),
                        .zones = {{1, 20.5f, 13.8f, 15, -12.5f, to(at(17.05f, -7.24f), at(17.05f, -7.24f))},
                                  {2, 13.8f, -3, 26, 13, to(at(24, 21), at(17.05f, -7.24f))}}},
             at(-0.6f, 50), at(17.05f, -7.24f)),
    // Hole 4: into the chute, along the gulch floor to the corner, then round the pit prop from
    // the corner's far side, or at the cup from anywhere past it or beside it.
    withLine(HoleRoutes{.hole = 4,
                        .slots = range({}, 5, 11),
                        .zones = {{1, 2.6f, -2.6f, 3.5f, -3, {}},
                                  {2, 2.8f, -2.8f, 10.45f, 3.5f, to(at(0, 15.25f), at(-18.55f, 48.3f))},
                                  {3, 2.55f, -2.55f, 22.55f, 10.45f, to(at(0, 21.75f), at(-18.55f, 48.3f))},
                                  {4, 0.55f, -5.95f, 42.55f, 37.45f, to(at(-10.75f, 40), at(-18.55f, 48.3f))},
                                  {5, -5.95f, -15.5f, 43.05f, 36.95f, to(at(-20.94f, 40), at(-18.55f, 48.3f))},
                                  {6, -15.5f, -21.6f, 55.05f, 36.95f, to(at(-18.55f, 48.3f), at(-18.55f, 48.3f))},
                                  {7, -18.8f, -21.6f, 45.9f, 36.95f, to(at(-17.92f, 63.74f), at(-18.55f, 48.3f))}}},
             at(-0.41f, 31.14f), at(-18.55f, 48.3f)),
    withLine(HoleRoutes{.hole = 5,
                        .slots = range({kMainSlot}, 5, 6),
                        .zones = {{1, 4.84f, -1.16f, 25.54f, 19.54f, to(at(-2.82f, 28.29f), at(-5.82f, 27.5f))},
                                  {2, -1.82f, -9.82f, 31.5f, 23.5f, to(at(-5.82f, 27.5f), at(-5.82f, 27.5f))}},
                        .gatesAway = true},
             at(-2.1f, 34.43f), at(-5.82f, 27.5f)),
    // Hole 6: down the road into the hollow, then straight up onto the square at the cup.
    withLine(HoleRoutes{.hole = 6,
                        .slots = range({kMainSlot, kGateBoxSlot, kGateRouteSlot}, 5, 6),
                        .zones = {{1, -15.88f, -21.88f, 17.94f, 11.94f, to(at(-17, 4.5f), at(-17.1f, 8.7f))},
                                  {2, -13.1f, -21.1f, 11.94f, 4.7f, to(at(-17.1f, 8.7f), at(-17.1f, 8.7f))}},
                        .gatesAway = true},
             at(-19.16f, 15.2f), at(-17.1f, 8.7f)),
    withLine(HoleRoutes{.hole = 7,
                        .slots = range({kMainSlot}, 5, 6),
                        .zones = {{1, 22, 14, 27.9f, 19.9f, to(at(18, 23.9f), at(18, 23.9f))}}},
             at(-0.78f, 20.49f), at(18, 23.9f)),
    // Hole 8: up the bank and round onto the flume, past the paddle and down the chute, then the
    // cup; a ball left on the flume plays on down it.
    withLine(HoleRoutes{.hole = 8,
                        .slots = range({kMainSlot, kHomeSlot}, 5, 6),
                        .zones = {{1, 31.66f, 23.66f, 3.71f, -4.29f, to(at(27.66f, -0.29f), at(27.66f, -0.29f))},
                                  {2, 25, 9.5f, 21.3f, 17.5f, to(at(28, 19), at(27.66f, -0.29f))}}},
             at(-5.27f, 44.94f), at(27.66f, -0.29f)),
    // Hole 9: to the yard's far end, straight up the ramp (the buffer turns the ball along the
    // high street and over the drop), down the back leg to its foot, then along the cup's leg.
    withLine(HoleRoutes{.hole = 9,
                        .slots = range({kMainSlot}, 5, 9),
                        .zones = {{1, 10, -3, 15.5f, 6, to(at(20, 12), at(0.25f, 27.66f))},
                                  {2, 18.5f, 10, 40, 6, to(at(14, 55), at(0.25f, 27.66f))},
                                  {3, 18.5f, -2, 51.5f, 42, to(at(-14, 48), at(0.25f, 27.66f))},
                                  {4, -12, -20, 51.5f, 31, to(at(-15.97f, 21.98f), at(0.25f, 27.66f))},
                                  {5, 9, -20, 31, 24.5f, to(at(0.25f, 27.66f), at(0.25f, 27.66f))}}},
             at(30.44f, 31.6f), at(0.25f, 27.66f)),
    withLine(HoleRoutes{.hole = 10,
                        .slots = range({kMainSlot}, 5, 9),
                        .zones = {{1, 2.8f, -2.8f, 16.94f, 3.5f, to(at(0, 23.92f), at(-21.14f, 19.74f))},
                                  {2, 2.8f, -10.95f, 22.54f, 16.94f, to(at(-17.5f, 19.74f), at(-21.14f, 19.74f))},
                                  {3, -10.95f, -29.05f, 22.79f, 16.69f, to(at(-21.14f, 19.74f), at(-21.14f, 19.74f))}}},
             at(-0.64f, 12.27f), at(-21.14f, 19.74f)),
    // Hole 11: into the dip below the step, up it below the trough's stand, then the cup.
    withLine(HoleRoutes{.hole = 11,
                        .slots = range({kMainSlot}, 5, 13),
                        .zones = {{1, 2.8f, -2.8f, 4.2f, 3.5f, to(at(0, 9.38f), at(-18.76f, 23.04f))},
                                  {2, 2.8f, 2.55f, 25.8f, 4.2f, to(at(0, 27), at(-18.76f, 23.04f))},
                                  {3, 2.55f, -6.95f, 25.55f, 20.45f, to(at(-11.88f, 23), at(-18.76f, 23.04f))},
                                  {4, -6.95f, -11.2f, 25.55f, 20.45f, to(at(-24, 20.5f), at(-18.76f, 23.04f))},
                                  {5, -11.2f, -25.3f, 25.8f, 20.2f, to(at(-18.76f, 23.04f), at(-18.76f, 23.04f))}}},
             at(-18.76f, 23.04f), at(-18.76f, 23.04f)),
    withLine(HoleRoutes{.hole = 12,
                        .slots = range({kMainSlot}, 5, 11),
                        .zones = {{1, 2.8f, -2.8f, 12.45f, 3.5f, to(at(0, 17), at(18.99f, 7.26f))},
                                  {2, 2.55f, -2.55f, 13.45f, 12.45f, to(at(0, 27.5f), at(18.99f, 7.26f))},
                                  {3, 4.95f, -2.55f, 27.55f, 18.4f, to(at(15.8f, 24.39f), at(18.99f, 7.26f))},
                                  {6, 10.05f, 4.95f, 27.55f, 18.4f, to(at(5.57f, -10.61f), at(18.99f, 7.26f))},
                                  {7, 16.2f, 4.95f, 1.55f, -11.55f, to(at(21.9f, -9), at(18.99f, 7.26f))},
                                  {4, 10.05f, 4.95f, 18.4f, 1.55f, to(at(7.5f, -2.25f), at(18.99f, 7.26f))},
                                  {5, 21.8f, 16.2f, 13.8f, -3.8f, to(at(18.99f, 7.26f), at(18.99f, 7.26f))}}},
             at(-0.1f, 16.66f), at(18.99f, 7.26f)),
    // Hole 13: off the wall into the flume's mouth, then straight through it into the hairpin,
    // past the sluice gate on the side the ball lies and into the cup.
    withLine(HoleRoutes{.hole = 13,
                        .slots = {kMainSlot, 5, 6, 7, 8, 9, 15, 16, 17},
                        .zones = {{1, 1.3f, -1.3f, 27.2f, 23.5f, to(at(0, 40), at(6.24f, 42.72f))},
                                  {2, 2.8f, -6, 23.5f, 3.5f, to(at(0, 40), at(6.24f, 42.72f))},
                                  {3, 2.5f, -2.5f, 47, 31, to(at(4.5f, 55), at(6.24f, 42.72f))},
                                  {4, 6.8f, -2.5f, 53, 47, to(at(4.5f, 34), at(6.24f, 42.72f))},
                                  {5, 9.5f, 4.2f, 47, 37, to(at(6.24f, 42.72f), at(6.24f, 42.72f))},
                                  {11, 9.5f, 6.8f, 53, 47, to(at(8.4f, 36), at(6.24f, 42.72f)), -3, -4.5f},
                                  // right behind the gate: first out to the left of it
                                  {12, 7.6f, 5.6f, 48.6f, 46.75f, to(at(3.5f, 49.5f), at(6.24f, 42.72f)), -3, -4.5f}}},
             at(8.05f, 57.3f), at(6.24f, 42.72f)),
    // Hole 14: into the yard, through the gate in the crates onto the tier, then the cup; a ball
    // short of the yard plays on into it, one in the yard's far corners back to its middle. The
    // gate is narrow: the yard's near and far halves aim through it along their own lines.
    withLine(HoleRoutes{.hole = 14,
                        .slots = range({}, 5, 14),
                        .zones = {{1, 2.6f, -2.6f, 3.5f, -3, {}},
                                  {2, 2.8f, -2.8f, 3.5f, 0.7f, to(at(-3.4f, 4.4f), at(-13.11f, 7.62f))},
                                  {3, 2.8f, -4.5f, 12, 3.5f, to(at(-11, 5.5f), at(-13.11f, 7.62f))},
                                  {4, -2.8f, -7.4f, 3.5f, 1.5f, to(at(-10, 8.2f), at(-13.11f, 7.62f))},
                                  {5, -4, -7.4f, 12, 8.5f, to(at(-5.5f, 6.5f), at(-13.11f, 7.62f))},
                                  {6, -8.2f, -21, 12, 3, to(at(-13.11f, 7.62f), at(-13.11f, 7.62f))},
                                  {7, -4.5f, -7.4f, 8.5f, 3.5f, to(at(-9.91f, 5.06f), at(-13.11f, 7.62f))},
                                  {8, -5.2f, -7.4f, 4.9f, 3.5f, to(at(-4, 7), at(-13.11f, 7.62f))}}},
             at(-3.25f, 3.38f), at(-13.11f, 7.62f)),
    withLine(HoleRoutes{.hole = 15,
                        .slots = range({}, 5, 13),
                        .zones = {{1, 2.6f, -2.6f, 3.5f, -3, {}},
                                  {2, 2.8f, -2.8f, 7.95f, 3.5f, to(at(0, 12.5f), at(20.02f, -9.34f))},
                                  {3, 3.05f, -3.05f, 22.95f, 7.95f, to(at(0, 29.75f), at(20.02f, -9.34f))},
                                  {4, 16.95f, -3.05f, 29.05f, 22.95f, to(at(53.65f, 50.06f), at(20.02f, -9.34f))},
                                  {5, 23.05f, 16.95f, 29.05f, 18.55f, to(at(20, 13.5f), at(20.02f, -9.34f))},
                                  {6, 23.05f, 16.95f, 18.55f, 6.3f, to(at(20, 1.5f), at(20.02f, -9.34f))},
                                  {7, 23.3f, 16.7f, 6.3f, -3.2f, to(at(22.8f, -13.71f), at(20.02f, -9.34f))},
                                  {8, 24.02f, 16.02f, -5.34f, -13.34f, to(at(20.02f, -9.34f), at(20.02f, -9.34f))}}},
             at(-0.43f, 10.19f), at(20.02f, -9.34f)),
    // Hole 16: up the ramp, along the wagon yard, up the climb and along the mesa to the cup;
    // a ball at the yard's near end plays along it, away from its open edge; one at the top of
    // the climb or on the mesa putts at the cup.
    withLine(HoleRoutes{.hole = 16,
                        .slots = range({}, 5, 12),
                        .zones = {{1, 2.6f, -2.6f, 3.5f, -3, {}},
                                  {2, 2.8f, -2.8f, 8.2f, 3.5f, to(at(0, 12.5f), at(0, -7.22f))},
                                  {3, 2.8f, -2.8f, 18.2f, 8.2f, to(at(0, 23.5f), at(0, -7.22f))},
                                  {4, 2.8f, -14.2f, 23.8f, 18.2f, to(at(-37.64f, 12.05f), at(0, -7.22f))},
                                  {5, -14.2f, -19.8f, 23.8f, 9.55f, to(at(-15.12f, -18.17f), at(0, -7.22f))},
                                  {6, -13.95f, -20.05f, 9.55f, -4.17f, to(at(-17, -9.03f), at(0, -7.22f))},
                                  {7, 2.8f, -7.5f, 23.8f, 18.2f, to(at(-30, 24), at(0, -7.22f))},
                                  {8, 3.5f, -20.05f, -4.17f, -12, to(at(0, -7.22f), at(0, -7.22f))}}},
             at(-0.07f, 20.45f), at(0, -7.22f)),
    withLine(HoleRoutes{.hole = 17,
                        .slots = range({kMainSlot}, 5, 14),
                        .zones = {{1, 2.8f, -2.8f, 10.9f, 3.5f, to(at(0, 14.75f), at(-17.22f, -5.27f))},
                                  {2, 2.1f, -2.1f, 24.2f, 10.9f, to(at(0, 30.5f), at(-17.22f, -5.27f))},
                                  {3, 2.8f, -2.8f, 38.2f, 24.2f, to(at(0, 44.5f), at(-17.22f, -5.27f))},
                                  {4, 2.8f, -14.42f, 43.8f, 38.2f, to(at(-25.28f, 4.68f), at(-17.22f, -5.27f))},
                                  {5, -14.42f, -20.02f, 43.8f, 29.8f, to(at(-18.99f, 10.14f), at(-17.22f, -5.27f))},
                                  {6, -14.42f, -20.02f, 29.8f, 17.8f, to(at(-17.22f, 12), at(-17.22f, -5.27f))},
                                  {7, -14.42f, -20.02f, 17.8f, 7.8f, to(at(-17.22f, 2.5f), at(-17.22f, -5.27f))},
                                  {8, -14.42f, -20.02f, 7.8f, 1.8f, to(at(-17.22f, -2.5f), at(-17.22f, -5.27f))},
                                  {9, -13.22f, -21.22f, -1.27f, -9.27f, to(at(-17.22f, -5.27f), at(-17.22f, -5.27f))}}},
             at(-2.5f, 28.68f), at(-17.22f, -5.27f)),
    // Hole 18: through the tunnel onto the platform, past the blade and up to the cup; the putt
    // along the platform goes firmly, to spend less time under the blade.
    withLine(HoleRoutes{.hole = 18,
                        .slots = range({}, 5, 11),
                        .zones = {{1, 2.6f, -2.6f, 3.5f, -3, {}},
                                  {2, 2.8f, -2.8f, 8.1f, 3.5f, to(at(0, 11), at(-18.58f, 20.21f))},
                                  {3, 1.9f, -1.9f, 13.26f, 8.1f, to(at(0, 16.45f), at(-18.58f, 20.21f))},
                                  {4, 1.9f, -6.54f, 17.06f, 13.26f, to(at(-25.69f, 11.35f), at(-18.58f, 20.21f))},
                                  {5, -6.54f, -15.68f, 17.46f, 12.86f, to(at(-25, 16), at(-18.58f, 20.21f))},
                                  {6, -15.68f, -21.48f, 27.5f, 12.26f, to(at(-18.58f, 20.21f), at(-18.58f, 20.21f))}}},
             at(-3.94f, 23.24f), at(-18.58f, 20.21f)),
};
// END TABLE

const HoleRoutes* holeRoutes(int32_t hole)
{
    for (const HoleRoutes& routes : kHoleRoutes)
        if (routes.hole == hole) return &routes;
    return nullptr;
}

const ZoneRow* zoneRow(const HoleRoutes& routes, int32_t zone)
{
    for (const ZoneRow& row : routes.zones)
        if (row.zone == zone) return &row;
    return nullptr;
}

bool hasSlot(const HoleRoutes& routes, int32_t slot)
{
    for (int32_t s : routes.slots)
        if (s == slot) return true;
    return false;
}

// The hard line from the other tee spots, where the one from seat 4's spot misses: walls turn a
// change of a metre at the tee into a different hole. Hole, tee spot x, then the line.
struct TeeLine {
    int32_t hole;
    float teeX;
    Waypoint line;
};

const TeeLine kTeeLines[] = {
    // SPOT LINES
    {2, -1.0f, at(1.12f, 31.95f)},
    {2, 0.5f, at(0.03f, 29.76f)},
    {4, -1.0f, at(1.76f, 31.02f)},
    {4, 1.5f, at(1.77f, 31.2f)},
    {5, 0.5f, at(-5.68f, 33.97f)},
    {5, 1.0f, at(-4.49f, 34.13f)},
    {6, 0.5f, at(-19.35f, 17.69f)},
    {6, 1.0f, at(-19.38f, 17.73f)},
    {7, 1.5f, at(-1.28f, 18.97f)},
    {11, 0.5f, at(-15.87f, 22.62f)},
    {11, 1.5f, at(-20.32f, 21.57f)},
    {13, -1.0f, at(3.68f, 53.75f)},
    {13, 1.0f, at(4.25f, 61.69f)},
    {13, 1.5f, at(13.13f, 52.36f)},
    {14, -1.0f, at(-3.31f, 2.99f)},
    {15, -1.5f, at(-0.17f, 9.44f)},
    {15, -1.0f, at(-0.01f, 10.88f)},
    {16, -1.0f, at(2.28f, 21.66f)},
    {16, 0.5f, at(2.18f, 21.83f)},
    {16, 1.0f, at(-1.49f, 20.33f)},
    {16, 1.5f, at(0.58f, 21.93f)},
    {17, -1.0f, at(-1.46f, 26.7f)},
    {17, 0.5f, at(-3.78f, 30.56f)},
    {18, -1.0f, at(-5.01f, 24.74f)},
    {18, 0.5f, at(-1.49f, 23.58f)},
    {18, 1.0f, at(-3.13f, 23.4f)},
    // END SPOT LINES
};

std::vector<TeeLine> overridingLines;  // set by tuning tools

Waypoint lineFrom(const HoleRoutes& routes, float teeX)
{
    Waypoint line = routes.line;
    for (const TeeLine& row : kTeeLines)
        if (row.hole == routes.hole && std::fabs(row.teeX - teeX) < 0.01f) line = row.line;
    for (const TeeLine& row : overridingLines)
        if (std::fabs(row.teeX - teeX) < 0.01f) line = row.line;
    if (routes.zones.empty()) line.radius = kNearTheCup;
    return line;
}

// A point `part` of the way from the tee spot to t (a lay-up), or t turned about the tee spot.
Waypoint shortOf(Waypoint t, float teeX, float part) { return {teeX + (t.x - teeX) * part, t.y, t.z * part, t.radius}; }

constexpr float kDegreesToRadians = 3.14159265f / 180.0f;

Waypoint besideOf(Waypoint t, float teeX, float degrees)
{
    const float a = degrees * kDegreesToRadians, c = std::cos(a), s = std::sin(a), x = t.x - teeX;
    return {teeX + x * c + t.z * s, t.y, t.z * c - x * s, t.radius};
}

// The first route of a seat teeing off at teeX: hard plays the line; easy and medium draw
// (r = rand() % 4 + 1) a lay-up short of it or an aim a few degrees beside it.
Route firstRoute(const HoleRoutes& routes, int32_t difficulty, float teeX)
{
    if (!routes.lined) {
        if (difficulty == kHard) return routes.hard;
        const int32_t r = std::rand() % kDraws + 1;
        return (difficulty == kEasy ? routes.easy : routes.medium)[r - 1];
    }
    const Waypoint line = lineFrom(routes, teeX);
    if (difficulty == kHard) return to(line, routes.cup);
    const int32_t r = std::rand() % kDraws + 1;
    const Waypoint easy[kDraws] = {shortOf(line, teeX, 0.65f), besideOf(line, teeX, -4), besideOf(line, teeX, 4),
                                   shortOf(line, teeX, 0.85f)};
    const Waypoint medium[kDraws] = {shortOf(line, teeX, 0.9f), line, besideOf(line, teeX, 2), line};
    return to((difficulty == kEasy ? easy : medium)[r - 1], routes.cup);
}

void setZoneSlot(AI& ai, const HoleRoutes& routes, int32_t zone, const Route& first)
{
    const ZoneRow* row = zoneRow(routes, zone);
    ZoneRow data = row ? *row : ZoneRow{zone, 0, 0, 0, 0, {}};  // an empty box never fires
    // Without a main route, zone 1 covers the tee and carries the first route.
    if (zone == 1 && !hasSlot(routes, kMainSlot)) data.route = first;
    if (zone <= kPlainZones) ai.setZone(zone, data.xMax, data.xMin, data.zMax, data.zMin, data.route);
    else ai.setHeightZone(zone, data.xMax, data.xMin, data.zMax, data.zMin, data.yMax, data.yMin, data.route);
}

void setupOpponent(AI& ai, const HoleRoutes& routes, const Route& first)
{
    const float* g = routes.gateBoxes;
    for (int32_t slot : routes.slots) {
        if (slot == kMainSlot) ai.setMainRoute(first.current, first.queued1, first.queued2);
        else if (slot == kGateBoxSlot) ai.setGateZones(g[0], g[1], g[2], g[3], g[4], g[5], g[6], g[7]);
        else if (slot == kGateRouteSlot) ai.setGateRoutes(routes.gateA, routes.gateB);
        else if (slot == kHomeSlot) {
            const ZoneRow& h = routes.home;
            ai.setHomeZone(h.xMin, h.xMax, h.zMax, h.zMin, h.route);
        } else if (slot >= kFirstZoneSlot && slot <= kLastZoneSlot) {
            setZoneSlot(ai, routes, slot - kFirstZoneSlot + 1, first);
        }
    }
    if (routes.gatesAway) ai.pushGateZonesAway();
}

}  // namespace

void setupComputerRoutes(int32_t hole)
{
    const HoleRoutes* routes = holeRoutes(hole);
    if (!routes) return;
    for (int32_t p = 2; p <= kMaxPlayers; ++p) {
        const int32_t difficulty = game.match.difficulty[p];
        if (difficulty < kEasy || difficulty > kHard) continue;
        float tee[3];
        ballStartPosition(std::clamp(game.match.playerCount, 1, kMaxPlayers), p, tee);
        setupOpponent(*computerOpponent(p), *routes, firstRoute(*routes, difficulty, tee[0]));
    }
}

void overrideComputerLine(float teeX, float x, float z)
{
    overridingLines.push_back({0, teeX, {x, 0, z, 0}});
}
