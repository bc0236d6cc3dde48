#include "presentation/ground_mesh.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kMergeRatio = 0.5f;      // a merged cell is at least this wide for its length
constexpr float kFineTolerance = 1.05f;  // gaps this close to the smallest count as the fine spacing
constexpr float kSamePlace = 1e-3f;      // units: a vertex this close to its row's and column's line is on them
constexpr size_t kMaxVertices = 65536;   // 16-bit indices
constexpr float kFlatHeight = 0.03f;     // units a merged block's surface may stray from the vertices it leaves out
constexpr float kFlatColour = 3.0f / 255.0f;
constexpr float kFlatTexture = 0.005f;   // repeats of the texture
constexpr int kMaxBlock = 16;            // cells along a merged block's side

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

// The first and last line of the gaps at the fine spacing (the smallest gap).
std::pair<int, int> fineRun(const std::vector<float>& lines)
{
    float smallest = 1e30f;
    for (size_t i = 0; i + 1 < lines.size(); ++i) smallest = std::min(smallest, std::fabs(lines[i + 1] - lines[i]));
    int first = int(lines.size()) - 1, last = 0;
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        if (std::fabs(lines[i + 1] - lines[i]) <= smallest * kFineTolerance) {
            first = std::min(first, int(i));
            last = std::max(last, int(i) + 1);
        }
    return {first, last};
}

// A block of cells between column lines c0..c1 and row lines r0..r1.
struct Block {
    int c0, r0, c1, r1;
};

// The fine block's cells, merged where flat, triangulated without a T-joint.
class FineBlock {
public:
    FineBlock(const std::vector<GroundPoint>& points, const Grid& grid, Builder& out)
        : points_(points), grid_(grid), out_(out), used_(size_t(grid.columns) * size_t(grid.rows), 0)
    {
    }

    // Every vertex on the rim is used outside: the rows beyond and the columns beside keep them all.
    void triangulate(const Block& whole)
    {
        split(whole);
        for (int c = whole.c0; c <= whole.c1; ++c) used_[index(c, whole.r0)] = used_[index(c, whole.r1)] = 1;
        for (int r = whole.r0; r <= whole.r1; ++r) used_[index(whole.c0, r)] = used_[index(whole.c1, r)] = 1;
        for (const Block& b : leaves_) {
            for (int c : {b.c0, b.c1})
                for (int r : {b.r0, b.r1}) used_[index(c, r)] = 1;
        }
        for (const Block& b : leaves_) emit(b);
    }

private:
    size_t index(int c, int r) const { return size_t(r) * size_t(grid_.columns) + size_t(c); }
    int vertex(int c, int r) const { return grid_.at[index(c, r)]; }
    const GroundPoint& point(int c, int r) const { return points_[size_t(vertex(c, r))]; }

    // Every vertex of the block lies on the bilinear surface of its four corners, near enough.
    bool flat(const Block& b) const
    {
        const GroundPoint &p00 = point(b.c0, b.r0), &p10 = point(b.c1, b.r0), &p01 = point(b.c0, b.r1),
                          &p11 = point(b.c1, b.r1);
        for (int r = b.r0; r <= b.r1; ++r)
            for (int c = b.c0; c <= b.c1; ++c) {
                const GroundPoint& p = point(c, r);
                const float s = (p.x - p00.x) / (p10.x - p00.x), t = (p.z - p00.z) / (p01.z - p00.z);
                auto between = [&](float a00, float a10, float a01, float a11) {
                    return (1 - t) * ((1 - s) * a00 + s * a10) + t * ((1 - s) * a01 + s * a11);
                };
                if (std::fabs(between(p00.y, p10.y, p01.y, p11.y) - p.y) > kFlatHeight) return false;
                for (int k = 0; k < 5; ++k) {
                    const float tolerance = k < 3 ? kFlatColour : kFlatTexture;
                    if (std::fabs(between(p00.look[k], p10.look[k], p01.look[k], p11.look[k]) - p.look[k]) > tolerance)
                        return false;
                }
            }
        return true;
    }

    void split(const Block& b)
    {
        const int w = b.c1 - b.c0, h = b.r1 - b.r0;
        if ((w == 1 && h == 1) || (w <= kMaxBlock && h <= kMaxBlock && flat(b))) {
            leaves_.push_back(b);
            return;
        }
        if (w >= h) {
            const int mid = (b.c0 + b.c1) / 2;
            split({b.c0, b.r0, mid, b.r1});
            split({mid, b.r0, b.c1, b.r1});
        } else {
            const int mid = (b.r0 + b.r1) / 2;
            split({b.c0, b.r0, b.c1, mid});
            split({b.c0, mid, b.c1, b.r1});
        }
    }

