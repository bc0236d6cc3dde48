#include "content/model/math.h"

namespace model {

Quaternion Quaternion::fromAxisAngle(Vec3 axis, float degrees)
{
    Vec3 a = normalized(axis);
    float half = radians(degrees) * 0.5f, s = std::sin(half);
    return {std::cos(half), a.x * s, a.y * s, a.z * s};
}

Vec3 Quaternion::rotate(Vec3 v) const { return Transform::rotation(*this).direction(v); }

Quaternion operator*(const Quaternion& a, const Quaternion& b)
{
    return {a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z, a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y,
            a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x, a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w};
}

Quaternion slerp(Quaternion a, Quaternion b, float t)
{
    float d = a.w * b.w + a.x * b.x + a.y * b.y + a.z * b.z;
    if (d < 0) {
        b = {-b.w, -b.x, -b.y, -b.z};
        d = -d;
    }
    float ka = 1 - t, kb = t;
    if (d < 0.9995f) {
        float angle = std::acos(d), s = std::sin(angle);
        ka = std::sin((1 - t) * angle) / s;
        kb = std::sin(t * angle) / s;
    }
    Quaternion q{a.w * ka + b.w * kb, a.x * ka + b.x * kb, a.y * ka + b.y * kb, a.z * ka + b.z * kb};
    float n = std::sqrt(q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z);
    return {q.w / n, q.x / n, q.y / n, q.z / n};
}

Transform Transform::translation(Vec3 o)
{
    Transform t;
    t.m[0][3] = o.x;
    t.m[1][3] = o.y;
    t.m[2][3] = o.z;
    return t;
}

Transform Transform::scaling(Vec3 f)
{
    Transform t;
    t.m[0][0] = f.x;
    t.m[1][1] = f.y;
    t.m[2][2] = f.z;
    return t;
}

Transform Transform::rotationX(float degrees)
{
    float c = std::cos(radians(degrees)), s = std::sin(radians(degrees));
    Transform t;
    t.m[1][1] = c;
    t.m[1][2] = -s;
    t.m[2][1] = s;
    t.m[2][2] = c;
    return t;
}

Transform Transform::rotationY(float degrees)
{
    float c = std::cos(radians(degrees)), s = std::sin(radians(degrees));
    Transform t;
    t.m[0][0] = c;
    t.m[0][2] = s;
    t.m[2][0] = -s;
    t.m[2][2] = c;
    return t;
}

Transform Transform::rotationZ(float degrees)
{
    float c = std::cos(radians(degrees)), s = std::sin(radians(degrees));
    Transform t;
    t.m[0][0] = c;
    t.m[0][1] = -s;
    t.m[1][0] = s;
    t.m[1][1] = c;
    return t;
}

Transform Transform::rotation(const Quaternion& q)
{
    const float w = q.w, x = q.x, y = q.y, z = q.z;
    Transform t;
    t.m[0][0] = 1 - 2 * (y * y + z * z);
    t.m[0][1] = 2 * (x * y - w * z);
    t.m[0][2] = 2 * (x * z + w * y);
    t.m[1][0] = 2 * (x * y + w * z);
    t.m[1][1] = 1 - 2 * (x * x + z * z);
    t.m[1][2] = 2 * (y * z - w * x);
    t.m[2][0] = 2 * (x * z - w * y);
    t.m[2][1] = 2 * (y * z + w * x);
    t.m[2][2] = 1 - 2 * (x * x + y * y);
    return t;
}

Transform Transform::basis(Vec3 xAxis, Vec3 yAxis, Vec3 zAxis, Vec3 origin)
{
    Transform t;
    const Vec3 axes[3] = {xAxis, yAxis, zAxis};
    for (int c = 0; c < 3; ++c) {
        t.m[0][c] = axes[c].x;
        t.m[1][c] = axes[c].y;
        t.m[2][c] = axes[c].z;
    }
    t.m[0][3] = origin.x;
    t.m[1][3] = origin.y;
    t.m[2][3] = origin.z;
    return t;
}

Vec3 Transform::point(Vec3 p) const { return direction(p) + Vec3{m[0][3], m[1][3], m[2][3]}; }

Vec3 Transform::direction(Vec3 d) const
{
    return {m[0][0] * d.x + m[0][1] * d.y + m[0][2] * d.z, m[1][0] * d.x + m[1][1] * d.y + m[1][2] * d.z,
            m[2][0] * d.x + m[2][1] * d.y + m[2][2] * d.z};
}

Vec3 Transform::normal(Vec3 n) const
{
    // The cofactor matrix is the inverse transpose times the determinant; only the direction matters.
    auto c = [&](int r0, int c0, int r1, int c1) { return m[r0][c0] * m[r1][c1] - m[r0][c1] * m[r1][c0]; };
    const float cof[3][3] = {{c(1, 1, 2, 2), -c(1, 0, 2, 2), c(1, 0, 2, 1)},
                             {-c(0, 1, 2, 2), c(0, 0, 2, 2), -c(0, 0, 2, 1)},
                             {c(0, 1, 1, 2), -c(0, 0, 1, 2), c(0, 0, 1, 1)}};
    Vec3 out{cof[0][0] * n.x + cof[0][1] * n.y + cof[0][2] * n.z, cof[1][0] * n.x + cof[1][1] * n.y + cof[1][2] * n.z,
             cof[2][0] * n.x + cof[2][1] * n.y + cof[2][2] * n.z};
    if (determinant() < 0) out = -out;
    return normalized(out);
}

float Transform::determinant() const
{
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

Transform operator*(const Transform& a, const Transform& b)
{
    Transform r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) {
            float v = (j == 3) ? a.m[i][3] : 0.0f;
            for (int k = 0; k < 3; ++k) v += a.m[i][k] * b.m[k][j];
            r.m[i][j] = v;
        }
    return r;
}

}  // namespace model
