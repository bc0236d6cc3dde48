// How a computer opponent follows its route: capture squares, trigger zones and
// their latches, the home zone; and how hole 1 hands out its route variants.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>

#include "app/game_state.h"
#include "course/ai.h"
#include "course/ai_seats.h"
#include "course/holes/computer_routes.h"

namespace {

// A ball scene node that only has a position.
class BallNode : public irr::scene::ISceneNode {
public:
    BallNode() : ISceneNode(nullptr, nullptr) {}
    void render() override {}
    const irr::core::aabbox3df& getBoundingBox() const override { return box_; }
    void at(float x, float y, float z) { setPosition({x, y, z}); }

private:
    irr::core::aabbox3df box_;
};

constexpr Waypoint kFar{90, 0, 90, 0};

std::pair<float, float> target(const AI& ai) { return {ai.target().x, ai.target().z}; }

TEST(ComputerRoute, TheCaptureSquareIsStrictAndRadiusZeroNeverCaptures)
{
    struct Case { float x, z; int32_t radius; bool captured; };
    const Case cases[] = {
        {12.0f, 10.0f, 2, false},   // on the right edge
        {8.0f, 10.0f, 2, false},    // on the left edge
        {10.0f, 12.0f, 2, false},   // on the far edge
        {11.9f, 8.1f, 2, true},     // just inside a corner
        {10.0f, 10.0f, 0, false},   // right on a radius-0 waypoint
    };
    for (const Case& c : cases) {
        AI ai;
        ai.setMainRoute({10, 0, 10, c.radius}, {20, 0, 30, 0}, kFar);
        BallNode ball;
        ball.at(c.x, 0, c.z);
        ai.updateTarget(&ball);
        EXPECT_EQ(ai.waypointIndex(), c.captured ? 2 : 1) << c.x << ", " << c.z << " r " << c.radius;
        EXPECT_EQ(target(ai), c.captured ? std::make_pair(20.0f, 30.0f) : std::make_pair(10.0f, 10.0f));
        EXPECT_EQ(ai.reached(), c.captured);
    }
}

TEST(ComputerRoute, CapturesMoveTheQueueUpAndTheLastWaypointStays)
{
    AI ai;
    ai.setMainRoute({0, 0, 5, 3}, {0, 0, 10, 3}, {0, 0, 20, 3});
    BallNode ball;
    for (float z : {5.0f, 10.0f, 20.0f, 20.0f}) {
        ball.at(0, 0, z);
        ai.updateTarget(&ball);
    }
    EXPECT_EQ(target(ai), std::make_pair(0.0f, 20.0f));
    EXPECT_EQ(ai.waypointIndex(), 5);
}

TEST(ComputerRoute, ABallStayingInAZoneReinstallsItsRouteEverySecondFrame)
{
    AI ai;
    ai.setMainRoute(kFar, kFar, kFar);
    // The zone's first waypoint lies under the ball, so the next frame captures it.
    ai.setZone(1, 5, -5, 5, -5, {{1, 0, 1, 4}, {40, 0, 40, 0}, kFar});
    BallNode ball;
    ball.at(0, 0, 0);
    std::pair<float, float> seen[4];
    for (auto& t : seen) {
        ai.updateTarget(&ball);
        t = target(ai);
    }
    EXPECT_EQ(seen[0], std::make_pair(1.0f, 1.0f));
    EXPECT_EQ(seen[1], std::make_pair(40.0f, 40.0f));
    EXPECT_EQ(seen[2], std::make_pair(1.0f, 1.0f));
    EXPECT_EQ(seen[3], std::make_pair(40.0f, 40.0f));

    // Out of the zone the route stays; a height zone also needs the ball inside its band.
    ai.setHeightZone(11, 5, -5, 5, -5, 2, 1, {{-7, 0, -7, 0}, kFar, kFar});
    ball.at(20, 0.5f, 20);
    ai.updateTarget(&ball);
    EXPECT_EQ(target(ai), std::make_pair(40.0f, 40.0f));
    ai.setZone(1, 0, 0, 0, 0, {});
    ball.at(0, 0.5f, 0);
    ai.updateTarget(&ball);
    EXPECT_EQ(target(ai), std::make_pair(40.0f, 40.0f)) << "below the band";
    ball.at(0, 1.5f, 0);
    ai.updateTarget(&ball);
    EXPECT_EQ(target(ai), std::make_pair(-7.0f, -7.0f));
}

// A stroke played again after a penalty starts from the plan the computer had when it struck,
// not from the zone the lost ball rolled through; the other seats keep theirs.
TEST(ComputerRoute, AStrokePlayedAgainStartsFromThePlanAtTheStroke)
{
    AI& seat2 = *computerOpponent(2);
    AI& seat3 = *computerOpponent(3);
    seat2.resetRoute();
    seat3.resetRoute();
    seat2.setMainRoute({3, 0, 30, 0}, kFar, kFar);
    seat2.setZone(1, 5, -5, 25, 15, {{20, 0, 20, 0}, kFar, kFar});
    seat3.setMainRoute({-3, 0, 30, 0}, kFar, kFar);
    rememberComputerPlans();
    BallNode ball;
    ball.at(0, 0, 20);  // the lost ball rolls through seat 2's zone
    seat2.updateTarget(&ball);
    seat3.setMainRoute({9, 0, 9, 0}, kFar, kFar);
    ASSERT_EQ(target(seat2), std::make_pair(20.0f, 20.0f));
    restoreComputerPlan(2);
    EXPECT_EQ(target(seat2), std::make_pair(3.0f, 30.0f));
    EXPECT_EQ(target(seat3), std::make_pair(9.0f, 9.0f));
    ball.at(0, 0, 20);
    seat2.updateTarget(&ball);
    EXPECT_EQ(target(seat2), std::make_pair(20.0f, 20.0f)) << "the zone still fires (its latch was put back too)";
    restoreComputerPlan(1);  // a human seat: nothing to put back
    restoreComputerPlan(9);
    seat2.resetRoute();
    seat3.resetRoute();
}

TEST(ComputerRoute, AZoneRouteKeepsTheRadiusOfTheLastQueuedWaypoint)
{
    AI ai;
    ai.setMainRoute(kFar, kFar, {90, 0, 90, 6});
    ai.setZone(2, 5, -5, 5, -5, {{0, 0, 10, 2}, {0, 0, 20, 2}, {0, 0, 30, 0}});
    BallNode ball;
    ball.at(0, 0, 0);
    ai.updateTarget(&ball);  // zone 2 installs its route
    for (float z : {10.0f, 20.0f, 27.0f}) {
        ball.at(0, 0, z);
        ai.updateTarget(&ball);
    }
    // The zone's last waypoint came with radius 0 but kept 6: the ball 3 short of it was captured.
    EXPECT_EQ(ai.waypointIndex(), 4);
}

TEST(ComputerRoute, TheHomeZoneOnlyTakesOverOnceTheRouteIsReached)
{
    AI ai;
    ai.setHomeZone(-5, 5, 5, -5, {{-30, 0, -30, 0}, kFar, kFar});
    BallNode ball;
    ball.at(0, 0, 0);
    ai.setMainRoute({50, 0, 50, 2}, {60, 0, 60, 0}, kFar);
    ai.updateTarget(&ball);
    EXPECT_FALSE(ai.reached());
    EXPECT_EQ(target(ai), std::make_pair(50.0f, 50.0f));

    ai.setMainRoute({1, 0, 1, 2}, {60, 0, 60, 0}, kFar);  // captured at once: reached
    ai.updateTarget(&ball);
    EXPECT_EQ(target(ai), std::make_pair(-30.0f, -30.0f));

    // Reached without a capture: the ball lies inside the square of the current waypoint.
    ai.setMainRoute({50, 0, 50, 0}, kFar, kFar);
    ai.setZone(1, 5, -5, 5, -5, {{0.5f, 0, 0.5f, 0}, kFar, kFar});
    ai.updateTarget(&ball);
    EXPECT_EQ(target(ai), std::make_pair(0.5f, 0.5f)) << "radius 0: not reached, home stays out";
    ai.setZone(1, 5, -5, 5, -5, {{0.5f, 0, 0.5f, 1}, kFar, kFar});  // a new zone, its latch clear
    ai.updateTarget(&ball);  // installs the radius-1 copy; the ball is inside its square
    EXPECT_EQ(target(ai), std::make_pair(-30.0f, -30.0f));
}

TEST(ComputerRoute, ResetClearsRoutesAndZonesAndFarGatesNeverFire)
{
    AI ai;
    ai.setMainRoute({3, 0, 4, 1}, kFar, kFar);
    ai.setGateZones(-5, 5, 5, -5, 5, -5, 5, -5);
    ai.setGateRoutes({{7, 0, 7, 0}, kFar, kFar}, {{8, 0, 8, 0}, kFar, kFar});
    ai.pushGateZonesAway();
    BallNode ball;
    ball.at(0, 0, 0);
    ai.updateTarget(&ball);
    EXPECT_EQ(target(ai), std::make_pair(3.0f, 4.0f));
    ai.resetRoute();
    EXPECT_EQ(target(ai), std::make_pair(0.0f, 0.0f));
    EXPECT_EQ(ai.waypointIndex(), 0);
    EXPECT_EQ(ai.zone(0).xMax, 0.0f);
}

// Hole 1: hard always at the cup; easy at one of three points, the lay-up half the time.
TEST(ComputerRoute, HoleOneDealsItsVariantsByDifficulty)
{
    const std::set<std::pair<float, float>> easyPoints = {{-1.6f, 25.7f}, {0, 16.1f}, {1.6f, 25.7f}};
    const std::set<std::pair<float, float>> mediumPoints = {{0, 16.1f}, {0, 26.7f}};
    int easyLayUps = 0, easyDeals = 0;
    std::set<std::pair<float, float>> easySeen;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        game.match.difficulty[2] = 1;
        game.match.difficulty[3] = 2;
        game.match.difficulty[4] = 3;
        std::srand(seed);
        setupComputerRoutes(1);
        const auto easy = target(*computerOpponent(2));
        EXPECT_TRUE(easyPoints.count(easy));
        EXPECT_TRUE(mediumPoints.count(target(*computerOpponent(3))));
        EXPECT_EQ(target(*computerOpponent(4)), std::make_pair(0.0f, 26.7f));
        easySeen.insert(easy);
        easyLayUps += easy == std::make_pair(0.0f, 16.1f);
        ++easyDeals;
    }
    EXPECT_EQ(easySeen.size(), 3u);
    EXPECT_NEAR(double(easyLayUps) / easyDeals, 0.5, 0.12);
    game.match.difficulty[2] = game.match.difficulty[3] = game.match.difficulty[4] = 0;
}