    // The used lines along one side, from `from` to `to` inclusive, in that order.
    template <typename Used>
    static std::vector<int> usedAlong(int from, int to, Used used)
    {
        std::vector<int> lines;
        const int step = to >= from ? 1 : -1;
        for (int i = from;; i += step) {
            if (i == from || i == to || used(i)) lines.push_back(i);
            if (i == to) break;
        }
        return lines;
    }

    void emit(const Block& b)
    {
        auto usedRow = [&](int r) { return [this, r](int c) { return used_[index(c, r)] != 0; }; };
        auto usedColumn = [&](int c) { return [this, c](int r) { return used_[index(c, r)] != 0; }; };
        auto onRow = [&](int r) { return [this, r](int c) { return vertex(c, r); }; };
        auto onColumn = [&](int c) { return [this, c](int r) { return vertex(c, r); }; };
        const int w = b.c1 - b.c0, h = b.r1 - b.r0;
        if (h == 1) {  // a strip between two rows
            out_.zip(usedAlong(b.c0, b.c1, usedRow(b.r0)), usedAlong(b.c0, b.c1, usedRow(b.r1)), onRow(b.r0), onRow(b.r1));
            return;
        }
        if (w == 1) {  // a strip between two columns
            out_.zip(usedAlong(b.r0, b.r1, usedColumn(b.c0)), usedAlong(b.r0, b.r1, usedColumn(b.c1)), onColumn(b.c0),
                     onColumn(b.c1));
            return;
        }
        // The rim, once round; a plain pair of triangles when it has only the corners.
        std::vector<int> rim;
        auto side = [&](const std::vector<int>& lines, auto at) {
            for (size_t k = 0; k + 1 < lines.size(); ++k) rim.push_back(at(lines[k]));  // the far corner starts the next side
        };
        side(usedAlong(b.c0, b.c1, usedRow(b.r0)), onRow(b.r0));
        side(usedAlong(b.r0, b.r1, usedColumn(b.c1)), onColumn(b.c1));
        side(usedAlong(b.c1, b.c0, usedRow(b.r1)), onRow(b.r1));
        side(usedAlong(b.r1, b.r0, usedColumn(b.c0)), onColumn(b.c0));
        if (rim.size() == 4) {
            out_.triangle(rim[0], rim[1], rim[2]);
            out_.triangle(rim[0], rim[2], rim[3]);
            return;
        }
        const int centre = vertex(b.c0 + w / 2, b.r0 + h / 2);
        for (size_t k = 0; k < rim.size(); ++k) out_.triangle(centre, rim[k], rim[(k + 1) % rim.size()]);
    }

    const std::vector<GroundPoint>& points_;
    const Grid& grid_;
    Builder& out_;
    std::vector<char> used_;
    std::vector<Block> leaves_;
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
    // the columns are far apart, between them columns merge where the rows are. Where
    // the fine rows cross the fine columns, flat cells merge into blocks.
    const auto [fineFirst, fineLast] = fineRun(grid.xs);
    const auto [fineRowFirst, fineRowLast] = fineRun(grid.zs);
    const bool fineBlock = fineFirst < fineLast && fineRowFirst < fineRowLast;

    Builder out{points, frontWinding, {}};
    std::vector<std::vector<int>> rowKept(static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        const bool rim = fineBlock && (r == fineRowFirst || r == fineRowLast);
        rowKept[size_t(r)] = keptLines(grid.xs, fineFirst, fineLast, rim ? 0 : spacingAt(grid.zs, r));
    }
    for (int r = 0; r + 1 < rows; ++r) {
        if (fineBlock && r >= fineRowFirst && r < fineRowLast) continue;
        out.zip(rowKept[size_t(r)], rowKept[size_t(r) + 1], [&](int c) { return vertex(c, r); },
                [&](int c) { return vertex(c, r + 1); });
    }
    if (fineBlock) FineBlock(points, grid, out).triangulate({fineFirst, fineRowFirst, fineLast, fineRowLast});

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

float skyCutBelowEye(float eyeX, float eyeY, float eyeZ, const GroundExtent& ground, float skyHalfSize)
{
    constexpr float kMargin = 0.09f;  // radians (5 degrees) of sky kept below the rim
    const float toRim = std::min({eyeX - ground.minX, ground.maxX - eyeX, eyeZ - ground.minZ, ground.maxZ - eyeZ});
    if (toRim <= 0 || eyeY <= ground.lowest || skyHalfSize <= 0) return 0;
    const float rimBelowHorizon = std::atan((eyeY - ground.lowest) / toRim) + kMargin;
    if (rimBelowHorizon >= 1.2f) return 0;  // looking down from on high: the box's lower faces may show
    // The box's side faces reach out to sqrt(2) half sizes at its corners.
    return std::sqrt(2.0f) * skyHalfSize * std::tan(rimBelowHorizon);
}

namespace {

// The cover's triangles bucketed by the unit cells their bounds touch.
class CoverGrid {
public:
    explicit CoverGrid(const std::vector<CoverTriangle>& cover) : cover_(cover)
    {
        if (cover.empty()) return;
        minX_ = maxX_ = cover[0].x[0];
        minZ_ = maxZ_ = cover[0].z[0];
        for (const CoverTriangle& t : cover)
            for (int k = 0; k < 3; ++k) {
                minX_ = std::min(minX_, t.x[k]), maxX_ = std::max(maxX_, t.x[k]);
                minZ_ = std::min(minZ_, t.z[k]), maxZ_ = std::max(maxZ_, t.z[k]);
            }
        columns_ = int(maxX_ - minX_) + 1;
        rows_ = int(maxZ_ - minZ_) + 1;
        cells_.resize(size_t(columns_) * size_t(rows_));
        for (size_t i = 0; i < cover.size(); ++i) {
            const CoverTriangle& t = cover[i];
            const int c0 = cell(std::min({t.x[0], t.x[1], t.x[2]}) - minX_), c1 = cell(std::max({t.x[0], t.x[1], t.x[2]}) - minX_);
            const int r0 = cell(std::min({t.z[0], t.z[1], t.z[2]}) - minZ_), r1 = cell(std::max({t.z[0], t.z[1], t.z[2]}) - minZ_);
            for (int r = r0; r <= std::min(r1, rows_ - 1); ++r)
                for (int c = c0; c <= std::min(c1, columns_ - 1); ++c) cells_[size_t(r) * size_t(columns_) + size_t(c)].push_back(i);
        }
    }

