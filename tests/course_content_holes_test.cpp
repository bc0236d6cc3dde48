// The generated hole meshes against what play relies on: a level tee at the origin,
// the cup's rim at the hole table's height, a cup deep enough to hold a ball below
// the table's cup depth, and grass without steps or cracks for the ball to hop on.
// Reads the Contents/ that the content tool wrote into the build's run tree.
#include <gtest/gtest.h>

#include <irrlicht.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace irr;
using core::vector3df;

namespace {

constexpr float kBallRadius = 0.25f;
constexpr float kRimTolerance = 0.002f;
constexpr float kSampleStep = 0.05f;        // along the line of play
constexpr float kSteepest = 0.25f;          // the greens never climb faster than this
constexpr float kMaxBend = 0.002f;          // change of height step between neighbouring samples

// The hole table's rows for the holes built so far, and the line a player putts along
// from the tee to just short of the cup (round the brick block on hole 1).
struct HoleCase {
    const char* name;
    int file;
    vector3df cup;
    float cupDepth;
    std::vector<std::pair<float, float>> line;
    int greens = 1;  // separate sheets of grass (greens joined by pipes)
};

const HoleCase kHoles[] = {
    {"practice", 0, {-0.344f, 0.587f, 32.011f}, -0.4f,
     {{0, 0}, {0, 5}, {1.5f, 10.5f}, {1.2f, 19}, {-0.344f, 26.5f}, {-0.344f, 31.2f}}},
    {"hole1", 1, {0.232f, -0.5f, 26.731f}, -0.9f, {{0, 0}, {0, 6}, {0.3f, 12}, {-1.2f, 16.5f}, {0.232f, 25.9f}}},
    {"hole2", 2, {0, 1.559724f, 32.001106f}, 0.7f, {{0, 0}, {0, 4}, {4.5f, 10}, {4.5f, 13}, {0, 25}, {0, 31.2f}}},
    {"hole3", 3, {17.052f, -2.14538f, -7.24f}, -3.4f,
     {{0, 0}, {0, 13.5f}, {2.2f, 18.8f}, {7.5f, 21}, {9.55f, 21}, {14.85f, 18.8f}, {17.052f, 13.5f}, {17.052f, -6.4f}}},
    {"hole4", 4, {-18.55f, -7, 48.3f}, -7.1f, {{0, 0}, {0, 15}, {0, 19.5f}}, 2},  // down to the chute's mouth
    {"hole5", 5, {-5.82f, 1, 27.5f}, 0.2f, {{0, 0}, {0, 24.7f}, {-0.82f, 26.68f}, {-2.8f, 27.5f}, {-5, 27.5f}}},
    {"hole6", 6, {-17.1f, -6, 8.7f}, -6.35f,
     {{0, 0}, {0, 27.5f}, {-1.03f, 29.97f}, {-3.5f, 31}, {-13.6f, 31}, {-16.07f, 29.97f}, {-17.1f, 27.5f}, {-17.1f, 9.5f}}},
    {"hole7", 7, {18, -1.6f, 23.9f}, -1.4f, {{0, 0}, {0, 20.4f}, {1.03f, 22.87f}, {3.5f, 23.9f}, {17.2f, 23.9f}}},
    {"hole11", 11, {-18.76f, 0.5f, 23.04f}, 0.57f,
     {{0, 0}, {0, 12}, {-0.15f, 18.25f}, {-0.31f, 19.44f}, {-0.77f, 20.55f}, {-1.5f, 21.5f}, {-2.45f, 22.23f},
      {-3.56f, 22.69f}, {-4.75f, 22.85f}, {-8, 22.85f}, {-14.5f, 22.85f}, {-15, 21.6f}, {-17, 21.6f}, {-17.9f, 22.4f}}},
    {"hole12", 12, {18.99f, -5, 7.26f}, -5.73f,
     {{0, 0}, {0, 12}, {0, 21.25f}, {0.13f, 22.22f}, {0.5f, 23.12f}, {1.1f, 23.9f}, {1.88f, 24.5f}, {2.78f, 24.87f},
      {3.75f, 25}, {4.72f, 24.87f}, {5.62f, 24.5f}, {6.4f, 23.9f}, {7, 23.12f}, {7.37f, 22.22f}, {7.5f, 21.25f},
      {7.5f, 10}, {7.5f, 0}, {7.5f, -5}, {7.64f, -6.04f}, {8.04f, -7}, {8.67f, -7.83f}, {9.5f, -8.46f},
      {10.46f, -8.86f}, {11.5f, -9}, {15, -9}, {16.04f, -8.86f}, {17, -8.46f}, {17.83f, -7.83f}, {18.46f, -7},
      {18.86f, -6.04f}, {19, -5}, {19, 6.5f}}},
    {"hole17", 17, {-17.218f, -0.5f, -5.27f}, -1.55f,
     {{0, 0}, {0, 6}, {0, 13}, {0, 27}, {0, 34.5f}, {-0.12f, 35.77f}, {-0.49f, 36.99f}, {-1.1f, 38.11f}, {-1.9f, 39.1f},
      {-2.89f, 39.9f}, {-4.01f, 40.51f}, {-5.23f, 40.88f}, {-6.5f, 41}, {-10.72f, 41}, {-11.99f, 40.88f},
      {-13.21f, 40.51f}, {-14.33f, 39.9f}, {-15.31f, 39.1f}, {-16.12f, 38.11f}, {-16.72f, 36.99f}, {-17.09f, 35.77f},
      {-17.22f, 34.5f}, {-17.22f, 31}, {-16.42f, 29}, {-16.8f, 25}, {-18.02f, 19}, {-17.22f, 16}, {-17.22f, 1.5f}}},
    {"hole15", 15, {20.021f, -3.769f, -9.337f}, -4.6f,
     {{0, 0}, {0, 5}, {0, 12}, {0, 20.5f}, {0.74f, 23.25f}, {2.75f, 25.26f}, {5.5f, 26}, {14.5f, 26}, {17.25f, 25.26f},
      {19.26f, 23.25f}, {20, 20.5f}, {20, 8}, {20, -1.5f}, {18, -4.5f}, {18, -7.5f}, {19.4f, -8.7f}}},
    {"hole16", 16, {-0.002f, 3, -7.223f}, 1.5f,
     {{0, 0}, {0, 5}, {0, 11}, {0, 16}, {-0.67f, 18.5f}, {-2.5f, 20.33f}, {-5, 21}, {-13, 21}, {-15, 20.46f},
      {-16.46f, 19}, {-17, 17}, {-17, 14}, {-17, 0}, {-17, -3.62f}, {-16.52f, -5.41f}, {-15.2f, -6.74f},
      {-13.4f, -7.223f}, {-0.9f, -7.223f}}},
    {"hole18", 18, {-18.58f, 0, 20.207f}, -1.44f, {{0, 0}, {0, 5.3f}}},  // up to the tunnel's mouth
    {"hole8", 8, {27.66f, -2.12f, -0.29f}, -3.35f, {{0, 0}, {0, 6}, {0, 12}}, 2},  // up the ramp towards the flume
    {"hole10", 10, {-21.136f, -4.5f, 19.74f}, -4.3f, {{0, 0}, {0, 3}, {0, 10}}},  // onto the ramp down to the hollow
    {"hole9", 9, {0.252f, 0, 27.66f}, -0.32f,  // once round the water tower: the yard, the ramp, the high street, the drop
     {{0, 0}, {0, 8}, {0.06f, 8.59f}, {0.23f, 9.15f}, {0.51f, 9.67f}, {0.88f, 10.12f}, {1.33f, 10.49f},
      {1.85f, 10.77f}, {2.41f, 10.94f}, {3, 11}, {11.6f, 11}, {12.19f, 11.05f}, {12.76f, 11.21f}, {13.3f, 11.46f},
      {13.79f, 11.8f}, {14.2f, 12.21f}, {14.54f, 12.7f}, {14.79f, 13.24f}, {14.95f, 13.81f}, {15, 14.4f}, {15, 43},
      {14.97f, 43.56f}, {14.87f, 44.11f}, {14.72f, 44.65f}, {14.5f, 45.17f}, {14.23f, 45.66f}, {13.91f, 46.12f},
      {13.54f, 46.54f}, {13.12f, 46.91f}, {12.66f, 47.23f}, {12.17f, 47.5f}, {11.65f, 47.72f}, {11.11f, 47.87f},
      {10.56f, 47.97f}, {10, 48}, {-12.5f, 48}, {-13.09f, 47.96f}, {-13.66f, 47.85f}, {-14.22f, 47.66f},
      {-14.75f, 47.4f}, {-15.24f, 47.07f}, {-15.68f, 46.68f}, {-16.07f, 46.24f}, {-16.4f, 45.75f}, {-16.66f, 45.22f},
      {-16.85f, 44.66f}, {-16.96f, 44.09f}, {-17, 43.5f}, {-17, 30.66f}, {-16.94f, 30.07f}, {-16.77f, 29.51f},
      {-16.49f, 28.99f}, {-16.12f, 28.54f}, {-15.67f, 28.17f}, {-15.15f, 27.89f}, {-14.59f, 27.72f}, {-14, 27.66f},
      {-0.55f, 27.66f}}},
    {"hole13", 13, {6.24f, -4, 42.72f}, -5.3f, {{0, 0}, {0, 6}, {-3.5f, 13}, {-3.5f, 17}, {0, 22.5f}, {0, 26}}, 2},  // to the flume
    {"hole14", 14, {-13.108f, 0.5f, 7.624f}, -0.5f, {{0, 0}, {0, 2.5f}, {-5, 7.6f}, {-6.8f, 7.6f}}},  // into the yard
};

struct Triangle {
    vector3df a, b, c;
    vector3df normal() const { return (b - a).crossProduct(c - a).normalize(); }
};

class Meshes {
public:
    Meshes() : device_(createDevice(video::EDT_NULL)) {}
    ~Meshes() { device_->drop(); }

