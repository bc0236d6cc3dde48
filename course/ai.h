// The computer opponent: hand-placed routes of waypoints, and trigger zones on
// the ground that install their own route when a ball rolls into them. Three
// of these exist for the whole run, one for each of players 2, 3 and 4.
#pragma once

#include <cstdint>

#include <irrlicht.h>

struct Waypoint {
    float x = 0, y = 0, z = 0;
    int32_t radius = 0;  // half the side of the capture square; 0 never captures
};

struct Route {
    Waypoint current;
    Waypoint queued1;
    Waypoint queued2;
};

// A box on the ground (a height zone also a band of y); tested with strict comparisons.
struct TriggerZone {
    float xMin = 0, xMax = 0, zMin = 0, zMax = 0;
    float yMin = 0, yMax = 0;
    Route route;
    uint8_t latch = 0;
};

constexpr int32_t kPlainZones = 10;   // zones 1..10
constexpr int32_t kHeightZones = 3;   // zones 11..13
constexpr int32_t kZoneCount = 2 + kPlainZones + kHeightZones;  // gate A, gate B, 1..10, 11..13

class AI {
public:
    // Slots 0..18, in this order.
    virtual void setMainRoute(Waypoint current, Waypoint queued1, Waypoint queued2);
    virtual void updateTarget(irr::scene::ISceneNode* ball);
    virtual void setGateZones(float aXMin, float aXMax, float aZMax, float aZMin, float bXMax, float bXMin, float bZMax,
                              float bZMin);
    virtual void setGateRoutes(Route a, Route b);
    virtual void setHomeZone(float xMin, float xMax, float zMax, float zMin, Route route);
    virtual void setZone1(float xMax, float xMin, float zMax, float zMin, Route route);
    virtual void setZone2(float xMax, float xMin, float zMax, float zMin, Route route);
    virtual void setZone3(float xMax, float xMin, float zMax, float zMin, Route route);
    virtual void setZone4(float xMax, float xMin, float zMax, float zMin, Route route);
    virtual void setZone5(float xMax, float xMin, float zMax, float zMin, Route route);
    virtual void setZone6(float xMax, float xMin, float zMax, float zMin, Route route);
    virtual void setZone7(float xMax, float xMin, float zMax, float zMin, Route route);
    virtual void setZone8(float xMax, float xMin, float zMax, float zMin, Route route);
    virtual void setZone9(float xMax, float xMin, float zMax, float zMin, Route route);
    virtual void setZone10(float xMax, float xMin, float zMax, float zMin, Route route);
    virtual void setHeightZone11(float xMax, float xMin, float zMax, float zMin, float yMax, float yMin, Route route);
    virtual void setHeightZone12(float xMax, float xMin, float zMax, float zMin, float yMax, float yMin, Route route);
    virtual void setHeightZone13(float xMax, float xMin, float zMax, float zMin, float yMax, float yMin, Route route);
    virtual void resetRoute();

    // Zone 1..10 (plain) or 11..13 (height) by number, for the route tables.
    void setZone(int32_t zone, float xMax, float xMin, float zMax, float zMin, Route route);
    void setHeightZone(int32_t zone, float xMax, float xMin, float zMax, float zMin, float yMax, float yMin, Route route);
    // Holes that have no gates put both boxes far outside the course.
    void pushGateZonesAway();

    const Waypoint& target() const { return route_.current; }
    int32_t waypointIndex() const { return index_; }
    bool reached() const { return reached_ != 0; }
    const TriggerZone& zone(int32_t slot) const { return zones_[slot]; }  // 0 gate A, 1 gate B, 2.. zones 1..13

private:
    void install(const Route& route);

    Route route_;
    int32_t index_ = 0;
    uint8_t reached_ = 0;
    TriggerZone zones_[kZoneCount];
    TriggerZone home_;
};

// The opponent of player 2, 3 or 4 (null for any other number).
AI* computerOpponent(int32_t player);
