#include "presentation/ground_mesh.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kMergeRatio = 0.5f;      // a merged cell is at least this wide for its length
constexpr float kFineTolerance = 1.05f;  // gaps this close to the smallest count as the fine spacing
constexpr float kSamePlace = 1e-3f;      // units: a vertex this close to its row's and column's line is on them
constexpr size_t kMaxVertices = 65536;   // 16-bit indices

struct Grid {
    int columns = 0;
    int rows = 0;
    std::vector<float> xs;  // ascending
    std::vector<float> zs;  // ascending
    std::vector<int> at;    // the vertex at column c, row r: at[r * columns + c]
};

// The distinct values, ascending, those within kSamePlace of the last taken as it.
std::vector<float> distinct(std::vector<float> values)
{
    std::sort(values.begin(), values.end());
    std::vector<float> lines;
    for (float v : values)
        if (lines.empty() || v - lines.back() > kSamePlace * (1 + std::fabs(v))) lines.push_back(v);
    return lines;
}

int lineOf(const std::vector<float>& lines, float v)
{
    const auto it = std::lower_bound(lines.begin(), lines.end(), v - kSamePlace * (1 + std::fabs(v)));
    if (it == lines.end() || std::fabs(*it - v) > kSamePlace * (1 + std::fabs(v))) return -1;
    return int(it - lines.begin());
}

// The vertices, in any order, form a full grid: one on every crossing of the distinct
// x and z lines, and none twice.
bool readGrid(const std::vector<GroundPoint>& points, Grid& grid)
{
    const size_t n = points.size();
    if (n < 4 || n > kMaxVertices) return false;
    std::vector<float> xs(n), zs(n);
    for (size_t v = 0; v < n; ++v) {
        xs[v] = points[v].x;
        zs[v] = points[v].z;
    }
    grid.xs = distinct(xs);
    grid.zs = distinct(zs);
    grid.columns = int(grid.xs.size());
    grid.rows = int(grid.zs.size());
    if (grid.columns < 2 || grid.rows < 2 || size_t(grid.columns) * size_t(grid.rows) != n) return false;
    grid.at.assign(n, -1);
    for (size_t v = 0; v < n; ++v) {
        const int c = lineOf(grid.xs, points[v].x), r = lineOf(grid.zs, points[v].z);
        if (c < 0 || r < 0) return false;
        int& slot = grid.at[size_t(r) * size_t(grid.columns) + size_t(c)];
        if (slot >= 0) return false;
        slot = int(v);
    }
    return true;
}

// The wider of the two gaps beside line i of a set of lines.
float spacingAt(const std::vector<float>& lines, int i)
{
    float s = 0;
    if (i > 0) s = std::max(s, std::fabs(lines[size_t(i)] - lines[size_t(i) - 1]));
    if (i + 1 < int(lines.size())) s = std::max(s, std::fabs(lines[size_t(i) + 1] - lines[size_t(i)]));
    return s;
}

// The crossing lines kept along one line, from `first` to `last`: the two ends and
// every line at least kMergeRatio × spacing on from the last one kept.
std::vector<int> keptLines(const std::vector<float>& lines, int first, int last, float spacing)
{
    std::vector<int> kept{first};
    for (int i = first + 1; i < last; ++i)
        if (std::fabs(lines[size_t(i)] - lines[size_t(kept.back())]) >= kMergeRatio * spacing) kept.push_back(i);
    kept.push_back(last);
    return kept;
}

struct Builder {
    const std::vector<GroundPoint>& points;
    int frontWinding;
    std::vector<uint16_t> indices;

    void triangle(int a, int b, int c)
    {
        const GroundPoint &p = points[size_t(a)], &q = points[size_t(b)], &s = points[size_t(c)];
        const float area = (q.x - p.x) * (s.z - p.z) - (q.z - p.z) * (s.x - p.x);
        if (area == 0) return;
        if ((area > 0 ? 1 : -1) != frontWinding) std::swap(b, c);
        indices.insert(indices.end(), {uint16_t(a), uint16_t(b), uint16_t(c)});
    }

    // The strip between two neighbouring lines, each with its own kept crossings (the
    // same first and last): triangles step along whichever line's next crossing comes first.
    template <typename VertexA, typename VertexB>
    void zip(const std::vector<int>& a, const std::vector<int>& b, VertexA onA, VertexB onB)
    {
        size_t i = 0, j = 0;
        while (i + 1 < a.size() || j + 1 < b.size()) {
            const bool stepA = j + 1 >= b.size() || (i + 1 < a.size() && a[i + 1] <= b[j + 1]);
            if (stepA) {
                triangle(onA(a[i]), onA(a[i + 1]), onB(b[j]));
                ++i;
            } else {
                triangle(onA(a[i]), onB(b[j + 1]), onB(b[j]));
                ++j;
            }
        }
    }
};

}  // namespace

int groundWinding(const std::vector<GroundPoint>& points, const std::vector<uint16_t>& indices)
{
    if (indices.size() < 3) return 0;
    for (size_t t = 0; t < 3; ++t)
        if (indices[t] >= points.size()) return 0;
    const GroundPoint &p = points[indices[0]], &q = points[indices[1]], &s = points[indices[2]];
    const float area = (q.x - p.x) * (s.z - p.z) - (q.z - p.z) * (s.x - p.x);
    return area > 0 ? 1 : (area < 0 ? -1 : 0);
}

std::vector<uint16_t> groundDrawIndices(const std::vector<GroundPoint>& points, int frontWinding)
{
    Grid grid;
    if ((frontWinding != 1 && frontWinding != -1) || !readGrid(points, grid)) return {};
    const int columns = grid.columns, rows = grid.rows;
    auto vertex = [&grid, columns](int column, int row) { return grid.at[size_t(row) * size_t(columns) + size_t(column)]; };

    // The fine columns (over the greens) keep every row; beside them rows merge where
    // the columns are far apart, between them columns merge where the rows are.
    float smallest = 1e30f;
    for (int c = 0; c + 1 < columns; ++c) smallest = std::min(smallest, std::fabs(grid.xs[size_t(c) + 1] - grid.xs[size_t(c)]));
    int fineFirst = columns - 1, fineLast = 0;
    for (int c = 0; c + 1 < columns; ++c)
        if (std::fabs(grid.xs[size_t(c) + 1] - grid.xs[size_t(c)]) <= smallest * kFineTolerance) {
            fineFirst = std::min(fineFirst, c);
            fineLast = std::max(fineLast, c + 1);
        }

    Builder out{points, frontWinding, {}};
    std::vector<std::vector<int>> rowKept(static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r) rowKept[size_t(r)] = keptLines(grid.xs, fineFirst, fineLast, spacingAt(grid.zs, r));
    for (int r = 0; r + 1 < rows; ++r)
        out.zip(rowKept[size_t(r)], rowKept[size_t(r) + 1], [&](int c) { return vertex(c, r); },
                [&](int c) { return vertex(c, r + 1); });

    auto columnKept = [&](int c) {
        if (c == fineFirst || c == fineLast) return keptLines(grid.zs, 0, rows - 1, 0);  // every row
        return keptLines(grid.zs, 0, rows - 1, spacingAt(grid.xs, c));
    };
    auto columnStrip = [&](int c) {
        out.zip(columnKept(c), columnKept(c + 1), [&](int r) { return vertex(c, r); },
                [&](int r) { return vertex(c + 1, r); });
    };
    for (int c = 0; c < fineFirst; ++c) columnStrip(c);
    for (int c = fineLast; c + 1 < columns; ++c) columnStrip(c);
    return out.indices;
}