    std::vector<Triangle> triangles(const std::string& model)
    {
        std::vector<Triangle> out;
        const std::string path = std::string(TALLOWICK_RUN_DIR) + "/Contents/Models/" + model;
        scene::IAnimatedMesh* mesh = device_->getSceneManager()->getMesh(path.c_str());
        if (!mesh) return out;
        scene::IMesh* frame = mesh->getMesh(0);
        for (u32 b = 0; b < frame->getMeshBufferCount(); ++b) {
            scene::IMeshBuffer* buffer = frame->getMeshBuffer(b);
            const auto* v = static_cast<const video::S3DVertex*>(buffer->getVertices());
            const u16* index = buffer->getIndices();
            for (u32 k = 0; k + 2 < buffer->getIndexCount(); k += 3)
                out.push_back({v[index[k]].Pos, v[index[k + 1]].Pos, v[index[k + 2]].Pos});
        }
        return out;
    }

private:
    IrrlichtDevice* device_;
};

std::string part(const HoleCase& hole, const char* name)
{
    return "hole_" + std::to_string(hole.file) + "_" + name + ".b3d";
}

// The highest surface straight below (x, high, z), with its triangle's normal.
std::optional<std::pair<float, vector3df>> surfaceAt(const std::vector<Triangle>& mesh, float x, float z)
{
    std::optional<std::pair<float, vector3df>> best;
    for (const Triangle& t : mesh) {
        const float d = (t.b.X - t.a.X) * (t.c.Z - t.a.Z) - (t.c.X - t.a.X) * (t.b.Z - t.a.Z);
        if (std::fabs(d) < 1e-12f) continue;
        const float u = ((x - t.a.X) * (t.c.Z - t.a.Z) - (t.c.X - t.a.X) * (z - t.a.Z)) / d;
        const float v = ((t.b.X - t.a.X) * (z - t.a.Z) - (x - t.a.X) * (t.b.Z - t.a.Z)) / d;
        if (u < -1e-6f || v < -1e-6f || u + v > 1 + 1e-6f) continue;
        const float y = t.a.Y + u * (t.b.Y - t.a.Y) + v * (t.c.Y - t.a.Y);
        if (!best || y > best->first) best = std::make_pair(y, t.normal());
    }
    return best;
}

// Edges used by one triangle only, keyed by exact corner positions.
std::vector<std::pair<vector3df, vector3df>> openEdges(const std::vector<Triangle>& mesh)
{
    auto key = [](const vector3df& p) { return std::make_tuple(p.X, p.Y, p.Z); };
    std::map<std::pair<std::tuple<float, float, float>, std::tuple<float, float, float>>, int> uses;
    std::map<std::tuple<float, float, float>, vector3df> at;
    for (const Triangle& t : mesh)
        for (auto [p, q] : {std::make_pair(t.a, t.b), std::make_pair(t.b, t.c), std::make_pair(t.c, t.a)}) {
            auto kp = key(p), kq = key(q);
            at[kp] = p;
            at[kq] = q;
            ++uses[kp < kq ? std::make_pair(kp, kq) : std::make_pair(kq, kp)];
        }
    std::vector<std::pair<vector3df, vector3df>> open;
    for (const auto& [edge, count] : uses)
        if (count == 1) open.push_back({at[edge.first], at[edge.second]});
    return open;
}

// How many closed loops the open edges form.
int loopCount(const std::vector<std::pair<vector3df, vector3df>>& edges)
{
    std::map<std::tuple<float, float, float>, std::vector<size_t>> touching;
    auto key = [](const vector3df& p) { return std::make_tuple(p.X, p.Y, p.Z); };
    for (size_t e = 0; e < edges.size(); ++e) {
        touching[key(edges[e].first)].push_back(e);
        touching[key(edges[e].second)].push_back(e);
    }
    std::vector<bool> seen(edges.size());
    int loops = 0;
    for (size_t start = 0; start < edges.size(); ++start) {
        if (seen[start]) continue;
        ++loops;
        std::vector<size_t> stack{start};
        while (!stack.empty()) {
            size_t e = stack.back();
            stack.pop_back();
            if (seen[e]) continue;
            seen[e] = true;
            for (const vector3df& end : {edges[e].first, edges[e].second})
                for (size_t next : touching[key(end)]) stack.push_back(next);
        }
    }
    return loops;
}

float horizontalDistance(const vector3df& p, const vector3df& q) { return std::hypot(p.X - q.X, p.Z - q.Z); }

class HoleMeshes : public testing::TestWithParam<HoleCase> {
protected:
    Meshes meshes;
};

}  // namespace

