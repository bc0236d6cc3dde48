// The shared play models, as generated into Contents/ and loaded by the engine:
// frame counts, where they stand once the game places them, and vertex layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "content/model/engine_load.h"

using namespace irr;
using model::Vec3;

namespace {

const std::string kModels = std::string(TALLOWICK_RUN_DIR) + "/Contents/Models/";

// The game's placement of the putter: at the ball's centre less 0.5 in y, scale 0.5, turned to the aim.
constexpr float kPutterScale = 0.5f, kPutterDrop = 0.5f;
constexpr float kBallRadius = 0.25f;
constexpr float kFlagScale = 0.7f, kFlagRaise = 1.5f, kPoleHalfHeight = 4.0f;

struct Loaded {
    EngineLoader engine;
    scene::IAnimatedMesh* mesh = nullptr;
    explicit Loaded(const std::string& file) : mesh(engine.loadFile(kModels + file)) {}
};

// Positions relative to the ball's centre, along the stroke (forward), up, and across.
struct Placed {
    float forward, up, across;
};

std::vector<Placed> placedPutter(scene::IAnimatedMesh* mesh, int frame, float yawDegrees)
{
    const float yaw = model::radians(yawDegrees);
    const Vec3 ahead{std::sin(yaw), 0, std::cos(yaw)}, side{std::cos(yaw), 0, -std::sin(yaw)};
    std::vector<Placed> out;
    for (Vec3 p : meshPositions(mesh->getMesh(frame))) {
        // The engine turns the node about y by the yaw: model +z goes along `ahead`.
        Vec3 world = ahead * (p.z * kPutterScale) + side * (p.x * kPutterScale) + Vec3{0, p.y * kPutterScale - kPutterDrop, 0};
        out.push_back({model::dot(world, ahead), world.y, model::dot(world, side)});
    }
    return out;
}

// The putter head: everything of the shaft model within 0.12 of its lowest point.
std::vector<Placed> head(const std::vector<Placed>& putter)
{
    float lowest = 1e9f;
    for (const Placed& p : putter) lowest = std::min(lowest, p.up);
    std::vector<Placed> out;
    for (const Placed& p : putter)
        if (p.up < lowest + 0.12f) out.push_back(p);
    return out;
}

float maxForward(const std::vector<Placed>& points)
{
    float m = -1e9f;
    for (const Placed& p : points) m = std::max(m, p.forward);
    return m;
}

float minUp(const std::vector<Placed>& points)
{
    float m = 1e9f;
    for (const Placed& p : points) m = std::min(m, p.up);
    return m;
}

bool nodeCanHoldFrame(scene::IAnimatedMesh* mesh, EngineLoader& engine, int frame)
{
    scene::IAnimatedMeshSceneNode* node = engine.device()->getSceneManager()->addAnimatedMeshSceneNode(mesh);
    node->setFrameLoop(frame, frame);
    node->setAnimationSpeed(0);
    bool held = int(node->getFrameNr()) == frame && node->getEndFrame() == frame;
    node->remove();
    return held;
}

}  // namespace

TEST(PlayModels, BallIsASphereThatScalesToThePhysicsRadius)
{
    Loaded ball("ball.b3d");
    ASSERT_NE(ball.mesh, nullptr);
    EXPECT_EQ(collisionLayoutProblem(ball.mesh->getMesh(0)), "");
    for (Vec3 p : meshPositions(ball.mesh->getMesh(0))) EXPECT_NEAR(model::length(p) * 0.2f, kBallRadius, 1e-3f);
}

TEST(PlayModels, PutterHasThreeSwingsAndHoldsTheFramesTheGameFreezesOn)
{
    for (const char* file : {"putterHandle.b3d", "putterShaft.b3d"}) {
        Loaded putter(file);
        ASSERT_NE(putter.mesh, nullptr) << file;
        EXPECT_EQ(collisionLayoutProblem(putter.mesh->getMesh(0)), "") << file;
        EXPECT_GE(putter.mesh->getFrameCount(), 181u) << file;
        for (int frame : {0, 30, 80, 180}) EXPECT_TRUE(nodeCanHoldFrame(putter.mesh, putter.engine, frame)) << file << " frame " << frame;
    }
}

TEST(PlayModels, PutterHeadRestsBehindTheBallAndReachesItOnTheContactFrames)
{
    Loaded shaft("putterShaft.b3d");
    ASSERT_NE(shaft.mesh, nullptr);
    struct Swing {
        int start, top, contact;
    };
    const Swing swings[] = {{0, 13, 25}, {45, 61, 75}, {100, 113, 125}};
    for (float yaw : {0.0f, 90.0f, -135.0f}) {
        const std::string aim = "yaw " + std::to_string(int(yaw));
        float lastBackswing = 0;
        for (const Swing& s : swings) {
            // At address: on the green, just behind the ball, wider than the ball.
            std::vector<Placed> address = head(placedPutter(shaft.mesh, s.start, yaw));
            EXPECT_NEAR(minUp(address), -kBallRadius, 0.03f) << aim << " frame " << s.start;
            EXPECT_NEAR(maxForward(address), -kBallRadius, 0.04f) << aim << " frame " << s.start;
            EXPECT_LT(maxForward(address), -kBallRadius) << aim << " frame " << s.start;
            float left = 1e9f, right = -1e9f;
            for (const Placed& p : address) left = std::min(left, p.across), right = std::max(right, p.across);
            EXPECT_LT(left, -kBallRadius) << aim;
            EXPECT_GT(right, kBallRadius) << aim;
            // Taken back, further for each longer swing.
            float back = maxForward(head(placedPutter(shaft.mesh, s.top, yaw)));
            EXPECT_LT(back, -2 * kBallRadius) << aim << " frame " << s.top;
            EXPECT_LT(back, lastBackswing) << aim << " frame " << s.top;
            lastBackswing = back;
            // Through the ball's back at the contact frame, still low.
            std::vector<Placed> contact = head(placedPutter(shaft.mesh, s.contact, yaw));
            EXPECT_NEAR(maxForward(contact), -kBallRadius, 0.03f) << aim << " frame " << s.contact;
            EXPECT_LT(minUp(contact), -kBallRadius + 0.05f) << aim << " frame " << s.contact;
            EXPECT_GT(maxForward(head(placedPutter(shaft.mesh, s.contact + 3, yaw))), 0.0f) << aim << " after frame " << s.contact;
        }
    }
}

