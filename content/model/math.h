// Small vector, transform and rotation types for building models.
// Coordinates are the engine's: y up, +z forward (the stroke direction at yaw 0),
// rotations by positive degrees turn y towards z (about x), z towards x (about y)
// and x towards y (about z), exactly as the engine's setRotation does.
#pragma once

#include <cmath>

namespace model {

struct Vec2 {
    float x = 0, y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, float s) { return {a.x * s, a.y * s}; }

struct Vec3 {
    float x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator-(Vec3 a) { return {-a.x, -a.y, -a.z}; }
inline Vec3 operator*(Vec3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
inline Vec3 operator*(float s, Vec3 a) { return a * s; }
inline Vec3 operator/(Vec3 a, float s) { return {a.x / s, a.y / s, a.z / s}; }
inline Vec3& operator+=(Vec3& a, Vec3 b) { return a = a + b; }
inline Vec3& operator-=(Vec3& a, Vec3 b) { return a = a - b; }
inline float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline float length(Vec3 a) { return std::sqrt(dot(a, a)); }
inline Vec3 normalized(Vec3 a)
{
    float l = length(a);
    return l > 1e-12f ? a / l : Vec3{0, 1, 0};
}
inline Vec3 lerp(Vec3 a, Vec3 b, float t) { return a + (b - a) * t; }

constexpr float kPi = 3.14159265358979f;
inline float radians(float degrees) { return degrees * kPi / 180.0f; }

// A rotation as a unit quaternion (w, x, y, z) in the usual right-hand-rule sense:
// fromAxisAngle({1, 0, 0}, 90) turns +y onto +z.
struct Quaternion {
    float w = 1, x = 0, y = 0, z = 0;

    static Quaternion fromAxisAngle(Vec3 axis, float degrees);
    Vec3 rotate(Vec3 v) const;
};
Quaternion operator*(const Quaternion& a, const Quaternion& b);  // b first, then a
Quaternion slerp(Quaternion a, Quaternion b, float t);

// An affine transform: p' = linear * p + translation. Compose with `*`
// ((a * b) applies b first) or fluently: Transform().rotateY(30).translate({1, 0, 0})
// rotates first, then moves.
struct Transform {
    float m[3][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};

    static Transform translation(Vec3 offset);
    static Transform scaling(Vec3 factors);
    static Transform scaling(float factor) { return scaling({factor, factor, factor}); }
    static Transform rotationX(float degrees);
    static Transform rotationY(float degrees);
    static Transform rotationZ(float degrees);
    static Transform rotation(const Quaternion& q);
    static Transform rotation(Vec3 axis, float degrees) { return rotation(Quaternion::fromAxisAngle(axis, degrees)); }
    // Maps x, y, z onto the given axes and the origin onto `origin`.
    static Transform basis(Vec3 xAxis, Vec3 yAxis, Vec3 zAxis, Vec3 origin = {});

    Transform translate(Vec3 offset) const { return translation(offset) * *this; }
    Transform scale(float factor) const { return scaling(factor) * *this; }
    Transform scale(Vec3 factors) const { return scaling(factors) * *this; }
    Transform rotateX(float degrees) const { return rotationX(degrees) * *this; }
    Transform rotateY(float degrees) const { return rotationY(degrees) * *this; }
    Transform rotateZ(float degrees) const { return rotationZ(degrees) * *this; }

    Vec3 point(Vec3 p) const;
    Vec3 direction(Vec3 d) const;  // no translation
    Vec3 normal(Vec3 n) const;     // inverse transpose, normalised
    float determinant() const;
    bool mirrors() const { return determinant() < 0; }

    friend Transform operator*(const Transform& a, const Transform& b);
};

}  // namespace model
