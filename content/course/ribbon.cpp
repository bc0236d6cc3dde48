#include "content/course/ribbon.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace course {

namespace {

constexpr float kMinBendDegrees = 0.05f;  // straighter than this, a waypoint does not bend the line
constexpr float kBendClearance = 0.25f;   // an arc's radius exceeds the half width by this much at least
constexpr float kLocateSpacing = 0.5f;    // units between the centre-line samples that seed `locate`
constexpr int kLocateSteps = 6;

float dot2(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
float length2(Vec2 a) { return std::sqrt(dot2(a, a)); }
Vec2 unit(Vec2 a) { float l = length2(a); return l > 1e-9f ? a * (1.0f / l) : Vec2{0, 1}; }
float crossZ(Vec2 a, Vec2 b) { return a.x * b.y - a.y * b.x; }

// 1 at the centre, 0 from |x| = 0.5 on, with level shoulders (cos^2).
float bump(float x)
{
    if (std::fabs(x) >= 0.5f) return 0.0f;
    float c = std::cos(model::kPi * x);
    return c * c;
}

}  // namespace

SmoothCurve::SmoothCurve(std::vector<float> x, std::vector<float> y) : x_(std::move(x)), y_(std::move(y))
{
    const size_t n = x_.size();
    slope_.assign(n, 0.0f);
    if (n < 3) return;
    std::vector<float> d(n - 1);
    for (size_t k = 0; k + 1 < n; ++k) d[k] = (y_[k + 1] - y_[k]) / std::max(1e-6f, x_[k + 1] - x_[k]);
    // Fritsch-Carlson: zero where the data turns, a weighted harmonic mean elsewhere; level at the ends.
    for (size_t k = 1; k + 1 < n; ++k) {
        if (d[k - 1] * d[k] <= 0) continue;
        float h0 = x_[k] - x_[k - 1], h1 = x_[k + 1] - x_[k];
        float w1 = 2 * h1 + h0, w2 = h1 + 2 * h0;
        slope_[k] = (w1 + w2) / (w1 / d[k - 1] + w2 / d[k]);
    }
}

float SmoothCurve::operator()(float at) const
{
    if (x_.empty()) return 0.0f;
    if (at <= x_.front()) return y_.front();
    if (at >= x_.back()) return y_.back();
    size_t k = size_t(std::upper_bound(x_.begin(), x_.end(), at) - x_.begin()) - 1;
    float h = x_[k + 1] - x_[k], t = (at - x_[k]) / h;
    float t2 = t * t, t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * y_[k] + (t3 - 2 * t2 + t) * h * slope_[k] + (-2 * t3 + 3 * t2) * y_[k + 1] +
           (t3 - t2) * h * slope_[k + 1];
}

Ribbon::Ribbon(const Green& green, const std::string& where) : green_(green)
{
    const std::vector<Waypoint>& w = green.path;
    if (w.size() < 2) throw std::runtime_error(where + ": a green needs two waypoints or more");
    const size_t n = w.size();
    // Tangent lengths of the bends, limited so that neighbouring arcs never overlap.
    std::vector<float> tangent(n, 0.0f), radius(n, 0.0f), turn(n, 0.0f);
    for (size_t k = 1; k + 1 < n; ++k) {
        Vec2 in = w[k].at - w[k - 1].at, out = w[k + 1].at - w[k].at;
        Vec2 d1 = unit(in), d2 = unit(out);
        turn[k] = std::atan2(crossZ(d1, d2), dot2(d1, d2));
        if (std::fabs(turn[k]) < model::radians(kMinBendDegrees)) {
            turn[k] = 0;
            continue;
        }
        const float half = std::tan(std::fabs(turn[k]) / 2);
        const float room = 0.5f * std::min(length2(in), length2(out));
        radius[k] = w[k].corner > 0 ? w[k].corner : std::min(w[k].width, room / half);
        tangent[k] = radius[k] * half;
        if (tangent[k] > room + 1e-4f)
            throw std::runtime_error(where + ": the bend at waypoint " + std::to_string(k) +
                                     " does not fit between its neighbours; lower its corner radius");
    }
    // Straight runs and arcs in order; the waypoints' own distances along the line.
    std::vector<float> at(n, 0.0f);
    Vec2 cursor = w[0].at;
    float s = 0;
    auto straight = [&](Vec2 to) {
        float l = length2(to - cursor);
        if (l > 1e-5f) pieces_.push_back(Piece{false, cursor, unit(to - cursor), {}, 0, 0, 0, s, l});
        s += l;
        cursor = to;
    };
    for (size_t k = 1; k < n; ++k) {
        if (k + 1 == n || turn[k] == 0) {
            straight(w[k].at);
            at[k] = s;
            continue;
        }
        Vec2 d1 = unit(w[k].at - w[k - 1].at), d2 = unit(w[k + 1].at - w[k].at);
        straight(w[k].at - d1 * tangent[k]);
        Vec2 towardsCentre = turn[k] > 0 ? Vec2{-d1.y, d1.x} : Vec2{d1.y, -d1.x};
        Piece arc;
        arc.arc = true;
        arc.middle = cursor + towardsCentre * radius[k];
        arc.radius = radius[k];
        arc.startAngle = std::atan2(cursor.y - arc.middle.y, cursor.x - arc.middle.x);
        arc.sweep = turn[k];
        arc.s0 = s;
        arc.length = radius[k] * std::fabs(turn[k]);
        pieces_.push_back(arc);
        at[k] = s + arc.length / 2;
        s += arc.length;
        cursor = w[k].at + d2 * tangent[k];
    }
    length_ = s;
    if (pieces_.empty()) throw std::runtime_error(where + ": a green's waypoints all lie on one spot");

    auto curve = [&](float Waypoint::*value) {
        std::vector<float> y;
        for (const Waypoint& p : w) y.push_back(p.*value);
        return SmoothCurve(at, y);
    };
    width_ = curve(&Waypoint::width);
    height_ = curve(&Waypoint::height);
    bank_ = curve(&Waypoint::bank);
    dish_ = curve(&Waypoint::dish);
    for (const Piece& p : pieces_) {
        if (!p.arc) continue;
        for (float t = 0; t <= 1.0f; t += 0.05f)
            if (halfWidth(p.s0 + t * p.length) + kBendClearance > p.radius)
                throw std::runtime_error(where + ": a bend of radius " + std::to_string(p.radius) +
                                         " is too tight for the green's width there");
    }
    for (const Waypoint& p : w)
        if (p.width < 1.0f) throw std::runtime_error(where + ": a green narrower than 1 unit");
}

const Ribbon::Piece& Ribbon::pieceAt(float s) const
{
    for (const Piece& p : pieces_)
        if (s < p.s0 + p.length) return p;
    return pieces_.back();
}

Vec2 Ribbon::centre(float s) const
{
    const Piece& p = pieceAt(s);
    float u = std::clamp(s - p.s0, 0.0f, p.length);
    if (!p.arc) return p.a + p.direction * u;
    float angle = p.startAngle + (p.sweep > 0 ? 1.0f : -1.0f) * u / p.radius;
    return p.middle + Vec2{std::cos(angle), std::sin(angle)} * p.radius;
}

Vec2 Ribbon::forward(float s) const
{
    const Piece& p = pieceAt(s);
    if (!p.arc) return p.direction;
    float sign = p.sweep > 0 ? 1.0f : -1.0f;
    float angle = p.startAngle + sign * std::clamp(s - p.s0, 0.0f, p.length) / p.radius;
    return Vec2{-std::sin(angle), std::cos(angle)} * sign;
}

float Ribbon::height(float s, float side) const
{
    const float hw = halfWidth(s);
    float h = height_(s) + bank_(s) * side + dish_(s) * (side / hw) * (side / hw);
    for (const Hump& hump : green_.humps) h += hump.height * bump((s - hump.at) / hump.length);
    if (!green_.mounds.empty()) {
        Vec2 p = ground(s, side);
        for (const Mound& m : green_.mounds) h += m.height * bump(0.5f * length2(p - m.at) / m.radius);
    }
    return h;
}

Vec3 Ribbon::point(float s, float side) const
{
    Vec2 g = ground(s, side);
    return {g.x, height(s, side), g.y};
}

void Ribbon::locate(Vec2 p, float& s, float& side) const
{
    float best = 1e30f;
    s = 0;
    for (float at = 0; at <= length_ + 1e-4f; at += kLocateSpacing) {
        Vec2 d = p - centre(at);
        if (dot2(d, d) < best) {
            best = dot2(d, d);
            s = at;
        }
    }
    for (int i = 0; i < kLocateSteps; ++i) s = std::clamp(s + dot2(p - centre(s), forward(s)), 0.0f, length_);
    side = dot2(p - centre(s), right(s));
}

bool Ribbon::covers(Vec2 p) const
{
    float s, side;
    locate(p, s, side);
    if (std::fabs(dot2(p - centre(s), forward(s))) > 1e-3f) return false;  // beyond an end
    return std::fabs(side) <= halfWidth(s);
}

}  // namespace course