TEST_P(HoleMeshes, TeeIsLevelGrassAtHeightZeroWhereTheBallsDrop)
{
    const std::vector<Triangle> grass = meshes.triangles(part(GetParam(), "grass"));
    ASSERT_FALSE(grass.empty()) << "no grass: run the content tool";
    for (float x = -1.75f; x <= 1.75f; x += 0.25f)
        for (float z = -0.5f; z <= 0.5f; z += 0.25f) {
            auto at = surfaceAt(grass, x, z);
            ASSERT_TRUE(at) << "no grass under (" << x << ", " << z << ")";
            EXPECT_NEAR(at->first, 0.0f, 1e-4f) << "at (" << x << ", " << z << ")";
            EXPECT_GT(at->second.Y, 0.9999f) << "tilted at (" << x << ", " << z << ")";
        }
}

TEST_P(HoleMeshes, CupRimIsARoundHoleAtTheTableHeight)
{
    const HoleCase& hole = GetParam();
    const std::vector<Triangle> grass = meshes.triangles(part(hole, "grass"));
    ASSERT_FALSE(grass.empty());
    int rimEdges = 0;
    for (const auto& [p, q] : openEdges(grass)) {
        if (horizontalDistance(p, hole.cup) > 1.0f) continue;
        ++rimEdges;
        for (const vector3df& end : {p, q}) {
            EXPECT_NEAR(end.Y, hole.cup.Y, kRimTolerance);
            EXPECT_NEAR(horizontalDistance(end, hole.cup), 0.6f, 0.05f);
        }
    }
    EXPECT_GE(rimEdges, 24) << "the cup should be a round hole in the grass";
    EXPECT_FALSE(surfaceAt(grass, hole.cup.X, hole.cup.Z)) << "grass over the cup";
    for (int k = 0; k < 16; ++k) {  // level grass all round, just outside the rim
        const float a = float(k) * 3.14159f / 8;
        auto at = surfaceAt(grass, hole.cup.X + 0.8f * std::cos(a), hole.cup.Z + 0.8f * std::sin(a));
        ASSERT_TRUE(at);
        EXPECT_NEAR(at->first, hole.cup.Y, kRimTolerance);
    }
}

