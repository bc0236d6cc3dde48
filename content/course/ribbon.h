// The geometry of one green: its centre line (straight runs joined by arcs at the
// waypoints), the values that blend along it, and the grass height anywhere on it.
// Positions on the ribbon are (s, side): s the distance along the centre line from
// its first waypoint, side the offset to the right of it.
#pragma once

#include <string>
#include <vector>

#include "content/course/hole_plan.h"

namespace course {

// A monotone cubic through (x, y) points, level at both ends: no overshoot between
// equal neighbours, so a stretch of equal values stays exactly level.
class SmoothCurve {
public:
    SmoothCurve() = default;
    SmoothCurve(std::vector<float> x, std::vector<float> y);
    float operator()(float at) const;

private:
    std::vector<float> x_, y_, slope_;
};

class Ribbon {
public:
    // Throws std::runtime_error (naming `where`) when the path cannot be laid out.
    Ribbon(const Green& green, const std::string& where);

    float length() const { return length_; }
    Vec2 centre(float s) const;
    Vec2 forward(float s) const;
    Vec2 right(float s) const { Vec2 f = forward(s); return {f.y, -f.x}; }
    float halfWidth(float s) const { return 0.5f * width_(s); }
    Vec2 ground(float s, float side) const { return centre(s) + right(s) * side; }  // (x, z)
    float height(float s, float side) const;
    Vec3 point(float s, float side) const;
    // The ribbon position of a point near the ribbon (x, z); s is clamped to the ribbon.
    void locate(Vec2 p, float& s, float& side) const;
    // Whether (x, z) lies on the grass (inside the walls).
    bool covers(Vec2 p) const;
    const Green& green() const { return green_; }

private:
    struct Piece {
        bool arc = false;
        Vec2 a, direction;             // a straight run: start and unit direction
        Vec2 middle;                   // an arc: its centre
        float radius = 0, startAngle = 0, sweep = 0;
        float s0 = 0, length = 0;
    };
    const Piece& pieceAt(float s) const;

    Green green_;
    std::vector<Piece> pieces_;
    float length_ = 0;
    SmoothCurve width_, height_, bank_, dish_;
};

}  // namespace course