TEST(PlayModels, PutterNeverDigsIntoTheGreenAndItsPartsStayJoined)
{
    Loaded shaft("putterShaft.b3d"), grip("putterHandle.b3d");
    ASSERT_NE(shaft.mesh, nullptr);
    ASSERT_NE(grip.mesh, nullptr);
    for (int frame = 0; frame <= 180; frame += 3) {
        std::vector<Placed> s = placedPutter(shaft.mesh, frame, 0), g = placedPutter(grip.mesh, frame, 0);
        EXPECT_GE(minUp(s), -kBallRadius - 1e-3f) << "frame " << frame;
        // The grip's lowest point sits on the shaft.
        Placed gripEnd = *std::min_element(g.begin(), g.end(), [](const Placed& a, const Placed& b) { return a.up < b.up; });
        float nearest = 1e9f;
        for (const Placed& p : s)
            nearest = std::min(nearest, std::hypot(p.forward - gripEnd.forward, p.up - gripEnd.up, p.across - gripEnd.across));
        EXPECT_LT(nearest, 0.1f) << "frame " << frame;
    }
}

TEST(PlayModels, FlagpoleMatchesItsCollisionBox)
{
    Loaded pole("flagpole.b3d");
    ASSERT_NE(pole.mesh, nullptr);
    EXPECT_EQ(collisionLayoutProblem(pole.mesh->getMesh(0)), "");
    const core::aabbox3df box = pole.mesh->getMesh(0)->getBoundingBox();
    EXPECT_NEAR(box.MinEdge.Y, -kPoleHalfHeight, 0.1f);
    EXPECT_NEAR(box.MaxEdge.Y, kPoleHalfHeight, 0.1f);
    for (float edge : {box.MinEdge.X, box.MinEdge.Z}) EXPECT_NEAR(edge, -0.05f, 0.03f);
    for (float edge : {box.MaxEdge.X, box.MaxEdge.Z}) EXPECT_NEAR(edge, 0.05f, 0.03f);
}

TEST(PlayModels, FlagFliesAtTheTopOfThePoleAndWavesInALoop)
{
    Loaded flag("flag.b3d");
    ASSERT_NE(flag.mesh, nullptr);
    EXPECT_EQ(collisionLayoutProblem(flag.mesh->getMesh(0)), "");
    const int frames = int(flag.mesh->getFrameCount());
    ASSERT_GE(frames, 30);
    for (int frame = 0; frame < frames; frame += 5) {
        float low = 1e9f, high = -1e9f, nearPole = 1e9f;
        for (Vec3 p : meshPositions(flag.mesh->getMesh(frame))) {
            Vec3 atCup = p * kFlagScale + Vec3{0, kFlagRaise, 0};  // relative to the cup
            low = std::min(low, atCup.y);
            high = std::max(high, atCup.y);
            nearPole = std::min(nearPole, std::hypot(atCup.x, atCup.z));
        }
        EXPECT_LE(high, kPoleHalfHeight) << "frame " << frame;
        EXPECT_GT(high, kPoleHalfHeight - 0.4f) << "frame " << frame;
        EXPECT_GT(low, kPoleHalfHeight - 2.0f) << "frame " << frame;
        EXPECT_LT(nearPole, 0.1f) << "frame " << frame;  // fastened to the pole
    }
    // It moves, and its last frame leads smoothly back into its first.
    std::vector<Vec3> first = meshPositions(flag.mesh->getMesh(0)), middle = meshPositions(flag.mesh->getMesh(frames / 4)),
                      last = meshPositions(flag.mesh->getMesh(frames - 1));
    ASSERT_EQ(first.size(), last.size());
    float moved = 0, seam = 0;
    for (size_t i = 0; i < first.size(); ++i) {
        moved = std::max(moved, model::length(middle[i] - first[i]));
        seam = std::max(seam, model::length(last[i] - first[i]));
    }
    EXPECT_GT(moved, 0.1f);
    EXPECT_LT(seam, moved / 4);
}

TEST(PlayModels, PinIsASmallHubOnItsOrigin)
{
    Loaded pin("pin.b3d");
    ASSERT_NE(pin.mesh, nullptr);
    EXPECT_EQ(collisionLayoutProblem(pin.mesh->getMesh(0)), "");
    const core::aabbox3df box = pin.mesh->getMesh(0)->getBoundingBox();
    EXPECT_LT(box.getCenter().getLength(), 0.01f);
    EXPECT_LT(box.getExtent().X, 1.0f);
    EXPECT_GT(box.getExtent().X, 0.2f);
}
