// The ball: a UV sphere and its textures, one plain and one translucent per colour.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "content/art/image.h"
#include "content/art/palette.h"
#include "content/model/b3d.h"
#include "content/model/shapes.h"
#include "content/output.h"
#include "content/registry.h"

namespace {

constexpr float kBallRadius = 1.25f;      // model units: the game's scale 0.2 gives the 0.25 physics radius
constexpr int kBallSegments = 32;
constexpr int kBallRings = 16;
constexpr int kTextureWidth = 256;        // pixels; the sphere's u runs once around
constexpr int kTextureHeight = 128;
constexpr int kDimples = 260;             // spread evenly over the sphere
constexpr float kDimpleRadius = 0.55f;    // of the mean spacing between dimple centres
constexpr float kTranslucentBrightness = 0.62f;  // added over the scene: darker is more see-through

struct Dimples {
    std::vector<float> depth;   // 0 outside a dimple, 1 at its centre, per pixel
    std::vector<float> light;   // -1..1: the lit (upper) or shaded (lower) side of the dimple's wall
};

model::Vec3 directionOf(float u, float v)
{
    float polar = model::kPi * v, around = 2 * model::kPi * u;
    return {std::sin(polar) * std::sin(around), std::cos(polar), std::sin(polar) * std::cos(around)};
}

// The dimple pattern, shared by every colour: centres on a Fibonacci spiral.
Dimples makeDimples()
{
    std::vector<model::Vec3> centres;
    const float golden = model::kPi * (3.0f - std::sqrt(5.0f));
    for (int i = 0; i < kDimples; ++i) {
        float y = 1.0f - 2.0f * (float(i) + 0.5f) / float(kDimples), r = std::sqrt(1 - y * y);
        centres.push_back({r * std::cos(golden * float(i)), y, r * std::sin(golden * float(i))});
    }
    const float spacing = std::sqrt(4 * model::kPi / float(kDimples));
    const float radius = spacing * kDimpleRadius;
    Dimples d{std::vector<float>(size_t(kTextureWidth) * kTextureHeight), std::vector<float>(size_t(kTextureWidth) * kTextureHeight)};
    for (int y = 0; y < kTextureHeight; ++y)
        for (int x = 0; x < kTextureWidth; ++x) {
            model::Vec3 p = directionOf((float(x) + 0.5f) / kTextureWidth, (float(y) + 0.5f) / kTextureHeight);
            float closest = -2;
            model::Vec3 nearest{};
            for (const model::Vec3& c : centres)
                if (model::dot(p, c) > closest) {
                    closest = model::dot(p, c);
                    nearest = c;
                }
            const float best = std::acos(std::clamp(closest, -1.0f, 1.0f));
            float t = std::clamp(1.0f - best / radius, 0.0f, 1.0f);
            size_t i = size_t(y) * kTextureWidth + x;
            d.depth[i] = t;
            // Light from above: the dimple's lower wall faces up and catches it.
            model::Vec3 offset = p - nearest;
            float towardsTop = offset.y / std::max(1e-4f, model::length(offset));
            d.light[i] = t > 0 ? -towardsTop * std::sin(t * model::kPi) : 0.0f;
        }
    return d;
}

Image ballPicture(const Dimples& d, const Rgba& colour, float brightness)
{
    Image image(kTextureWidth, kTextureHeight);
    const float luminance = 0.3f * colour.r + 0.59f * colour.g + 0.11f * colour.b;
    // Dark balls show their dimples by lighter rims; light ones by shadow.
    const float contrast = luminance < 0.2f ? 0.7f : 0.22f;
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        float shadeFactor = 1.0f - 0.1f * d.depth[i] + contrast * 0.5f * d.light[i];
        Rgba c = scaled(colour, shadeFactor * brightness);
        if (luminance < 0.2f) c = mix(c, rgb(120, 120, 130), 0.25f * std::max(0.0f, d.light[i]));
        image.pixels[i] = {std::clamp(c.r, 0.0f, 1.0f), std::clamp(c.g, 0.0f, 1.0f), std::clamp(c.b, 0.0f, 1.0f), 1.0f};
    }
    return image;
}

void generateBall(ContentOutput& output)
{
    output.write("Models/ball.b3d", model::writeB3d(model::sphere(kBallRadius, kBallSegments, kBallRings)));
    const Dimples dimples = makeDimples();
    for (const PlayerColour& c : kPlayerColours) {
        const std::string word = c.word;
        output.write("Textures/" + word + "ball.jpg", encodeJpeg(ballPicture(dimples, c.colour, 1.0f), 90));
        if (word != "black")  // the black ball shows its plain texture while it waits
            output.write("Textures/" + word + "Trans.jpg",
                         encodeJpeg(ballPicture(dimples, c.colour, kTranslucentBrightness), 90));
    }
}

}  // namespace

REGISTER_GENERATOR(play_ball, generateBall);
