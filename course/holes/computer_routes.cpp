#include "course/holes/computer_routes.h"

#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "app/game_state.h"
#include "course/ai.h"

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

// Hole by hole. A route is three waypoints (target and capture radius); a zone
// is a box (x max, x min, z max, z min) and the route it installs.
const HoleRoutes kHoleRoutes[] = {
    {.hole = 1,
     .slots = {kMainSlot},
     .easy = {to(at(-1.6f, 25.7f, 3), at(0.24f, 26.7f, 0, 0.76f)), to(at(0, 16.1f, 3), at(0.24f, 26.7f, 0, 0.76f)),
              to(at(0, 16.1f, 3), at(0.24f, 26.7f, 0, 0.76f)), to(at(1.6f, 25.7f, 3), at(0.24f, 26.7f, 0, 0.76f))},
     .medium = {to(at(0, 16.1f, 3), at(0, 26.7f, 0, 0.76f)), to(at(0, 16.1f, 3), at(0, 26.7f, 0, 0.76f)),
                to(at(0, 26.7f, 3), at(0, 26.7f, 0, 0.76f)), to(at(0, 26.7f, 3), at(0, 26.7f, 0, 0.76f))},
     .hard = to(at(0, 26.7f, 3), at(0, 26.7f, 0, 0.76f)),
     .gatesAway = true},
    {.hole = 2,
     .slots = {kMainSlot, kGateRouteSlot},
     .easy = {to(at(0, 32.0011f), at(0, 32.0011f)), to(at(0, 32.0011f), at(0, 32.0011f)), to(at(0, 32.0011f), at(0, 32.0011f)), to(at(0, 32.0011f), at(0, 32.0011f))},
     .medium = {to(at(0, 32.0011f), at(0, 32.0011f)), to(at(0, 32.0011f), at(0, 32.0011f)), to(at(0, 32.0011f), at(0, 32.0011f)), to(at(0, 32.0011f), at(0, 32.0011f))},
     .hard = to(at(0, 32.0011f), at(0, 32.0011f)),
     .gatesAway = true},
    {.hole = 3,
     .slots = range({kMainSlot}, 5, 6),
     .easy = {to(at(17.052f, -7.24f), at(17.052f, -7.24f)), to(at(17.052f, -7.24f), at(17.052f, -7.24f)), to(at(17.052f, -7.24f), at(17.052f, -7.24f)), to(at(17.052f, -7.24f), at(17.052f, -7.24f))},
     .medium = {to(at(17.052f, -7.24f), at(17.052f, -7.24f)), to(at(17.052f, -7.24f), at(17.052f, -7.24f)), to(at(17.052f, -7.24f), at(17.052f, -7.24f)), to(at(17.052f, -7.24f), at(17.052f, -7.24f))},
     .hard = to(at(17.052f, -7.24f), at(17.052f, -7.24f))},
    {.hole = 4,
     .slots = range({}, 5, 11),
     .easy = {to(at(-18.55f, 48.3f), at(-18.55f, 48.3f)), to(at(-18.55f, 48.3f), at(-18.55f, 48.3f)), to(at(-18.55f, 48.3f), at(-18.55f, 48.3f)), to(at(-18.55f, 48.3f), at(-18.55f, 48.3f))},
     .medium = {to(at(-18.55f, 48.3f), at(-18.55f, 48.3f)), to(at(-18.55f, 48.3f), at(-18.55f, 48.3f)), to(at(-18.55f, 48.3f), at(-18.55f, 48.3f)), to(at(-18.55f, 48.3f), at(-18.55f, 48.3f))},
     .hard = to(at(-18.55f, 48.3f), at(-18.55f, 48.3f))},
    {.hole = 5,
     .slots = range({kMainSlot}, 5, 6),
     .easy = {to(at(-5.82f, 27.5f), at(-5.82f, 27.5f)), to(at(-5.82f, 27.5f), at(-5.82f, 27.5f)), to(at(-5.82f, 27.5f), at(-5.82f, 27.5f)), to(at(-5.82f, 27.5f), at(-5.82f, 27.5f))},
     .medium = {to(at(-5.82f, 27.5f), at(-5.82f, 27.5f)), to(at(-5.82f, 27.5f), at(-5.82f, 27.5f)), to(at(-5.82f, 27.5f), at(-5.82f, 27.5f)), to(at(-5.82f, 27.5f), at(-5.82f, 27.5f))},
     .hard = to(at(-5.82f, 27.5f), at(-5.82f, 27.5f)),
     .gatesAway = true},
    {.hole = 6,
     .slots = range({kMainSlot, kGateBoxSlot, kGateRouteSlot}, 5, 6),
     .easy = {to(at(-17.1f, 8.7f), at(-17.1f, 8.7f)), to(at(-17.1f, 8.7f), at(-17.1f, 8.7f)), to(at(-17.1f, 8.7f), at(-17.1f, 8.7f)), to(at(-17.1f, 8.7f), at(-17.1f, 8.7f))},
     .medium = {to(at(-17.1f, 8.7f), at(-17.1f, 8.7f)), to(at(-17.1f, 8.7f), at(-17.1f, 8.7f)), to(at(-17.1f, 8.7f), at(-17.1f, 8.7f)), to(at(-17.1f, 8.7f), at(-17.1f, 8.7f))},
     .hard = to(at(-17.1f, 8.7f), at(-17.1f, 8.7f)),
     .gatesAway = true},
    {.hole = 7,
     .slots = range({kMainSlot}, 5, 6),
     .easy = {to(at(18, 23.9f), at(18, 23.9f)), to(at(18, 23.9f), at(18, 23.9f)), to(at(18, 23.9f), at(18, 23.9f)), to(at(18, 23.9f), at(18, 23.9f))},
     .medium = {to(at(18, 23.9f), at(18, 23.9f)), to(at(18, 23.9f), at(18, 23.9f)), to(at(18, 23.9f), at(18, 23.9f)), to(at(18, 23.9f), at(18, 23.9f))},
     .hard = to(at(18, 23.9f), at(18, 23.9f))},
    {.hole = 8,
     .slots = range({kMainSlot, kHomeSlot}, 5, 6),
     .easy = {to(at(27.66f, -0.29f), at(27.66f, -0.29f)), to(at(27.66f, -0.29f), at(27.66f, -0.29f)), to(at(27.66f, -0.29f), at(27.66f, -0.29f)), to(at(27.66f, -0.29f), at(27.66f, -0.29f))},
     .medium = {to(at(27.66f, -0.29f), at(27.66f, -0.29f)), to(at(27.66f, -0.29f), at(27.66f, -0.29f)), to(at(27.66f, -0.29f), at(27.66f, -0.29f)), to(at(27.66f, -0.29f), at(27.66f, -0.29f))},
     .hard = to(at(27.66f, -0.29f), at(27.66f, -0.29f))},
    // Hole 9: no builder yet, so no routes.
    {.hole = 9, .slots = {}},
    {.hole = 10,
     .slots = range({kMainSlot}, 5, 9),
     .easy = {to(at(-21.136f, 19.74f), at(-21.136f, 19.74f)), to(at(-21.136f, 19.74f), at(-21.136f, 19.74f)), to(at(-21.136f, 19.74f), at(-21.136f, 19.74f)), to(at(-21.136f, 19.74f), at(-21.136f, 19.74f))},
     .medium = {to(at(-21.136f, 19.74f), at(-21.136f, 19.74f)), to(at(-21.136f, 19.74f), at(-21.136f, 19.74f)), to(at(-21.136f, 19.74f), at(-21.136f, 19.74f)), to(at(-21.136f, 19.74f), at(-21.136f, 19.74f))},
     .hard = to(at(-21.136f, 19.74f), at(-21.136f, 19.74f))},
    {.hole = 11,
     .slots = range({kMainSlot}, 5, 13),
     .easy = {to(at(-18.76f, 23.04f), at(-18.76f, 23.04f)), to(at(-18.76f, 23.04f), at(-18.76f, 23.04f)), to(at(-18.76f, 23.04f), at(-18.76f, 23.04f)), to(at(-18.76f, 23.04f), at(-18.76f, 23.04f))},
     .medium = {to(at(-18.76f, 23.04f), at(-18.76f, 23.04f)), to(at(-18.76f, 23.04f), at(-18.76f, 23.04f)), to(at(-18.76f, 23.04f), at(-18.76f, 23.04f)), to(at(-18.76f, 23.04f), at(-18.76f, 23.04f))},
     .hard = to(at(-18.76f, 23.04f), at(-18.76f, 23.04f))},
    {.hole = 12,
     .slots = range({kMainSlot}, 5, 11),
     .easy = {to(at(18.99f, 7.26f), at(18.99f, 7.26f)), to(at(18.99f, 7.26f), at(18.99f, 7.26f)), to(at(18.99f, 7.26f), at(18.99f, 7.26f)), to(at(18.99f, 7.26f), at(18.99f, 7.26f))},
     .medium = {to(at(18.99f, 7.26f), at(18.99f, 7.26f)), to(at(18.99f, 7.26f), at(18.99f, 7.26f)), to(at(18.99f, 7.26f), at(18.99f, 7.26f)), to(at(18.99f, 7.26f), at(18.99f, 7.26f))},
     .hard = to(at(18.99f, 7.26f), at(18.99f, 7.26f))},
    // Holes 13 and 14: no builders yet, so no routes.
    {.hole = 13, .slots = {}},
    {.hole = 14, .slots = {}},
    {.hole = 15,
     .slots = range({}, 5, 13),
     .easy = {to(at(20.021f, -9.337f), at(20.021f, -9.337f)), to(at(20.021f, -9.337f), at(20.021f, -9.337f)), to(at(20.021f, -9.337f), at(20.021f, -9.337f)), to(at(20.021f, -9.337f), at(20.021f, -9.337f))},
     .medium = {to(at(20.021f, -9.337f), at(20.021f, -9.337f)), to(at(20.021f, -9.337f), at(20.021f, -9.337f)), to(at(20.021f, -9.337f), at(20.021f, -9.337f)), to(at(20.021f, -9.337f), at(20.021f, -9.337f))},
     .hard = to(at(20.021f, -9.337f), at(20.021f, -9.337f))},
    {.hole = 16,
     .slots = range({}, 5, 12),
     .easy = {to(at(-0.002f, -7.223f), at(-0.002f, -7.223f)), to(at(-0.002f, -7.223f), at(-0.002f, -7.223f)), to(at(-0.002f, -7.223f), at(-0.002f, -7.223f)), to(at(-0.002f, -7.223f), at(-0.002f, -7.223f))},
     .medium = {to(at(-0.002f, -7.223f), at(-0.002f, -7.223f)), to(at(-0.002f, -7.223f), at(-0.002f, -7.223f)), to(at(-0.002f, -7.223f), at(-0.002f, -7.223f)), to(at(-0.002f, -7.223f), at(-0.002f, -7.223f))},
     .hard = to(at(-0.002f, -7.223f), at(-0.002f, -7.223f))},
    {.hole = 17,
     .slots = range({kMainSlot}, 5, 14),
     .easy = {to(at(-17.218f, -5.27f), at(-17.218f, -5.27f)), to(at(-17.218f, -5.27f), at(-17.218f, -5.27f)), to(at(-17.218f, -5.27f), at(-17.218f, -5.27f)), to(at(-17.218f, -5.27f), at(-17.218f, -5.27f))},
     .medium = {to(at(-17.218f, -5.27f), at(-17.218f, -5.27f)), to(at(-17.218f, -5.27f), at(-17.218f, -5.27f)), to(at(-17.218f, -5.27f), at(-17.218f, -5.27f)), to(at(-17.218f, -5.27f), at(-17.218f, -5.27f))},
     .hard = to(at(-17.218f, -5.27f), at(-17.218f, -5.27f))},
    {.hole = 18,
     .slots = range({}, 5, 11),
     .easy = {to(at(-18.58f, 20.207f), at(-18.58f, 20.207f)), to(at(-18.58f, 20.207f), at(-18.58f, 20.207f)), to(at(-18.58f, 20.207f), at(-18.58f, 20.207f)), to(at(-18.58f, 20.207f), at(-18.58f, 20.207f))},
     .medium = {to(at(-18.58f, 20.207f), at(-18.58f, 20.207f)), to(at(-18.58f, 20.207f), at(-18.58f, 20.207f)), to(at(-18.58f, 20.207f), at(-18.58f, 20.207f)), to(at(-18.58f, 20.207f), at(-18.58f, 20.207f))},
     .hard = to(at(-18.58f, 20.207f), at(-18.58f, 20.207f))},
};

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

const Route& firstRoute(const HoleRoutes& routes, int32_t difficulty)
{
    if (difficulty == kHard) return routes.hard;
    const int32_t r = std::rand() % kDraws + 1;
    return (difficulty == kEasy ? routes.easy : routes.medium)[r - 1];
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
        setupOpponent(*computerOpponent(p), *routes, firstRoute(*routes, difficulty));
    }
}
