// The putter: grip (putterHandle.b3d) and shaft with head (putterShaft.b3d), two
// meshes that share one swing bone, the coloured grip textures and metal.jpg.
//
// The game stands both parts at (ball x, ball y - 0.5, ball z) with scale 0.5,
// turned to the aim, so in model units the ball's centre is at (0, 1, 0), its
// radius 0.5, and the green under it at y 0.5. The stroke goes towards +z: the
// head rests just behind the ball (-z) and swings through the ball's place.
// A right-handed player stands on the -x side, so the shaft leans that way and
// the camera behind the ball sees past it.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "content/art/image.h"
#include "content/art/noise.h"
#include "content/art/palette.h"
#include "content/art/surfaces.h"
#include "content/art/text.h"
#include "content/model/b3d.h"
#include "content/model/shapes.h"
#include "content/output.h"
#include "content/registry.h"

namespace {

using model::Vec2;
using model::Vec3;

// Head, in model units
constexpr float kSoleY = 0.53f;          // just above the green (0.5)
constexpr float kHeadTopY = 0.83f;
constexpr float kFaceZ = -0.56f;         // the ball's back is at z -0.5
constexpr float kHeadDepth = 0.36f;
constexpr float kHeadHalfWidth = 0.75f;
constexpr float kHeadCornerRadius = 0.1f;
constexpr float kHoselX = -0.42f;        // where the shaft enters the head, towards the heel
// Shaft and grip
constexpr float kLieDegrees = 18.0f;     // shaft lean from upright towards the player (-x)
constexpr float kShaftLength = 8.0f;     // hosel to the grip's top
constexpr float kShaftRadius = 0.05f;
constexpr float kGripLength = 2.2f;
constexpr float kGripBottomRadius = 0.1f;
constexpr float kGripTopRadius = 0.15f;
constexpr int kRoundSegments = 16;
// Swings, in the engine's frames (30 per second)
struct Swing {
    int start, contact, end;  // the head reaches the ball at `contact`
    float back, through;      // degrees of backswing and follow-through
};
constexpr Swing kSwings[] = {{0, 25, 30, 10, 6}, {45, 75, 80, 20, 10}, {100, 125, 150, 32, 28}};
constexpr int kRestAgainFrame = 180;      // the long swing is back at rest here (the game freezes on 180)
constexpr int kLastFrame = 200;
constexpr float kBackswingShare = 0.55f;  // of the time from start to contact spent taking the club back

const Vec3 kShaftUp = {-std::sin(model::radians(kLieDegrees)), std::cos(model::radians(kLieDegrees)), 0};
const Vec3 kHosel = {kHoselX, kHeadTopY - 0.03f, kFaceZ - kHeadDepth * 0.5f};
const Vec3 kPivot = kHosel + kShaftUp * kShaftLength;  // the hands: the swing turns about them
// Positive swing angles move the head towards +z: the axis lies across the swing plane.
const Vec3 kSwingAxis = model::normalized(model::cross(Vec3{0, 0, 1}, kShaftUp));

// Local shaft coordinates: y along the shaft from the hosel up.
model::Transform shaftFrame()
{
    Vec3 across = model::cross(kShaftUp, Vec3{0, 0, 1});
    return model::Transform::basis(across, kShaftUp, {0, 0, 1}, kHosel);
}

std::vector<Vec2> roundedRectangle(float halfX, float halfZ, float radius, float centreZ)
{
    std::vector<Vec2> outline;
    const Vec2 corners[4] = {{halfX - radius, halfZ - radius}, {-(halfX - radius), halfZ - radius},
                             {-(halfX - radius), -(halfZ - radius)}, {halfX - radius, -(halfZ - radius)}};
    for (int c = 0; c < 4; ++c)
        for (int k = 0; k <= 4; ++k) {
            float a = model::radians(90.0f * float(c) + 22.5f * float(k));
            outline.push_back({corners[c].x + radius * std::cos(a), centreZ + corners[c].y + radius * std::sin(a)});
        }
    return outline;
}

// A blade with a flange behind it, as on a classic putter, and a white sight line.
model::Mesh headMesh()
{
    const float bladeDepth = kHeadDepth * 0.42f, flangeHeight = (kHeadTopY - kSoleY) * 0.45f;
    model::Mesh blade = model::extrude(roundedRectangle(kHeadHalfWidth, bladeDepth * 0.5f, kHeadCornerRadius * 0.6f,
                                                        kFaceZ - bladeDepth * 0.5f),
                                       kSoleY, kHeadTopY);
    const float flangeDepth = kHeadDepth - bladeDepth * 0.5f;
    model::Mesh flange = model::extrude(roundedRectangle(kHeadHalfWidth * 0.82f, flangeDepth * 0.5f, kHeadCornerRadius,
                                                         kFaceZ - kHeadDepth + flangeDepth * 0.5f),
                                        kSoleY, kSoleY + flangeHeight);
    model::Mesh head = blade.add(flange);
    model::boxUV(head, 1.0f);
    head.paint(rgb(120, 122, 132));  // gunmetal under the chrome
    const float sightZ = kFaceZ - kHeadDepth * 0.5f;
    model::Mesh sight = model::box({-0.02f, kSoleY + flangeHeight, sightZ - 0.12f}, {0.02f, kSoleY + flangeHeight + 0.004f, kFaceZ - bladeDepth});
    sight.paint(rgb(255, 255, 255));
    return head.add(sight);
}

// Texture coordinates for chrome: u along the part (0..1), v around it, so that
// the metal picture's sky and ground wrap around like reflections.
void chromeUV(model::Mesh& mesh, float length)
{
    for (model::Surface& s : mesh.surfaces)
        for (model::Vertex& v : s.vertices) v.uv = {v.uv.y / length, v.uv.x};
}

model::Mesh shaftMesh()
{
    model::Mesh shaft = model::cone(kShaftRadius * 1.1f, kShaftRadius * 0.9f, kShaftLength - kGripLength + 0.15f,
                                    kRoundSegments / 2 + 2, false);
    shaft.translate({0, -0.04f, 0});
    chromeUV(shaft, kShaftLength);
    model::Mesh collar = model::cylinder(kShaftRadius * 1.5f, 0.3f, kRoundSegments / 2 + 2);
    collar.translate({0, -0.08f, 0});
    chromeUV(collar, 0.3f);
    shaft.add(collar);
    shaft.transform(shaftFrame());
    return shaft.add(headMesh());
}

model::Mesh gripMesh()
{
    const float bottom = kShaftLength - kGripLength, top = kShaftLength;
    model::Mesh grip = model::lathe({{0, bottom},
                                     {kGripBottomRadius, bottom},
                                     {kGripBottomRadius * 1.05f, bottom + 0.08f},
                                     {kGripTopRadius, top - 0.08f},
                                     {kGripTopRadius * 0.9f, top - 0.015f},
                                     {kGripTopRadius * 0.55f, top},
                                     {0, top}},
                                    kRoundSegments, 35.0f);
    float profileLength = 0;
    for (const model::Vertex& v : grip.surfaces[0].vertices) profileLength = std::max(profileLength, v.uv.y);
    grip.scaleUV(1.0f, 1.0f / profileLength);  // v runs 0 (top) .. 1 (bottom) along the grip
    return grip.transform(shaftFrame());
}

float swingAngle(int frame)
{
    const float swingRadius = model::length(kPivot - Vec3{0, (kSoleY + kHeadTopY) / 2, kFaceZ});
    const float contactAngle = std::asin((-0.5f - kFaceZ) / swingRadius) * 180.0f / model::kPi;
    auto ease = [](float t) { return 0.5f - 0.5f * std::cos(model::kPi * std::clamp(t, 0.0f, 1.0f)); };
    for (size_t i = 0; i < std::size(kSwings); ++i) {
        const Swing& s = kSwings[i];
        const float f = float(frame), top = float(s.start) + kBackswingShare * float(s.contact - s.start);
        if (frame >= s.start && f <= top) return -s.back * ease((f - float(s.start)) / (top - float(s.start)));
        if (f > top && frame <= s.contact) {
            float t = (f - top) / (float(s.contact) - top);
            return -s.back + (s.back + contactAngle) * (1 - std::cos(model::kPi / 2 * t));  // fastest at the ball
        }
        if (frame > s.contact && frame <= s.end) {
            float t = float(frame - s.contact) / float(s.end - s.contact);
            return contactAngle + (s.through - contactAngle) * std::sin(model::kPi / 2 * t);
        }
        const int restAt = i + 1 < std::size(kSwings) ? kSwings[i + 1].start : kRestAgainFrame;
        if (frame > s.end && frame < restAt) return s.through * (1 - ease(float(frame - s.end) / float(restAt - s.end)));
    }
    return 0.0f;
}

model::AnimatedMesh swinging(model::Mesh mesh)
{
    model::AnimatedMesh animated;
    animated.mesh = std::move(mesh);
    model::Bone hands{"hands", -1, kPivot, {}};
    for (int frame = 0; frame <= kLastFrame; ++frame)
        hands.keys.push_back({frame, kPivot, model::Quaternion::fromAxisAngle(kSwingAxis, swingAngle(frame))});
    animated.bindAll(animated.addBone(hands));
    return animated;
}

// Grip pictures: u around the grip, v from its top (0) to its bottom (1).
constexpr int kGripWidth = 128;
constexpr int kGripHeight = 256;

Image gripPicture(const Rgba& colour, uint32_t seed)
{
    Image image(kGripWidth, kGripHeight);
    const float luminance = 0.3f * colour.r + 0.59f * colour.g + 0.11f * colour.b;
    const Rgba trim = luminance < 0.25f ? rgb(70, 70, 74) : scaled(colour, 0.45f);
    for (int y = 0; y < kGripHeight; ++y)
        for (int x = 0; x < kGripWidth; ++x) {
            float u = (float(x) + 0.5f) / kGripWidth, v = (float(y) + 0.5f) / kGripHeight;
            // Two wrapped bands spiralling down the grip, each edge a fine seam.
            float wrap = u * 2 + v * 7;
            wrap -= std::floor(wrap);
            float seam = wrap < 0.05f ? 0.72f : (wrap < 0.12f ? 1.08f : 1.0f);
            // Rows of small perforations.
            float cu = u * 32 - std::floor(u * 32) - 0.5f, cv = v * 80 - std::floor(v * 80) - 0.5f;
            float hole = (cu * cu + cv * cv) < 0.05f ? 0.8f : 1.0f;
            float grain = 0.94f + 0.08f * tilingNoise(u, v, 16, 32, 2, seed);
            Rgba c = scaled(colour, seam * hole * grain);
            if (luminance < 0.2f) c = mix(c, rgb(90, 90, 96), seam > 1 ? 0.3f : 0.0f);
            if (v < 0.05f) c = scaled(trim, 0.9f + 0.1f * std::sin(v * 400));  // end cap
            if (v > 0.955f) c = rgb(30, 30, 32);                               // ferrule
            image.at(x, y) = c;
        }
    // The maker's name along the grip, on the side facing the player.
    const Rgba ink = luminance > 0.6f ? rgb(40, 30, 24) : palette::cream;
    TextMask mask = trimmed(renderText(FontFace::Slab, "TALLOWICK", 22.0f, 2.0f));
    const int x0 = kGripWidth / 2 - mask.height / 2, y0 = kGripHeight / 2 - mask.width / 2;
    for (int ty = 0; ty < mask.height; ++ty)
        for (int tx = 0; tx < mask.width; ++tx)
            blendPixel(image, x0 + (mask.height - 1 - ty), y0 + tx, ink, mask.at(tx, ty));  // turned to run down the grip
    return image;
}

// Chrome: sky, a dark horizon line and grey ground, brushed; used both as the metal's
// own colour and as its reflection. The engine's sphere map gives surfaces that
// face up the picture's bottom rows, so the sky lies at the bottom.
Image metalPicture()
{
    constexpr int kSize = 256;
    Image image(kSize, kSize);
    TextureLayers brushed = metalTexture(kSize, 41);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            float v = 1.0f - (float(y) + 0.5f) / kSize;  // 0 at the bottom row: straight up
            Rgba sky = gradient({rgb(150, 180, 214), rgb(206, 222, 238), rgb(252, 252, 250)}, v / 0.5f);
            Rgba ground = gradient({rgb(96, 96, 104), rgb(178, 176, 176), rgb(150, 146, 142), rgb(112, 110, 110)}, (v - 0.5f) / 0.5f);
            Rgba c = v < 0.5f ? sky : ground;
            float b = brushed.colour.at(x, y).r / palette::steel.r;
            image.at(x, y) = scaled(c, 0.85f + 0.15f * b);
        }
    return image;
}

void generatePutter(ContentOutput& output)
{
    output.write("Models/putterHandle.b3d", model::writeB3d(swinging(gripMesh())));
    output.write("Models/putterShaft.b3d", model::writeB3d(swinging(shaftMesh())));
    uint32_t seed = 300;
    for (const PlayerColour& c : kPlayerColours)
        output.write(std::string("Textures/") + c.word + "putter.jpg", encodeJpeg(gripPicture(c.colour, seed++), 90));
    output.write("Textures/metal.jpg", encodeJpeg(metalPicture(), 90));
}

}  // namespace

REGISTER_GENERATOR(play_putter, generatePutter);
