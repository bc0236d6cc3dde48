// The sand's draw triangulation: the same ground without holes or overlaps, every
// face up, fewer triangles than the loaded grid, and the loaded mesh kept when the
// vertices are not a grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>
#include <set>
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
            EXPECT_TRUE(rim) << "open edge inside the ground at (" << p.x << ", " << p.z << ") to (" << q.x << ", " << q.z << ")";
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

namespace {

// The drawn surface's height and colour at (x, z): the triangle of `indices` under it.
bool drawnAt(const std::vector<GroundPoint>& p, const std::vector<uint16_t>& indices, float x, float z, float& height,
             float& red)
{
    for (size_t t = 0; t < indices.size(); t += 3) {
        const GroundPoint &a = p[indices[t]], &b = p[indices[t + 1]], &c = p[indices[t + 2]];
        const float area = (b.x - a.x) * (c.z - a.z) - (b.z - a.z) * (c.x - a.x);
        const float wb = ((x - a.x) * (c.z - a.z) - (z - a.z) * (c.x - a.x)) / area;
        const float wc = ((b.x - a.x) * (z - a.z) - (b.z - a.z) * (x - a.x)) / area;
        const float wa = 1 - wb - wc;
        if (wa < -1e-4f || wb < -1e-4f || wc < -1e-4f) continue;
        height = wa * a.y + wb * b.y + wc * c.y;
        red = wa * a.look[0] + wb * b.look[0] + wc * c.look[0];
        return true;
    }
    return false;
}

}  // namespace

TEST(GroundMesh, FlatSandMergesAndDunesKeepTheirShapeAndShade)
{
    const std::vector<float> xs = sandLines(-20, 20), zs = sandLines(-12, 30);
    std::vector<GroundPoint> points = grid(xs, zs);
    // A level plot on the left, a tilted bank in the middle, a dune with a shaded foot on the right.
    for (GroundPoint& p : points) {
        if (p.x < -8) {
            p.y = 1.0f;
        } else if (p.x < 4) {
            p.y = 1.0f + 0.2f * (p.x + 8);
        } else {
            p.y = 3.4f + 0.8f * std::sin(p.x * 0.9f) * std::cos(p.z * 0.7f);
            p.look[0] = 0.5f + 0.3f * std::sin(p.z * 1.3f);
        }
        p.look[3] = p.x / 8;
        p.look[4] = -p.z / 8;
    }
    std::vector<GroundPoint> flatPoints = grid(xs, zs);
    const std::vector<uint16_t> merged = groundDrawIndices(points, 1), flat = groundDrawIndices(flatPoints, 1);
    ASSERT_FALSE(merged.empty());
    const size_t loaded = 6 * (xs.size() - 1) * (zs.size() - 1);
    EXPECT_LT(flat.size(), loaded / 3) << "level ground merges into large blocks";
    EXPECT_GT(merged.size(), flat.size() * 3 / 2) << "the dune does not";

    // Every loaded vertex over the greens' fine block lies on the drawn surface, in
    // height and in shade (far off, rows and columns merge whatever the ground does).
    for (const GroundPoint& p : points) {
        if (p.x < -20.01f || p.x > 20.01f || p.z < -12.01f || p.z > 30.01f) continue;
        float height = 0, red = 0;
        ASSERT_TRUE(drawnAt(points, merged, p.x, p.z, height, red)) << "no triangle over (" << p.x << ", " << p.z << ")";
        EXPECT_NEAR(height, p.y, 0.061f) << "at (" << p.x << ", " << p.z << ")";
        EXPECT_NEAR(red, p.look[0], 6.1f / 255) << "at (" << p.x << ", " << p.z << ")";
    }
    // The dune keeps its cells; the plot and the bank do not.
    size_t dune = 0, rest = 0;
    for (size_t t = 0; t < merged.size(); t += 3) {
        const GroundPoint &a = points[merged[t]], &b = points[merged[t + 1]], &c = points[merged[t + 2]];
        const float x = (a.x + b.x + c.x) / 3, z = (a.z + b.z + c.z) / 3;
        if (z < -12 || z > 30) continue;
        if (x > 4.5f && x < 19) ++dune;
        if (x > -19 && x < 3.5f) ++rest;
    }
    EXPECT_GT(dune, 5 * rest) << "the dune keeps its cells; the plot and the bank merge";
}