    // The cover's height over (x, z); false when nothing covers it.
    bool heightAt(float x, float z, float& height) const
    {
        if (cover_.empty() || x < minX_ || x > maxX_ || z < minZ_ || z > maxZ_) return false;
        const int c = std::min(cell(x - minX_), columns_ - 1), r = std::min(cell(z - minZ_), rows_ - 1);
        for (size_t i : cells_[size_t(r) * size_t(columns_) + size_t(c)]) {
            const CoverTriangle& t = cover_[i];
            const float d = (t.x[1] - t.x[0]) * (t.z[2] - t.z[0]) - (t.x[2] - t.x[0]) * (t.z[1] - t.z[0]);
            if (d == 0) continue;
            const float u = ((x - t.x[0]) * (t.z[2] - t.z[0]) - (t.x[2] - t.x[0]) * (z - t.z[0])) / d;
            const float v = ((t.x[1] - t.x[0]) * (z - t.z[0]) - (x - t.x[0]) * (t.z[1] - t.z[0])) / d;
            if (u < 0 || v < 0 || u + v > 1) continue;
            height = t.y[0] + u * (t.y[1] - t.y[0]) + v * (t.y[2] - t.y[0]);
            return true;
        }
        return false;
    }

private:
    static int cell(float offset) { return std::max(0, int(offset)); }

    const std::vector<CoverTriangle>& cover_;
    float minX_ = 0, maxX_ = 0, minZ_ = 0, maxZ_ = 0;
    int columns_ = 0, rows_ = 0;
    std::vector<std::vector<size_t>> cells_;
};

constexpr float kCoverSample = 0.3f;    // units between the points tested on a ground triangle
constexpr float kCoverClearance = 0.05f;  // the ground lies at least this far below the cover

}  // namespace

std::vector<uint16_t> withoutGroundUnder(const std::vector<GroundPoint>& points, const std::vector<uint16_t>& indices,
                                         const std::vector<CoverTriangle>& cover, float inset)
{
    const CoverGrid grid(cover);
    auto under = [&](float x, float y, float z) {
        float top = 0;
        if (!grid.heightAt(x, z, top) || y > top - kCoverClearance) return false;
        for (const auto& [dx, dz] : {std::pair{inset, 0.0f}, {-inset, 0.0f}, {0.0f, inset}, {0.0f, -inset}})
            if (!grid.heightAt(x + dx, z + dz, top)) return false;
        return true;
    };
    std::vector<uint16_t> kept;
    for (size_t t = 0; t + 2 < indices.size(); t += 3) {
        const GroundPoint &a = points[indices[t]], &b = points[indices[t + 1]], &c = points[indices[t + 2]];
        const float longest = std::max({std::hypot(b.x - a.x, b.z - a.z), std::hypot(c.x - b.x, c.z - b.z),
                                        std::hypot(a.x - c.x, a.z - c.z)});
        const int n = std::max(1, int(std::ceil(longest / kCoverSample)));
        bool hidden = true;
        for (int i = 0; i <= n && hidden; ++i)
            for (int j = 0; i + j <= n && hidden; ++j) {
                const float u = float(i) / float(n), v = float(j) / float(n), w = 1 - u - v;
                hidden = under(w * a.x + u * b.x + v * c.x, w * a.y + u * b.y + v * c.y, w * a.z + u * b.z + v * c.z);
            }
        if (!hidden) kept.insert(kept.end(), {indices[t], indices[t + 1], indices[t + 2]});
    }
    return kept;
}
