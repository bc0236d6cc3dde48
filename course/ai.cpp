#include "course/ai.h"

#include <initializer_list>

namespace {

constexpr int32_t kGateA = 0, kGateB = 1, kFirstPlainZone = 2;
constexpr float kFarAway = 100000.0f, kFarther = 10000000.0f;  // gate boxes beyond any course

AI opponents[3];  // players 2, 3 and 4

bool insideSquare(const irr::core::vector3df& ball, const Waypoint& target)
{
    const float r = float(target.radius);
    return ball.X + r > target.x && ball.X - r < target.x && ball.Z + r > target.z && ball.Z - r < target.z;
}

bool insideZone(const irr::core::vector3df& ball, const TriggerZone& zone, bool withHeight)
{
    const bool ground = zone.xMin < ball.X && ball.X < zone.xMax && zone.zMin < ball.Z && ball.Z < zone.zMax;
    return ground && (!withHeight || (zone.yMin < ball.Y && ball.Y < zone.yMax));
}

TriggerZone box(float xMin, float xMax, float zMin, float zMax, const Route& route)
{
    TriggerZone zone;
    zone.xMin = xMin;
    zone.xMax = xMax;
    zone.zMin = zMin;
    zone.zMax = zMax;
    zone.route = route;
    return zone;
}

}  // namespace

void AI::setMainRoute(Waypoint current, Waypoint queued1, Waypoint queued2)
{
    route_ = {current, queued1, queued2};
    index_ = 1;
    reached_ = 0;
    for (int32_t slot : {kGateA, kGateB, kFirstPlainZone, kFirstPlainZone + 1}) zones_[slot].latch = 0;
}

// A zone's route replaces the current one; the last queued waypoint keeps the radius it had.
void AI::install(const Route& route)
{
    index_ = 1;
    route_.current = route.current;
    route_.queued1 = route.queued1;
    const int32_t radius = route_.queued2.radius;
    route_.queued2 = route.queued2;
    route_.queued2.radius = radius;
}

void AI::updateTarget(irr::scene::ISceneNode* ball)
{
    if (!ball) return;
    const irr::core::vector3df at = ball->getPosition();
    if (insideSquare(at, route_.current)) {
        index_ += 1;
        route_.current = route_.queued1;
        route_.queued1 = route_.queued2;
    }
    reached_ = index_ >= 2;
    // While the ball stays in a zone the latch flips every frame, so its route comes back every second frame.
    for (int32_t slot = 0; slot < kZoneCount; ++slot) {
        TriggerZone& zone = zones_[slot];
        if (insideZone(at, zone, slot >= kFirstPlainZone + kPlainZones) && !zone.latch) {
            install(zone.route);
            zone.latch = 1;
        } else {
            zone.latch = 0;
        }
    }
    if (insideSquare(at, route_.current)) reached_ = 1;
    if (reached_ && insideZone(at, home_, false)) install(home_.route);
}

void AI::setGateZones(float aXMin, float aXMax, float aZMax, float aZMin, float bXMax, float bXMin, float bZMax,
                      float bZMin)
{
    zones_[kGateA] = box(aXMin, aXMax, aZMin, aZMax, zones_[kGateA].route);
    zones_[kGateB] = box(bXMin, bXMax, bZMin, bZMax, zones_[kGateB].route);
}

void AI::setGateRoutes(Route a, Route b)
{
    zones_[kGateA].route = a;
    zones_[kGateB].route = b;
}

void AI::setHomeZone(float xMin, float xMax, float zMax, float zMin, Route route)
{
    home_ = box(xMin, xMax, zMin, zMax, route);
}

void AI::setZone(int32_t zone, float xMax, float xMin, float zMax, float zMin, Route route)
{
    if (zone < 1 || zone > kPlainZones) return;
    zones_[kFirstPlainZone + zone - 1] = box(xMin, xMax, zMin, zMax, route);
}

void AI::setHeightZone(int32_t zone, float xMax, float xMin, float zMax, float zMin, float yMax, float yMin,
                       Route route)
{
    if (zone <= kPlainZones || zone > kPlainZones + kHeightZones) return;
    TriggerZone& slot = zones_[kFirstPlainZone + zone - 1];
    slot = box(xMin, xMax, zMin, zMax, route);
    slot.yMin = yMin;
    slot.yMax = yMax;
}

void AI::setZone1(float xMax, float xMin, float zMax, float zMin, Route r) { setZone(1, xMax, xMin, zMax, zMin, r); }
void AI::setZone2(float xMax, float xMin, float zMax, float zMin, Route r) { setZone(2, xMax, xMin, zMax, zMin, r); }
void AI::setZone3(float xMax, float xMin, float zMax, float zMin, Route r) { setZone(3, xMax, xMin, zMax, zMin, r); }
void AI::setZone4(float xMax, float xMin, float zMax, float zMin, Route r) { setZone(4, xMax, xMin, zMax, zMin, r); }
void AI::setZone5(float xMax, float xMin, float zMax, float zMin, Route r) { setZone(5, xMax, xMin, zMax, zMin, r); }
void AI::setZone6(float xMax, float xMin, float zMax, float zMin, Route r) { setZone(6, xMax, xMin, zMax, zMin, r); }
void AI::setZone7(float xMax, float xMin, float zMax, float zMin, Route r) { setZone(7, xMax, xMin, zMax, zMin, r); }
void AI::setZone8(float xMax, float xMin, float zMax, float zMin, Route r) { setZone(8, xMax, xMin, zMax, zMin, r); }
void AI::setZone9(float xMax, float xMin, float zMax, float zMin, Route r) { setZone(9, xMax, xMin, zMax, zMin, r); }
void AI::setZone10(float xMax, float xMin, float zMax, float zMin, Route r) { setZone(10, xMax, xMin, zMax, zMin, r); }

void AI::setHeightZone11(float xMax, float xMin, float zMax, float zMin, float yMax, float yMin, Route r)
{
    setHeightZone(11, xMax, xMin, zMax, zMin, yMax, yMin, r);
}

void AI::setHeightZone12(float xMax, float xMin, float zMax, float zMin, float yMax, float yMin, Route r)
{
    setHeightZone(12, xMax, xMin, zMax, zMin, yMax, yMin, r);
}

void AI::setHeightZone13(float xMax, float xMin, float zMax, float zMin, float yMax, float yMin, Route r)
{
    setHeightZone(13, xMax, xMin, zMax, zMin, yMax, yMin, r);
}

void AI::resetRoute()
{
    route_ = Route{};
    index_ = 0;
    reached_ = 0;
    for (TriggerZone& zone : zones_) zone = TriggerZone{};
    home_ = TriggerZone{};
}

void AI::pushGateZonesAway()
{
    for (int32_t slot : {kGateA, kGateB}) {
        TriggerZone& zone = zones_[slot];
        zone.xMin = zone.zMin = kFarAway;
        zone.xMax = zone.zMax = kFarther;
    }
}

AI* computerOpponent(int32_t player) { return player >= 2 && player <= 4 ? &opponents[player - 2] : nullptr; }