// Hole 2 has no zones: every variant's first target gives way to the cup once the ball
// lies near it, so a computer aimed beside the cup does not putt at that point for ever.
TEST(ComputerRoute, WithoutZonesAVariantBesideTheCupGivesWayToTheCup)
{
    const std::pair<float, float> cup = {0, 32};
    std::set<std::pair<float, float>> firstTargets;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        game.match.difficulty[2] = 1;
        game.match.difficulty[3] = 2;
        std::srand(seed);
        setupComputerRoutes(2);
        for (int p = 2; p <= 3; ++p) {
            AI& ai = *computerOpponent(p);
            const Waypoint first = ai.target();
            firstTargets.insert(target(ai));
            BallNode ball;
            ball.at(first.x + 2.5f, 1.5f, first.z - 2.5f);  // inside the square, not on the point
            ai.updateTarget(&ball);
            EXPECT_EQ(target(ai), cup) << "seed " << seed << " seat " << p;
        }
    }
    EXPECT_GT(firstTargets.size(), 2u) << "the variants aim at different points";
    game.match.difficulty[2] = game.match.difficulty[3] = 0;
}

// Each seat putts from its own spot on the tee: the hard line is the one tuned for that spot,
// and easy and medium draw their lay-ups and their aims beside it about that spot too.
TEST(ComputerRoute, TheFirstLineFollowsTheSeatsTeeSpot)
{
    const float kSpot = 1.0f;  // seat 2 of two
    game.match.playerCount = 4;
    game.match.difficulty[4] = 3;
    setupComputerRoutes(13);
    const Waypoint fromSeatFour = computerOpponent(4)->target();
    game.match.playerCount = 2;
    game.match.difficulty[2] = 3;
    game.match.difficulty[4] = 0;
    setupComputerRoutes(13);
    const Waypoint line = computerOpponent(2)->target();
    EXPECT_NE(target(*computerOpponent(2)), std::make_pair(fromSeatFour.x, fromSeatFour.z))
        << "hole 13 has its own line from this spot";

    const float dx = line.x - kSpot, dz = line.z, reach = std::hypot(dx, dz);
    std::set<int> kinds;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        for (int difficulty : {1, 2}) {
            game.match.difficulty[2] = difficulty;
            std::srand(seed);
            setupComputerRoutes(13);
            const Waypoint t = computerOpponent(2)->target();
            const float tx = t.x - kSpot, tz = t.z, along = (tx * dx + tz * dz) / reach;
            const float across = (tz * dx - tx * dz) / reach, part = std::hypot(tx, tz) / reach;
            const bool layUp = std::fabs(across) < 0.01f && part < 0.95f;
            const bool beside = std::fabs(part - 1) < 0.001f && std::fabs(across) > 0.01f;
            const bool onLine = std::fabs(across) < 0.01f && std::fabs(part - 1) < 0.001f;
            EXPECT_TRUE(layUp || beside || onLine) << "seed " << seed << " difficulty " << difficulty;
            EXPECT_GT(along, 0);
            kinds.insert(layUp ? 0 : beside ? 1 : 2);
        }
    }
    EXPECT_EQ(kinds.size(), 3u) << "lay-ups, aims beside and the line itself are all drawn";
    game.match.difficulty[2] = 0;
    game.match.playerCount = 1;
}

}  // namespace
