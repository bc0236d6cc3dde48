#include "content/course/green_mesh.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "content/course/mesh_tools.h"

namespace course {

namespace {

constexpr float kRowSpacing = 0.25f;      // units between rows along the centre line
constexpr float kColumnSpacing = 0.3f;    // the widest spacing across
constexpr float kGrassTile = 3.0f;        // units per repeat of grass.jpg (a light and a dark mowing stripe)
constexpr float kCupBlock = 1.2f;         // half size of the block of cells that the rings round the cup replace
constexpr float kRimClearance = 0.3f;     // the nearest kept grid corner stands this far outside the rim
constexpr int kRimPoints = 48;
constexpr float kLevelTolerance = 0.002f; // the rim may differ from the cup height by this much
constexpr float kRestingMargin = 0.12f;   // a ball on the cup floor lies this far below the cup depth
constexpr float kMinCupDepth = 0.55f;
constexpr float kCupTile = 0.6f;          // units of cup wall per repeat of its texture
constexpr float kDrawnShape = 0.002f;     // units the drawn grass may stray from the grass the ball rolls on
constexpr int kLongestDrawnRun = 16;      // rows one drawn cell may span (4 units)

using model::Surface;

struct Grid {
    const Ribbon& ribbon;
    int rows = 0, columns = 0;  // cells
    float s(int i) const { return ribbon.length() * float(i) / float(rows); }
    float side(int i, int j) const { return ribbon.halfWidth(s(i)) * (2.0f * float(j) / float(columns) - 1.0f); }
};

Grid layOut(const Ribbon& ribbon)
{
    Grid grid{ribbon};
    grid.rows = std::max(2, int(std::ceil(ribbon.length() / kRowSpacing)));
    float widest = 0;
    for (int i = 0; i <= grid.rows; ++i) widest = std::max(widest, 2 * ribbon.halfWidth(grid.s(i)));
    grid.columns = std::max(4, 2 * int(std::ceil(widest / (2 * kColumnSpacing))));
    return grid;
}

class GrassBuilder {
public:
    GrassBuilder(const Grid& grid, Surface& surface)
        : grid_(grid), surface_(surface), index_(size_t(grid.rows + 1) * (grid.columns + 1), kNone)
    {
    }

    uint32_t corner(int i, int j)
    {
        uint32_t& at = index_[size_t(i) * (grid_.columns + 1) + j];
        if (at == kNone) at = add(grid_.s(i), grid_.side(i, j), grid_.ribbon.point(grid_.s(i), grid_.side(i, j)));
        return at;
    }

    uint32_t add(float s, float side, Vec3 position)
    {
        return surface_.add({position, {0, 1, 0}, {side / kGrassTile, s / kGrassTile}, {1, 1, 1, 1}});
    }

