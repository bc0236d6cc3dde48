// The sand's draw triangulation: the same ground without holes or overlaps, every
// face up, fewer triangles than the loaded grid, and the loaded mesh kept when the
// vertices are not a grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <utility>

#include "presentation/ground_mesh.h"

namespace {

// Lines like the sand's: fine in the middle, each further one wider, up to a cap.
std::vector<float> sandLines(float low, float high)
{
    std::vector<float> lines;
    for (float v = low; v <= high + 1e-3f; v += 0.7f) lines.push_back(v);
    float step = 0.7f;
    for (float v = lines.back(); v < 300;) lines.push_back(v += step = std::min(28.0f, step * 1.3f));
    step = 0.7f;
    std::vector<float> before;
    for (float v = lines.front(); v > -300;) before.push_back(v -= step = std::min(28.0f, step * 1.3f));
    lines.insert(lines.begin(), before.rbegin(), before.rend());
    return lines;
}

std::vector<GroundPoint> grid(const std::vector<float>& xs, const std::vector<float>& zs)
{
    std::vector<GroundPoint> points;
    for (float z : zs)
        for (float x : xs) points.push_back({x, z});
    return points;
}

float signedArea(const std::vector<GroundPoint>& p, uint16_t a, uint16_t b, uint16_t c)
{
    return 0.5f * ((p[b].x - p[a].x) * (p[c].z - p[a].z) - (p[b].z - p[a].z) * (p[c].x - p[a].x));
}

}  // namespace

TEST(GroundMesh, MergedSandCoversTheSameGroundWithNoCrackFacingOneWay)
{
    const std::vector<float> xs = sandLines(-20, 20), zs = sandLines(-12, 30);
    std::vector<GroundPoint> points = grid(xs, zs);
    // The loader hands the vertices over in its own order.
    std::shuffle(points.begin(), points.end(), std::mt19937(7));
    const size_t loadedTriangles = 2 * (xs.size() - 1) * (zs.size() - 1);

    for (int winding : {1, -1}) {
        SCOPED_TRACE(winding);
        const std::vector<uint16_t> indices = groundDrawIndices(points, winding);
        ASSERT_FALSE(indices.empty());
        ASSERT_EQ(indices.size() % 3, 0u);
        EXPECT_LT(indices.size() / 3, loadedTriangles * 6 / 10) << "the far strips merge";

        double area = 0;
        std::map<std::pair<uint16_t, uint16_t>, int> edges;  // directed edge -> uses
        for (size_t t = 0; t < indices.size(); t += 3) {
            const float a = signedArea(points, indices[t], indices[t + 1], indices[t + 2]);
            ASSERT_EQ(a > 0 ? 1 : -1, winding) << "triangle " << t / 3 << " faces the wrong way";
            area += std::fabs(a);
            for (int e = 0; e < 3; ++e) ++edges[{indices[t + e], indices[t + (e + 1) % 3]}];
        }
        const double full = double(xs.back() - xs.front()) * double(zs.back() - zs.front());
        EXPECT_NEAR(area, full, full * 1e-4) << "no gap, no overlap";
        // Crack-free: an edge inside is walked once each way; an unmatched one lies on the rim.
        for (const auto& [edge, uses] : edges) {
            EXPECT_EQ(uses, 1);
            if (edges.count({edge.second, edge.first})) continue;
            const GroundPoint &p = points[edge.first], &q = points[edge.second];
            const bool rim = (p.x == xs.front() && q.x == xs.front()) || (p.x == xs.back() && q.x == xs.back()) ||
                             (p.z == zs.front() && q.z == zs.front()) || (p.z == zs.back() && q.z == zs.back());
            EXPECT_TRUE(rim) << "open edge inside the ground at (" << p.x << ", " << p.z << ")";
        }
    }
}

TEST(GroundMesh, VerticesThatAreNotAGridKeepTheLoadedMesh)
{
    const std::vector<float> xs = sandLines(-5, 5), zs = sandLines(-5, 5);
    std::vector<GroundPoint> missing = grid(xs, zs);
    missing.pop_back();
    std::vector<GroundPoint> twice = grid(xs, zs);
    twice[1] = twice[0];
    std::vector<GroundPoint> offLine = grid(xs, zs);
    offLine[5].x += 0.3f;
    for (const auto* points : {&missing, &twice, &offLine}) EXPECT_TRUE(groundDrawIndices(*points, 1).empty());
    EXPECT_TRUE(groundDrawIndices(grid(xs, zs), 0).empty()) << "no winding to match";
    EXPECT_TRUE(groundDrawIndices({}, 1).empty());
}

TEST(GroundMesh, WindingIsTheFirstTriangles)
{
    const std::vector<GroundPoint> points{{0, 0}, {1, 0}, {0, 1}};
    EXPECT_EQ(groundWinding(points, {0, 1, 2}), 1);
    EXPECT_EQ(groundWinding(points, {0, 2, 1}), -1);
    EXPECT_EQ(groundWinding(points, {0, 1}), 0);
    EXPECT_EQ(groundWinding(points, {0, 1, 7}), 0) << "an index past the vertices";
}