TEST_P(HoleMeshes, BallOnTheCupFloorLiesBelowTheCupDepth)
{
    const HoleCase& hole = GetParam();
    const std::vector<Triangle> cup = meshes.triangles(part(hole, "cup"));
    ASSERT_FALSE(cup.empty());
    float floor = 1e9f;
    int walls = 0;
    for (const Triangle& t : cup) {
        const vector3df n = t.normal(), middle = (t.a + t.b + t.c) / 3.0f;
        if (n.Y > 0.99f) {
            floor = std::min(floor, middle.Y);
        } else {
            ++walls;  // a wall faces the cup's axis, the side the ball touches
            const vector3df towardsAxis(hole.cup.X - middle.X, 0, hole.cup.Z - middle.Z);
            EXPECT_GT(n.dotProduct(towardsAxis), 0.0f) << "a wall faces away from the inside of the cup";
        }
    }
    EXPECT_GT(walls, 0);
    EXPECT_LT(floor + kBallRadius, hole.cupDepth) << "a resting ball would not count as holed";
    EXPECT_GT(floor, hole.cup.Y - 2.0f) << "the cup is absurdly deep";
    auto centre = surfaceAt(cup, hole.cup.X + 0.3f, hole.cup.Z);
    ASSERT_TRUE(centre);
    EXPECT_NEAR(centre->first, floor, 1e-4f) << "the floor is not level beside the pole";
}

