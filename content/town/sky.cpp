// The desert sky box: top1.jpg, left1.jpg, right1.jpg, front1.jpg, back1.jpg (the game
// shows top1 below too).
//
// The sky is painted as a function of direction and sampled for every face, so the
// faces meet without seams: a deep blue zenith fading to a warm haze at the horizon,
// a glow towards the sun, thin streaks of cloud, and two ranges of mesas. The engine
// puts back1 ahead of a player looking down +z, left1 at +x, front1 at -z and right1
// at -x, each upright.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "content/art/noise.h"
#include "content/art/palette.h"
#include "content/model/math.h"
#include "content/output.h"
#include "content/registry.h"
#include "content/town/town_art.h"

namespace town {

namespace {

using model::Vec3;

constexpr int kSkySize = 512;
constexpr int kSamples = 2;                    // per axis, per pixel
constexpr float kCloudTop = 32.0f;             // degrees: clouds stay below the top face's lowest corner (35)

const Rgba kZenith = rgb(56, 108, 186);
const Rgba kMidSky = rgb(112, 166, 220);
const Rgba kHorizon = rgb(236, 218, 192);
const Rgba kFarLand = rgb(206, 178, 146);
const Rgba kFarRange = rgb(184, 160, 168);
const Rgba kMesaRock = rgb(176, 104, 72);
const Rgba kSunGlow = rgb(252, 228, 190);
const Vec3 kTowardsSun = model::normalized({-0.354f, 0.707f, -0.612f});

struct Mesa {
    float azimuth, halfWidth, height, slope;  // degrees
};
// Azimuth 0 is +z (down the holes), growing towards +x.
constexpr Mesa kMesas[] = {
    {8, 9, 5.0f, 2.5f},     {31, 3, 7.0f, 1.2f},  {52, 14, 3.4f, 4},    {95, 6, 4.6f, 2},   {128, 18, 2.8f, 5},
    {170, 5, 5.8f, 1.5f},   {205, 11, 4.0f, 3},   {246, 4, 6.4f, 1.4f}, {268, 12, 3.0f, 4}, {310, 7, 4.8f, 2.2f},
    {338, 10, 3.6f, 3},
};
constexpr int kProfileSteps = 3600;  // the ranges' heights are looked up per tenth of a degree

float degrees(float radians) { return radians * 180.0f / model::kPi; }

float angleBetween(float a, float b)
{
    float d = std::fmod(std::fabs(a - b), 360.0f);
    return d > 180 ? 360 - d : d;
}

// The near range's height above the horizon (degrees) at an azimuth.
float mesaHeight(float azimuth)
{
    float h = 0;
    for (const Mesa& m : kMesas) {
        float d = angleBetween(azimuth, m.azimuth);
        float shoulder = 1.0f - smoothstep(m.halfWidth, m.halfWidth + m.slope, d);
        float erosion = 0.9f + 0.1f * valueNoise(azimuth * 0.8f, m.height, 7);
        h = std::max(h, m.height * shoulder * erosion);
    }
    return h;
}

// The far range: low rolling hills, continuous round the horizon.
float farHeight(float azimuth)
{
    const float a = model::radians(azimuth);
    return 1.2f + 2.2f * fbm(3 + 2.5f * std::cos(a), 3 + 2.5f * std::sin(a), 4, 17);
}

struct Profiles {
    std::vector<float> near, far;
    Profiles() : near(kProfileSteps + 1), far(kProfileSteps + 1)
    {
        for (int i = 0; i <= kProfileSteps; ++i) {
            near[i] = mesaHeight(360.0f * float(i) / kProfileSteps);
            far[i] = farHeight(360.0f * float(i) / kProfileSteps);
        }
    }
    static float at(const std::vector<float>& table, float azimuth)
    {
        const float f = azimuth / 360.0f * kProfileSteps;
        const int i = std::clamp(int(f), 0, kProfileSteps - 1);
        return table[i] + (table[i + 1] - table[i]) * (f - float(i));
    }
};
const Profiles& profiles()
{
    static const Profiles p;
    return p;
}

Rgba skyColour(Vec3 d)
{
    d = model::normalized(d);
    const float elevation = degrees(std::asin(std::clamp(d.y, -1.0f, 1.0f)));
    float azimuth = degrees(std::atan2(d.x, d.z));
    if (azimuth < 0) azimuth += 360;
    if (elevation < 0) return mix(kFarLand, scaled(kFarLand, 0.85f), smoothstep(0, -20, elevation));

    Rgba c = gradient({kHorizon, kMidSky, kZenith}, std::pow(elevation / 90.0f, 0.45f));
    const Vec3 sunFlat = model::normalized({kTowardsSun.x, 0, kTowardsSun.z});
    const float towardsSun = std::max(0.0f, model::dot(model::normalized({d.x, 0, d.z}), sunFlat));
    c = mix(c, kSunGlow, 0.55f * std::pow(towardsSun, 3.0f) * (1 - smoothstep(0, 30, elevation)));

    if (elevation > 1.5f && elevation < kCloudTop) {
        const float reach = 1.0f / std::max(0.05f, d.y);  // onto a flat layer of cloud
        const float cx = d.x * reach * 0.35f, cz = d.z * reach * 0.35f;
        const float wisps = fbm(cx * 1.2f + 40, cz * 3.5f, 4, 23) * 0.7f + fbm(cx * 4, cz * 9, 2, 24) * 0.3f;
        const float cover = smoothstep(0.52f, 0.75f, wisps) * smoothstep(1.5f, 7, elevation) *
                            (1 - smoothstep(kCloudTop - 12, kCloudTop, elevation));
        c = mix(c, rgb(252, 248, 240), 0.75f * cover);
    }

    const float far = Profiles::at(profiles().far, azimuth), near = Profiles::at(profiles().near, azimuth);
    if (elevation < far) c = mix(kFarRange, kHorizon, 0.35f + 0.3f * elevation / far);
    if (elevation < near) {
        const float strata = 0.5f + 0.5f * std::sin(elevation * 5.5f + 2.0f * valueNoise(azimuth * 0.5f, elevation, 9));
        Rgba rock = mix(kMesaRock, scaled(kMesaRock, 0.78f), strata);
        rock = mix(rock, rgb(214, 150, 110), 0.35f * (1 - elevation / near));  // lit talus at the foot
        c = mix(rock, kHorizon, 0.42f);
    }
    return c;
}

// Rows near the horizon, where the mesas' edges are, take 2 x 2 samples per pixel; the rest one.
Image skyFace(const std::function<Vec3(float, float)>& direction, bool side)
{
    Image image(kSkySize, kSkySize);
    for (int y = 0; y < kSkySize; ++y) {
        const float rowHeight = 1 - 2 * (float(y) + 0.5f) / kSkySize;
        const int samples = side && rowHeight > -0.02f && rowHeight < 0.2f ? kSamples : 1;
        for (int x = 0; x < kSkySize; ++x) {
            Rgba sum{0, 0, 0, 0};
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx) {
                    float u = (float(x) + (float(sx) + 0.5f) / float(samples)) / kSkySize;
                    float v = (float(y) + (float(sy) + 0.5f) / float(samples)) / kSkySize;
                    Rgba c = skyColour(direction(2 * u - 1, 1 - 2 * v));
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, 1};
                }
            const float n = 1.0f / float(samples * samples);
            image.at(x, y) = {sum.r * n, sum.g * n, sum.b * n, 1};
        }
    }
    return image;
}

void generateSky(ContentOutput& output)
{
    auto write = [&](const char* name, const std::function<Vec3(float, float)>& direction) {
        const bool side = name[0] != 't';
        output.write(std::string("Textures/") + name, encodeJpeg(skyFace(direction, side), 90));
    };
    write("back1.jpg", [](float a, float b) { return Vec3{a, b, 1}; });
    write("left1.jpg", [](float a, float b) { return Vec3{1, b, -a}; });
    write("front1.jpg", [](float a, float b) { return Vec3{-a, b, -1}; });
    write("right1.jpg", [](float a, float b) { return Vec3{-1, b, a}; });
    write("top1.jpg", [](float a, float b) { return Vec3{a, 1, -b}; });
}

}  // namespace

}  // namespace town

REGISTER_GENERATOR(town_sky, town::generateSky);
