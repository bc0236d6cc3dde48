// The flag in the cup: the pole (flagpole.b3d, white.jpg with metal.jpg), and the
// waving cloth (flag.b3d, flag.jpg), a loop of bones rippling along its length.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "content/art/image.h"
#include "content/art/noise.h"
#include "content/art/palette.h"
#include "content/art/surfaces.h"
#include "content/model/b3d.h"
#include "content/model/shapes.h"
#include "content/output.h"
#include "content/registry.h"

namespace {

using model::Vec3;

// The pole stands centred on its origin, like its 0.1 x 8 x 0.1 collision box.
constexpr float kPoleHeight = 8.0f;
constexpr float kPoleRadius = 0.05f;
constexpr float kFinialRadius = 0.07f;
// The cloth, in the flag model's units: the game places the flag 1.5 above the cup
// with scale 0.7, so model y = (height above the cup - 1.5) / 0.7. The pole's top
// is 4 above the cup: the cloth spans 2.75 .. 3.85 above it.
constexpr float kFlagScale = 0.7f;
constexpr float kFlagRaise = 1.5f;
constexpr float kClothTop = (3.85f - kFlagRaise) / kFlagScale;
constexpr float kClothBottom = (2.75f - kFlagRaise) / kFlagScale;
constexpr float kClothStart = (kPoleRadius + 0.005f) / kFlagScale;
constexpr float kClothLength = 1.6f / kFlagScale;
constexpr int kClothColumns = 18;
constexpr int kClothRows = 6;
constexpr int kFlagBones = 6;            // joints along the cloth after the one at the pole
constexpr int kLoopFrames = 60;          // the waving repeats every 2 s at 30 frames per second
constexpr float kWaveDegrees = 9.0f;     // bend per joint
constexpr float kDroopDegrees = -1.2f;   // the tip hangs a little
constexpr int kFlagWidth = 256;         // the design, in pixels: the cloth's proportions
constexpr int kFlagHeight = 176;
constexpr int kPictureHeight = 256;      // the picture is stretched to a power of two, which the software GL mip-maps fast

model::Mesh poleMesh()
{
    model::Mesh pole = model::cylinder(kPoleRadius, kPoleHeight - 0.04f, 12);
    pole.translate({0, -kPoleHeight / 2, 0});
    pole.add(model::sphere(kFinialRadius, 12, 8).translate({0, kPoleHeight / 2 - 0.02f, 0}));
    model::cylindricalUV(pole, 1.0f, 0.25f);
    return pole;
}

model::Mesh clothMesh()
{
    model::Mesh front;
    model::Surface& s = front.surface("front");
    for (int r = 0; r <= kClothRows; ++r)
        for (int c = 0; c <= kClothColumns; ++c) {
            float u = float(c) / kClothColumns, v = float(r) / kClothRows;
            Vec3 p{kClothStart + u * kClothLength, kClothTop + (kClothBottom - kClothTop) * v, 0};
            s.add({p, {0, 0, -1}, {u, v}, {1, 1, 1, 1}});
        }
    const uint32_t columns = kClothColumns + 1;
    for (uint32_t r = 0; r < kClothRows; ++r)
        for (uint32_t c = 0; c < kClothColumns; ++c) {
            uint32_t a = r * columns + c, b = (r + 1) * columns + c;  // a above b
            s.quad(a, a + 1, b + 1, b);  // clockwise seen from -z
        }
    model::Mesh back = front;
    back.flipFaces();
    back.surfaces[0].name = "back";
    return front.add(back);
}

float boneAngle(int bone, int frame)
{
    const float t = float(frame) / kLoopFrames, k = float(bone);
    const float grow = 0.5f + 0.5f * k / kFlagBones;  // the free end flaps more
    return kWaveDegrees * grow *
           (std::sin(2 * model::kPi * (2 * t - k / 3.0f)) + 0.35f * std::sin(2 * model::kPi * (t - k / 5.0f)));
}

model::AnimatedMesh wavingFlag()
{
    model::AnimatedMesh flag;
    flag.mesh = clothMesh();
    const float step = kClothLength / kFlagBones;
    const float middle = (kClothTop + kClothBottom) / 2;
    for (int b = 0; b <= kFlagBones; ++b) {
        model::Bone bone{"cloth" + std::to_string(b), b - 1, b == 0 ? Vec3{kClothStart, middle, 0} : Vec3{step, 0, 0}, {}};
        // One key past the loop, so that the engine shows frame kLoopFrames (the same pose as 0) and loops smoothly.
        for (int frame = 0; frame <= kLoopFrames + 1; ++frame) {
            model::Quaternion turn = b == 0 ? model::Quaternion{}
                                            : model::Quaternion::fromAxisAngle({0, 0, 1}, kDroopDegrees) *
                                                  model::Quaternion::fromAxisAngle({0, 1, 0}, boneAngle(b, frame));
            bone.keys.push_back({frame, bone.position, turn});
        }
        flag.addBone(bone);
    }
    flag.bindEach([&](const model::Vertex& v) {
        float along = std::clamp((v.position.x - kClothStart) / step, 0.0f, float(kFlagBones));
        int bone = std::min(kFlagBones - 1, int(along));
        float t = along - float(bone);
        return std::vector<model::Influence>{{bone, 1 - t}, {bone + 1, t}};
    });
    return flag;
}

// A five-pointed star, point up, as ten corners.
std::vector<model::Vec2> starCorners(float cx, float cy, float outer, float inner)
{
    std::vector<model::Vec2> corners;
    for (int i = 0; i < 10; ++i) {
        float r = i % 2 ? inner : outer, a = model::kPi * float(i) / 5;
        corners.push_back({cx + r * std::sin(a), cy - r * std::cos(a)});
    }
    return corners;
}

bool insidePolygon(float x, float y, const std::vector<model::Vec2>& corners)
{
    bool inside = false;
    for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const model::Vec2 &a = corners[i], &b = corners[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

Image flagPicture()
{
    Image image(kFlagWidth, kPictureHeight);
    constexpr float kStretch = float(kFlagHeight) / kPictureHeight;
    const Rgba red = rgb(196, 34, 30), cream = palette::cream;
    const std::vector<model::Vec2> star = starCorners(kFlagWidth * 0.56f, kFlagHeight * 0.52f, kFlagHeight * 0.3f, kFlagHeight * 0.12f);
    constexpr int kSamples = 4;  // per axis, for smooth star edges
    for (int y = 0; y < kPictureHeight; ++y)
        for (int x = 0; x < kFlagWidth; ++x) {
            float u = (float(x) + 0.5f) / kFlagWidth, v = (float(y) + 0.5f) / kPictureHeight;
            float weave = 0.94f + 0.05f * ((x % 2) ^ (y % 2)) + 0.06f * tilingNoise(u, v, 6, 4, 3, 77);
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    hits += insidePolygon(float(x) + (sx + 0.5f) / kSamples, (float(y) + (sy + 0.5f) / kSamples) * kStretch, star);
            Rgba c = mix(red, cream, float(hits) / (kSamples * kSamples));
            // The sleeve round the pole and a hem at the fly end, with stitching.
            if (u < 0.09f) c = scaled(rgb(150, 26, 24), 1.0f);
            if (std::fabs(u - 0.1f) < 0.004f && int(float(y) * kStretch / 4) % 2 == 0) c = rgb(236, 220, 190);
            if (u > 0.975f) c = scaled(red, 0.82f);
            if ((v < 0.03f || v > 0.97f) && u >= 0.09f) c = scaled(c, 0.85f);
            image.at(x, y) = scaled(c, weave);
        }
    return image;
}

Image whitePicture()
{
    Image image(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            float n = tilingNoise((x + 0.5f) / 64, (y + 0.5f) / 64, 4, 4, 2, 5);
            image.at(x, y) = scaled(rgb(250, 250, 246), 0.97f + 0.03f * n);
        }
    return image;
}

void generateFlag(ContentOutput& output)
{
    output.write("Models/flagpole.b3d", model::writeB3d(poleMesh()));
    output.write("Models/flag.b3d", model::writeB3d(wavingFlag()));
    output.write("Textures/flag.jpg", encodeJpeg(flagPicture(), 90));
    output.write("Textures/white.jpg", encodeJpeg(whitePicture(), 92));
}

}  // namespace

REGISTER_GENERATOR(play_flag, generateFlag);