TEST_P(HoleMeshes, GrassIsOneWeldedSheetWithOnlyItsBorderAndTheCupOpen)
{
    const std::vector<Triangle> grass = meshes.triangles(part(GetParam(), "grass"));
    ASSERT_FALSE(grass.empty());
    EXPECT_EQ(loopCount(openEdges(grass)), GetParam().greens + 1);  // each green's border and the cup
    for (const Triangle& t : grass) EXPECT_GT(t.normal().Y, 0.8f) << "a grass triangle faces down or is too steep";
}

// The grass the game draws is the grass the ball rolls on, in fewer cells: one welded
// sheet with the same borders and cup, and every vertex of the rolling grass on it.
TEST_P(HoleMeshes, DrawnGrassIsTheRollingGrassInFewerCells)
{
    const std::vector<Triangle> grass = meshes.triangles(part(GetParam(), "grass"));
    const std::vector<Triangle> drawn = meshes.triangles(part(GetParam(), "grassview"));
    ASSERT_FALSE(drawn.empty());
    EXPECT_LT(drawn.size(), grass.size() * 3 / 4);
    EXPECT_EQ(loopCount(openEdges(drawn)), GetParam().greens + 1) << "a crack or a T-joint in the drawn grass";
    for (const Triangle& t : drawn) EXPECT_GT(t.normal().Y, 0.8f);
    auto drawnHeight = [&](const vector3df& p) -> std::optional<float> {
        for (const Triangle& t : drawn) {
            const float d = (t.b.X - t.a.X) * (t.c.Z - t.a.Z) - (t.c.X - t.a.X) * (t.b.Z - t.a.Z);
            if (std::fabs(d) < 1e-12f) continue;
            const float u = ((p.X - t.a.X) * (t.c.Z - t.a.Z) - (t.c.X - t.a.X) * (p.Z - t.a.Z)) / d;
            const float v = ((t.b.X - t.a.X) * (p.Z - t.a.Z) - (p.X - t.a.X) * (t.b.Z - t.a.Z)) / d;
            if (u < -1e-4f || v < -1e-4f || u + v > 1 + 1e-4f) continue;
            return t.a.Y + u * (t.b.Y - t.a.Y) + v * (t.c.Y - t.a.Y);
        }
        return std::nullopt;
    };
    for (size_t k = 0; k < grass.size(); k += 5) {
        // A border vertex on a gentle bend may lie a hair (2 mm) outside the drawn border.
        std::optional<float> y = drawnHeight(grass[k].a);
        for (float dx : {-0.003f, 0.003f})
            for (float dz : {-0.003f, 0.003f})
                if (!y) y = drawnHeight(grass[k].a + vector3df(dx, 0, dz));
        ASSERT_TRUE(y) << "no drawn grass over (" << grass[k].a.X << ", " << grass[k].a.Z << ")";
        EXPECT_NEAR(*y, grass[k].a.Y, 0.006f) << "at (" << grass[k].a.X << ", " << grass[k].a.Z << ")";
    }
}