    // A cell between grid lines i0..i1 and j0..j1 as two triangles, split along the
    // diagonal that follows the true surface more closely.
    void cell(int i0, int j0, int i1, int j1)
    {
        uint32_t a = corner(i0, j0), b = corner(i1, j0), c = corner(i1, j1), d = corner(i0, j1);
        const float sm = 0.5f * (grid_.s(i0) + grid_.s(i1));
        const float sideMid = grid_.ribbon.halfWidth(sm) * (float(j0 + j1) / float(grid_.columns) - 1.0f);
        const float truth = grid_.ribbon.height(sm, sideMid);
        auto y = [&](uint32_t v) { return surface_.vertices[v].position.y; };
        if (std::fabs(0.5f * (y(a) + y(c)) - truth) <= std::fabs(0.5f * (y(b) + y(d)) - truth)) {
            upwardTriangle(surface_, a, b, c);
            upwardTriangle(surface_, a, c, d);
        } else {
            upwardTriangle(surface_, a, b, d);
            upwardTriangle(surface_, b, c, d);
        }
    }

private:
    static constexpr uint32_t kNone = 0xffffffffu;
    const Grid& grid_;
    Surface& surface_;
    std::vector<uint32_t> index_;
};

struct CupBlock {
    int i0 = -1, i1 = -1, j0 = -1, j1 = -1;  // grid lines bounding the replaced cells
    bool holds(int i, int j) const { return i >= i0 && i < i1 && j >= j0 && j < j1; }
};

// The grid lines a grass mesh is laid on: every one, or (for drawing) those the grass
// needs to keep its shape.
struct Lines {
    std::vector<int> rows, columns;  // ascending, from 0 to the last
};

Lines everyLine(const Grid& grid)
{
    Lines lines;
    for (int i = 0; i <= grid.rows; ++i) lines.rows.push_back(i);
    for (int j = 0; j <= grid.columns; ++j) lines.columns.push_back(j);
    return lines;
}

// Lines from 0 to `last`, leaving out those that lie within kDrawnShape of the straight
// run between their kept neighbours (`between(a, b)` tells) and never one of `forced`.
template <typename Between>
std::vector<int> keptLines(int last, int longestRun, const CupBlock& block, bool rows, Between between)
{
    auto forced = [&](int k) { return rows ? (k >= block.i0 && k <= block.i1) : (k >= block.j0 && k <= block.j1); };
    std::vector<int> kept{0};
    while (kept.back() < last) {
        const int a = kept.back();
        int b = a + 1;
        for (int next = a + 2; next <= std::min(last, a + longestRun) && !forced(next - 1) && between(a, next); ++next)
            b = next;
        kept.push_back(b);
    }
    return kept;
}

// The lines the drawn grass keeps: a straight, evenly sloped stretch is one long cell;
// bends, crests and the block round the cup keep every line.
Lines drawnLines(const Grid& grid, const CupBlock& block)
{
    std::vector<Vec3> at(size_t(grid.rows + 1) * size_t(grid.columns + 1));
    auto point = [&](int i, int j) -> Vec3& { return at[size_t(i) * size_t(grid.columns + 1) + size_t(j)]; };
    for (int i = 0; i <= grid.rows; ++i)
        for (int j = 0; j <= grid.columns; ++j) point(i, j) = grid.ribbon.point(grid.s(i), grid.side(i, j));
    auto near = [](Vec3 p, Vec3 a, Vec3 b, float t) { return model::length(p - (a + (b - a) * t)) <= kDrawnShape; };
    Lines lines;
    lines.rows = keptLines(grid.rows, kLongestDrawnRun, block, true, [&](int a, int b) {
        for (int k = a + 1; k < b; ++k)
            for (int j = 0; j <= grid.columns; ++j)
                if (!near(point(k, j), point(a, j), point(b, j), float(k - a) / float(b - a))) return false;
        return true;
    });
    // Across, a cell over merged rows must also be near flat: its two triangles, either
    // way split, differ by half its twist in the middle, where the vertices left out lie.
    lines.columns = keptLines(grid.columns, grid.columns, block, false, [&](int a, int b) {
        for (int i = 0; i <= grid.rows; ++i)
            for (int k = a + 1; k < b; ++k)
                if (!near(point(i, k), point(i, a), point(i, b), float(k - a) / float(b - a))) return false;
        for (size_t r = 0; r + 1 < lines.rows.size(); ++r) {
            const int i0 = lines.rows[r], i1 = lines.rows[r + 1];
            const float twist = point(i0, a).y + point(i1, b).y - point(i1, a).y - point(i0, b).y;
            if (i1 > i0 + 1 && std::fabs(twist) > kDrawnShape) return false;
        }
        return true;
    });
    return lines;
}

// The cells between neighbouring kept lines, but those of the cup's block.
void layCells(const Lines& lines, const CupBlock& block, GrassBuilder& builder)
{
    for (size_t r = 0; r + 1 < lines.rows.size(); ++r)
        for (size_t c = 0; c + 1 < lines.columns.size(); ++c)
            if (!block.holds(lines.rows[r], lines.columns[c]))
                builder.cell(lines.rows[r], lines.columns[c], lines.rows[r + 1], lines.columns[c + 1]);
}

CupBlock cupBlock(const Grid& grid, float s, float side, const std::string& where)
{
    const float ds = grid.ribbon.length() / float(grid.rows), hw = grid.ribbon.halfWidth(s);
    auto column = [&](float at) { return (at / hw + 1.0f) * float(grid.columns) / 2.0f; };
    CupBlock block{int(std::floor((s - kCupBlock) / ds)), int(std::ceil((s + kCupBlock) / ds)),
                   int(std::floor(column(side - kCupBlock))), int(std::ceil(column(side + kCupBlock)))};
    if (block.i0 < 1 || block.i1 > grid.rows - 1 || block.j0 < 1 || block.j1 > grid.columns - 1)
        throw std::runtime_error(where + ": the cup is too close to the end or the walls of its green");
    return block;
}

// Joins two loops round the cup, each sorted by angle, with a band of triangles.
void zip(Surface& surface, const std::vector<std::pair<float, uint32_t>>& outer,
         const std::vector<std::pair<float, uint32_t>>& inner)
{
    const size_t no = outer.size(), ni = inner.size();
    auto angle = [](const std::vector<std::pair<float, uint32_t>>& loop, size_t k) {
        return loop[k % loop.size()].first + (k >= loop.size() ? 2 * model::kPi : 0.0f);
    };
    size_t o = 0, n = 0;
    while (o < no || n < ni) {
        const bool advanceOuter = n >= ni || (o < no && angle(outer, o + 1) <= angle(inner, n + 1));
        if (advanceOuter) {
            upwardTriangle(surface, outer[o % no].second, inner[n % ni].second, outer[(o + 1) % no].second);
            ++o;
        } else {
            upwardTriangle(surface, outer[o % no].second, inner[n % ni].second, inner[(n + 1) % ni].second);
            ++n;
        }
    }
}

std::vector<Vec3> cutCup(const Grid& grid, const CupBlock& block, GrassBuilder& builder, Surface& surface,
                         Vec2 cup, const std::string& where)
{
    std::vector<std::pair<float, uint32_t>> outer, inner;
    auto angleOf = [&](Vec3 p) { return std::atan2(p.z - cup.y, p.x - cup.x); };
    auto keep = [&](int i, int j) {
        uint32_t v = builder.corner(i, j);
        outer.push_back({angleOf(surface.vertices[v].position), v});
    };
    for (int j = block.j0; j <= block.j1; ++j) {
        keep(block.i0, j);
        keep(block.i1, j);
    }
    for (int i = block.i0 + 1; i < block.i1; ++i) {
        keep(i, block.j0);
        keep(i, block.j1);
    }
    std::vector<Vec3> rim;
    for (int k = 0; k < kRimPoints; ++k) {
        const float a = -model::kPi + (float(k) + 0.5f) * 2 * model::kPi / float(kRimPoints);
        Vec2 p{cup.x + kCupRadius * std::cos(a), cup.y + kCupRadius * std::sin(a)};
        float s, side;
        grid.ribbon.locate(p, s, side);
        Vec3 position{p.x, grid.ribbon.height(s, side), p.y};
        inner.push_back({a, builder.add(s, side, position)});
        rim.push_back(position);
    }
    for (const auto& [angle, v] : outer) {
        const Vec3 p = surface.vertices[v].position;
        if (std::hypot(p.x - cup.x, p.z - cup.y) < kCupRadius + kRimClearance)
            throw std::runtime_error(where + ": the green bends too sharply round the cup");
    }
    std::sort(outer.begin(), outer.end());
    zip(surface, outer, inner);
    return rim;
}

std::vector<OutlinePoint> outlineOf(const Grid& grid)
{
    std::vector<OutlinePoint> outline;
    auto at = [&](int i, int j, Side edge) {
        const float s = grid.s(i), side = grid.side(i, j);
        outline.push_back({grid.ribbon.point(s, side), s, side, edge});
    };
    for (int i = 0; i < grid.rows; ++i) at(i, grid.columns, Side::Right);
    for (int j = grid.columns; j > 0; --j) at(grid.rows, j, Side::End);
    for (int i = grid.rows; i > 0; --i) at(i, 0, Side::Left);
    for (int j = 0; j < grid.columns; ++j) at(0, j, Side::Start);
    return outline;
}

}  // namespace

GreenSurface buildGreen(const Ribbon& ribbon, const HolePlan& plan, bool holdsCup, const std::string& where)
{
    const Grid grid = layOut(ribbon);
    GreenSurface out;
    Surface& surface = out.grass.surface("grass");
    GrassBuilder builder(grid, surface);
    CupBlock block;
    const Vec2 cup{plan.cup.x, plan.cup.z};
    if (holdsCup) {
        float s, side;
        ribbon.locate(cup, s, side);
        block = cupBlock(grid, s, side, where);
    }
    layCells(everyLine(grid), block, builder);
    if (holdsCup) {
        out.rim = cutCup(grid, block, builder, surface, cup, where);
        for (const Vec3& p : out.rim)
            if (std::fabs(p.y - plan.cup.y) > kLevelTolerance)
                throw std::runtime_error(where + ": the grass at the cup's rim is at height " + std::to_string(p.y) +
                                         ", not at the cup's " + std::to_string(plan.cup.y));
    }
    smoothNormals(surface);
    out.outline = outlineOf(grid);

    Surface& drawn = out.drawn.surface("grass");
    GrassBuilder drawnBuilder(grid, drawn);
    layCells(drawnLines(grid, block), block, drawnBuilder);
    if (holdsCup) cutCup(grid, block, drawnBuilder, drawn, cup, where);
    smoothNormals(drawn);
    return out;
}

float cupDepthBelowRim(const HolePlan& plan)
{
    return std::max(kMinCupDepth, plan.cup.y - plan.cupDepth + kBallRadius + kRestingMargin);
}

model::Mesh buildCup(const std::vector<Vec3>& rim, float depthBelowRim)
{
    model::Mesh cup;
    Surface& s = cup.surface("cup");
    float top = rim.front().y;
    Vec3 centre{};
    for (const Vec3& p : rim) {
        top = std::min(top, p.y);
        centre += p;
    }
    centre = centre / float(rim.size());
    const float floorY = top - depthBelowRim;
    const size_t n = rim.size();
    for (size_t k = 0; k <= n; ++k) {  // the wall, one column of two vertices per rim point (the seam doubled)
        const Vec3 p = rim[k % n];
        const Vec3 inward = model::normalized(Vec3{centre.x - p.x, 0, centre.z - p.z});
        const float u = 4.0f * float(k) / float(n);
        s.add({p, inward, {u, 0}, {1, 1, 1, 1}});
        s.add({{p.x, floorY, p.z}, inward, {u, (p.y - floorY) / kCupTile}, {1, 1, 1, 1}});
    }
    for (uint32_t k = 0; k < n; ++k) {
        const uint32_t a = 2 * k;
        facingQuad(s, a, a + 2, a + 3, a + 1, s.vertices[a].normal);
    }
    const uint32_t middle = s.add({{centre.x, floorY, centre.z}, {0, 1, 0}, {0.5f, 0.5f}, {1, 1, 1, 1}});
    const uint32_t first = uint32_t(s.vertices.size());
    for (const Vec3& p : rim)
        s.add({{p.x, floorY, p.z}, {0, 1, 0}, {0.5f + (p.x - centre.x), 0.5f + (p.z - centre.z)}, {1, 1, 1, 1}});
    for (uint32_t k = 0; k < n; ++k) upwardTriangle(s, middle, first + k, first + (k + 1) % uint32_t(n));
    return cup;
}

}  // namespace course
