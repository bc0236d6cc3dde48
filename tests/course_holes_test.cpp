// The first holes built through their real builders and content, with physics.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "app/game_state.h"
#include "course/ball_and_putter.h"
#include "course/holes/hole_builder.h"
#include "course/holes/hole_table.h"
#include "play/turn_cycle.h"
#include "tests/support/headless_game.h"

namespace {

constexpr int kHoles[] = {-1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
constexpr int kSettleSteps = 500;  // 5 s of game time

void expectSurfaces()
{
    EXPECT_NE(game.bodies.ground.body, nullptr);
    EXPECT_NE(game.bodies.bricks.body, nullptr);
    EXPECT_NE(game.bodies.grass.body, nullptr);
    EXPECT_NE(game.bodies.cup.body, nullptr);
    EXPECT_NE(game.bodies.flagpole.body, nullptr);
}

class EveryHole : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        if (!holeBuilder(GetParam())) GTEST_SKIP() << "hole " << GetParam() << " has no builder yet";
    }
};

std::string holeName(const testing::TestParamInfo<int>& info)
{
    return info.param < 0 ? std::string("Practice") : "Hole" + std::to_string(info.param);
}

}  // namespace

TEST_P(EveryHole, EveryBodyExistsAndTheBallsRestOnTheTee)
{
    const int hole = GetParam();
    {
        for (int players = 1; players <= 4; ++players) {
            HeadlessGame headless(players);
            ASSERT_TRUE(headless.build(hole));
            EXPECT_EQ(game.match.currentHole, hole);
            EXPECT_EQ(game.match.holePar, holeRow(hole)->par);
            expectSurfaces();
            EXPECT_NE(game.bodies.grass.node, nullptr) << "hole " << hole;
            EXPECT_NE(game.scene.flagpole, nullptr);
            for (int p = 1; p <= 4; ++p) EXPECT_EQ(game.bodies.ball[p].body != nullptr, p <= players);
            headless.step(kSettleSteps);
            for (int p = 1; p <= players; ++p) {
                float start[3];
                ballStartPosition(players, p, start);
                const Vector3 at = ballPosition(p);
                const Vector3 v = ballVelocity(p);
                EXPECT_NEAR(at.X, start[0], 1.0f) << "hole " << hole << ", ball " << p << " of " << players;
                EXPECT_NEAR(at.Z, start[2], 1.0f) << "hole " << hole << ", ball " << p << " of " << players;
                EXPECT_NEAR(at.Y, kBallRadius, 0.1f) << "resting on the tee at height 0";
                EXPECT_LT(std::fabs(v.X) + std::fabs(v.Y) + std::fabs(v.Z), 0.05f);
            }
        }
    }
}

TEST_P(EveryHole, ABallReleasedAboveTheCupDropsInAndCounts)
{
    const int hole = GetParam();
    {
        HeadlessGame headless(1);
        ASSERT_TRUE(headless.build(hole));
        const HoleRow& row = *holeRow(hole);
        headless.placeBall(1, row.cup[0] + 0.3f, row.cup[1] + 1.0f, row.cup[2] + 0.2f);
        headless.step(300, false);
        const Vector3 at = ballPosition(1);
        EXPECT_LT(at.Y, row.cupDepth) << "hole " << hole;
        EXPECT_LT(std::fabs(at.X - row.cup[0]), 0.5f) << "hole " << hole;
        EXPECT_LT(std::fabs(at.Z - row.cup[2]), 0.5f) << "hole " << hole;
        EXPECT_TRUE(game.contacts.inCup[1]) << "the cup handler caught the ball on hole " << hole;
    }
}

TEST_P(EveryHole, BuildsWithEveryModelMissing)
{
    const std::filesystem::path empty = std::filesystem::temp_directory_path() / "tallowick-empty-contents";
    std::filesystem::create_directories(empty / "Models");
    const int hole = GetParam();
    {
        HeadlessGame headless(2, empty.string());
        ASSERT_TRUE(headless.build(hole));
        expectSurfaces();
        EXPECT_EQ(game.bodies.grass.node, nullptr);
        EXPECT_NE(game.bodies.ball[2].body, nullptr);
        headless.step(50);  // balls fall through an empty world without trouble
    }
}

// Every model a hole's scenery names exists under that exact name (letter case too).
TEST_P(EveryHole, FindsEveryModelItNames)
{
    HeadlessGame headless(1);
    testing::internal::CaptureStderr();
    const bool built = headless.build(GetParam());
    const std::string log = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(built);
    EXPECT_EQ(log.find("Missing model"), std::string::npos) << log;
}

INSTANTIATE_TEST_SUITE_P(CourseHoles, EveryHole, testing::ValuesIn(kHoles), holeName);

namespace {

std::string textureName(irr::scene::ISceneNode* node, irr::u32 material, irr::u32 layer)
{
    irr::video::ITexture* t = node->getMaterial(material).getTexture(layer);
    return t ? std::string(t->getName().getPath().c_str()) : std::string();
}

}  // namespace

// Seen from behind, against the light, the flag keeps its red: both faces of the cloth
// glow. The ponds of holes 3 and 7 show water (not the bare wet-stone layer, which read
// as a hole in the ground); a plane far below play keeps its plain dress.
TEST(HoleLook, TheFlagGlowsOnBothFacesAndPondsShowWater)
{
    for (int hole : {3, 7, 1}) {
        SCOPED_TRACE("hole " + std::to_string(hole));
        HeadlessGame headless(1);
        ASSERT_TRUE(headless.build(hole));
        irr::scene::ISceneNode* flag = game.scene.flag;
        ASSERT_NE(flag, nullptr);
        ASSERT_GE(flag->getMaterialCount(), 2u);
        for (irr::u32 m = 0; m < flag->getMaterialCount(); ++m)
            EXPECT_EQ(flag->getMaterial(m).EmissiveColor.getRed(), 178u) << "material " << m;
        const std::string plane = textureName(game.scene.waterPlane, 0, 0);
        if (hole == 1) {
            EXPECT_EQ(plane.find("water"), std::string::npos) << plane;
        } else {
            EXPECT_NE(plane.find("water"), std::string::npos) << plane;
            EXPECT_EQ(plane.find("wall1"), std::string::npos) << plane;
        }
    }
}