// A drawn pipe is its tube without the rings inside straight runs: every vertex one of
// the tube's, every vertex of the tube on one of its edges, no crack between.
TEST_P(HoleMeshes, DrawnPipesAreTheTubesWithoutTheirStraightRings)
{
    for (const char* name : {"pipes", "slickpipes"}) {
        const std::vector<Triangle> tube = meshes.triangles(part(GetParam(), name));
        if (tube.empty()) continue;
        SCOPED_TRACE(name);
        const std::vector<Triangle> drawn = meshes.triangles(part(GetParam(), (std::string(name) + "view").c_str()));
        ASSERT_FALSE(drawn.empty());
        EXPECT_LT(drawn.size(), tube.size());
        EXPECT_EQ(loopCount(openEdges(drawn)), loopCount(openEdges(tube)));  // the seams and the mouths, no crack
        std::set<std::tuple<float, float, float>> tubeCorners;
        for (const Triangle& t : tube)
            for (const vector3df& p : {t.a, t.b, t.c}) tubeCorners.insert({p.X, p.Y, p.Z});
        for (const Triangle& t : drawn)
            for (const vector3df& p : {t.a, t.b, t.c}) ASSERT_TRUE(tubeCorners.count({p.X, p.Y, p.Z}));
        for (size_t k = 0; k < tube.size(); k += 7) {
            const vector3df& v = tube[k].a;
            bool onEdge = false;
            for (size_t d = 0; d < drawn.size() && !onEdge; ++d)
                for (auto [p, q] : {std::pair{drawn[d].a, drawn[d].b}, {drawn[d].b, drawn[d].c}, {drawn[d].c, drawn[d].a}})
                    onEdge = onEdge || v.getDistanceFrom(p) + v.getDistanceFrom(q) - p.getDistanceFrom(q) < 1e-4f;
            EXPECT_TRUE(onEdge) << "(" << v.X << ", " << v.Y << ", " << v.Z << ") off the drawn tube";
        }
    }
}

TEST_P(HoleMeshes, LineOfPlayHasNoStepsOrKinks)
{
    const HoleCase& hole = GetParam();
    const std::vector<Triangle> grass = meshes.triangles(part(hole, "grass"));
    ASSERT_FALSE(grass.empty());
    std::vector<float> heights;
    for (size_t k = 0; k + 1 < hole.line.size(); ++k) {
        const auto [x0, z0] = hole.line[k];
        const auto [x1, z1] = hole.line[k + 1];
        const int steps = int(std::ceil(std::hypot(x1 - x0, z1 - z0) / kSampleStep));
        for (int i = 0; i < steps; ++i) {
            const float t = float(i) / float(steps), x = x0 + (x1 - x0) * t, z = z0 + (z1 - z0) * t;
            auto at = surfaceAt(grass, x, z);
            ASSERT_TRUE(at) << "a gap in the grass at (" << x << ", " << z << ")";
            heights.push_back(at->first);
        }
    }
    for (size_t i = 1; i < heights.size(); ++i) {
        EXPECT_LE(std::fabs(heights[i] - heights[i - 1]), kSteepest * kSampleStep + 1e-4f) << "a step at sample " << i;
        if (i + 1 < heights.size()) {
            EXPECT_LE(std::fabs(heights[i + 1] - 2 * heights[i] + heights[i - 1]), kMaxBend) << "a kink at sample " << i;
        }
    }
}

TEST_P(HoleMeshes, SandLiesBelowTheGrassAndTheCupFloor)
{
    const HoleCase& hole = GetParam();
    const std::vector<Triangle> grass = meshes.triangles(part(hole, "grass"));
    const std::vector<Triangle> ground = meshes.triangles(part(hole, "ground"));
    const std::vector<Triangle> cup = meshes.triangles(part(hole, "cup"));
    ASSERT_FALSE(ground.empty());
    ASSERT_FALSE(cup.empty());
    for (const auto& [x, z] : hole.line) {
        auto top = surfaceAt(grass, x, z);
        auto sand = surfaceAt(ground, x, z);
        ASSERT_TRUE(top && sand);
        EXPECT_LT(sand->first, top->first - kBallRadius) << "sand within reach under (" << x << ", " << z << ")";
    }
    float floor = 1e9f;
    for (const Triangle& t : cup) floor = std::min({floor, t.a.Y, t.b.Y, t.c.Y});
    auto sand = surfaceAt(ground, hole.cup.X, hole.cup.Z);
    ASSERT_TRUE(sand);
    EXPECT_LT(sand->first, floor) << "sand pokes into the cup";
}

INSTANTIATE_TEST_SUITE_P(FirstHoles, HoleMeshes, testing::ValuesIn(kHoles),
                         [](const testing::TestParamInfo<HoleCase>& info) { return std::string(info.param.name); });