TEST(GroundMesh, TheSkyCutStaysBelowTheGroundsRimInEveryDirection)
{
    const GroundExtent ground{-330, -300, 340, 360, -2};
    const float half = 1500;
    EXPECT_EQ(skyCutBelowEye(400, 10, 0, ground, half), 0) << "outside the ground";
    EXPECT_EQ(skyCutBelowEye(0, -3, 0, ground, half), 0) << "below its lowest point";
    EXPECT_EQ(skyCutBelowEye(330, 100, 0, ground, half), 0) << "looking down at the rim from on high";
    for (float eyeY : {0.5f, 5.0f, 20.0f, 60.0f})
        for (float eyeX : {-250.0f, -40.0f, 0.0f, 25.0f, 260.0f}) {
            const float cut = skyCutBelowEye(eyeX, eyeY, 10, ground, half);
            ASSERT_GT(cut, 0) << eyeX << " " << eyeY;
            // The ground's nearest rim point, at its lowest, seen from the eye.
            const float toRim = std::min({eyeX - ground.minX, ground.maxX - eyeX, 10 - ground.minZ, ground.maxZ - 10});
            const float rimBelow = std::atan((eyeY - ground.lowest) / toRim);
            // The shallowest the cut runs below the horizon: at the box's farthest side corners.
            const float cutBelow = std::atan(cut / (std::sqrt(2.0f) * half));
            EXPECT_GT(cutBelow, rimBelow + 0.05f) << eyeX << " " << eyeY;
        }
}

TEST(GroundMesh, SandWhollyUnderTheGrassIsLeftOutAndNothingElse)
{
    // A plain grid of 0.5-unit cells from -10 to 10, two triangles a cell.
    std::vector<GroundPoint> points;
    const int n = 40;
    for (int r = 0; r <= n; ++r)
        for (int c = 0; c <= n; ++c) points.push_back({-10 + 0.5f * float(c), -10 + 0.5f * float(r)});
    std::vector<uint16_t> indices;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            const auto a = uint16_t(r * (n + 1) + c), b = uint16_t(a + 1), d = uint16_t(a + n + 1), e = uint16_t(d + 1);
            indices.insert(indices.end(), {a, b, e, a, e, d});
        }
    // Grass 1 unit up over x -5..5, z 0..10.
    std::vector<CoverTriangle> grass{{{-5, 5, 5}, {1, 1, 1}, {0, 0, 10}}, {{-5, 5, -5}, {1, 1, 1}, {0, 10, 10}}};
    // A hump of sand that rises through the grass at x > 3.
    for (GroundPoint& p : points) p.y = p.x > 3 ? 1.5f : 0.0f;

    const float inset = 0.3f;
    const std::vector<uint16_t> kept = withoutGroundUnder(points, indices, grass, inset);
    std::multiset<std::array<uint16_t, 3>> left;
    for (size_t t = 0; t < kept.size(); t += 3) left.insert({kept[t], kept[t + 1], kept[t + 2]});
    size_t removed = 0;
    for (size_t t = 0; t < indices.size(); t += 3) {
        const GroundPoint &a = points[indices[t]], &b = points[indices[t + 1]], &c = points[indices[t + 2]];
        const bool isLeft = left.count({indices[t], indices[t + 1], indices[t + 2]}) > 0;
        const float x0 = std::min({a.x, b.x, c.x}), x1 = std::max({a.x, b.x, c.x});
        const float z0 = std::min({a.z, b.z, c.z}), z1 = std::max({a.z, b.z, c.z});
        const bool deepInside = x0 > -5 + inset + 0.01f && x1 < 3 && z0 > inset + 0.01f && z1 < 10 - inset - 0.01f;
        if (!isLeft) {
            ++removed;
            EXPECT_TRUE(x0 >= -5 + inset - 0.01f && x1 <= 5 - inset + 0.01f && z0 >= inset - 0.01f && z1 <= 10 - inset + 0.01f)
                << "sand at (" << x0 << ", " << z0 << ") left out by the grass's edge";
            EXPECT_LE(x1, 3.0f) << "the hump through the grass is seen";
        } else if (deepInside) {
            ADD_FAILURE() << "sand at (" << x0 << ", " << z0 << ") under the grass is still drawn";
        }
    }
    EXPECT_GT(removed, 200u);
    EXPECT_EQ(kept.size() + 3 * removed, indices.size());
    EXPECT_EQ(withoutGroundUnder(points, indices, {}, inset), indices) << "no grass: all drawn";
}
