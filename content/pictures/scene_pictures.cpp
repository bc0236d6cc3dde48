// Painted scenes of the town: the menu background, the eight course previews and
// the splash title cards, plus the menu's vignette overlay. Every scene is drawn
// in screen-independent units (fractions of the picture's height), so one painter
// serves every size.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "content/art/noise.h"
#include "content/output.h"
#include "content/pictures/picture_kit.h"
#include "content/registry.h"

using namespace pictures;

namespace {

constexpr int kBackgroundWidth = 1280, kBackgroundHeight = 864;
constexpr int kPreviewWidth = 316, kPreviewHeight = 236;
constexpr int kOverlayWidth = 640, kOverlayHeight = 480;

float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

struct Canvas {
    Image image;
    float unit;  // pixels per scene unit (1 unit = 1/600 of the height)
    explicit Canvas(int w, int h) : image(w, h, rgb(0, 0, 0)), unit(h / 600.0f) {}
    float u(float v) const { return v * unit; }
    int width() const { return image.width; }
    int height() const { return image.height; }
};

struct Light {
    Rgba skyTop, skyHorizon, sun, mesaFar, mesaNear, sand;
    float warmth;  // 0 midday .. 1 sunset
};

const Light kMidday = {rgb(70, 136, 206), rgb(196, 222, 236), rgb(255, 250, 220), rgb(190, 150, 150),
                       rgb(190, 96, 54),  rgb(226, 190, 136), 0.1f};
const Light kAfternoon = {rgb(84, 140, 204), rgb(238, 214, 180), rgb(255, 236, 190), rgb(200, 140, 130),
                          rgb(196, 90, 46),  rgb(228, 184, 126), 0.45f};
const Light kSunset = {rgb(52, 70, 140), rgb(252, 170, 96), rgb(255, 220, 140), rgb(150, 90, 110),
                       rgb(150, 62, 40), rgb(206, 150, 100), 1.0f};

void paintSky(Canvas& c, const Light& light, float horizonY, float sunX, float sunY, uint32_t seed)
{
    for (int y = 0; y < c.height(); ++y) {
        float t = clamp01(float(y) / horizonY);
        Rgba base = mix(light.skyTop, light.skyHorizon, std::pow(t, 1.6f));
        for (int x = 0; x < c.width(); ++x) {
            float sx = x / c.unit, sy = y / c.unit;
            float d = std::hypot(x - sunX, y - sunY) / c.unit;
            Rgba p = mix(base, light.sun, clamp01(1 - d / 260.0f) * 0.55f);
            if (d < 24) p = mix(p, rgb(255, 252, 236), clamp01((24 - d) / 2.0f));
            // Long flat clouds, thicker near the horizon.
            float cloud = fbm(sx * 0.004f, sy * 0.016f, 5, seed);
            float amount = clamp01((cloud - 0.56f) * 3.2f) * (0.4f + 0.6f * t);
            Rgba cloudColour = mix(rgb(255, 255, 255), mix(light.skyHorizon, light.sun, 0.5f), light.warmth * 0.8f);
            p = mix(p, cloudColour, amount * 0.85f);
            c.image.at(x, y) = p;
        }
    }
}

// A mesa range: flat tops with steep sides, as a height above the base line per column.
struct Mesa {
    float centre, halfWidth, height;
};

void paintMesas(Canvas& c, const std::vector<Mesa>& mesas, float baseY, const Rgba& colour, const Light& light,
                float haze, uint32_t seed)
{
    for (int x = 0; x < c.width(); ++x) {
        float sx = x / c.unit;
        float top = 0;
        for (const Mesa& m : mesas) {
            float d = std::fabs(sx - m.centre) - m.halfWidth;
            float h = d < 0 ? m.height : m.height * clamp01(1 - d / (m.height * 0.9f));
            h *= 1 + 0.05f * (fbm(sx * 0.05f, float(m.centre), 3, seed) - 0.5f);
            top = std::max(top, h);
        }
        float topY = baseY - c.u(top);
        for (int y = std::max(0, int(topY)); y < std::min(c.height(), int(baseY) + 2); ++y) {
            float cover = clamp01(y + 1 - topY);
            float sy = y / c.unit;
            float strata = 0.5f + 0.5f * std::sin(sy * 0.25f + fbm(sx * 0.02f, sy * 0.02f, 2, seed + 1) * 6);
            float rough = fbm(sx * 0.06f, sy * 0.06f, 3, seed + 2);
            Rgba p = scaled(colour, 0.8f + 0.18f * strata + 0.18f * (rough - 0.5f));
            // Sunlit faces lighter towards the top.
            p = mix(p, scaled(colour, 1.25f), clamp01(1 - (y - topY) / c.u(30)) * 0.35f);
            p = mix(p, light.skyHorizon, haze);
            blendPixel(c.image, x, y, p, cover);
        }
    }
}

void paintGround(Canvas& c, float fromY, const Light& light, uint32_t seed)
{
    for (int y = std::max(0, int(fromY)); y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            float sx = x / c.unit, sy = y / c.unit;
            float depth = clamp01((y - fromY) / (c.height() - fromY));
            float n = fbm(sx * 0.02f, sy * 0.06f, 4, seed);
            float grain = hashUnit(x, y, seed);
            Rgba p = scaled(light.sand, 0.86f + 0.2f * n + 0.05f * (grain - 0.5f) - 0.08f * depth);
            p = mix(p, light.skyHorizon, (1 - depth) * 0.25f);
            float cover = clamp01(y + 1 - fromY);
            blendPixel(c.image, x, y, p, cover);
        }
}

// A soft flat shadow on the ground, centred at (x, y).
void groundShadow(Canvas& c, float x, float y, float halfWidth)
{
    int w = std::max(2, int(halfWidth * 2)), h = std::max(2, int(halfWidth * 0.5f));
    fillMask(c.image, ellipseMask(w, h), int(x - w / 2.0f), int(y - h / 2.0f), rgb(60, 36, 16), 0.3f);
}

void paintShrubs(Canvas& c, float fromY, int count, uint32_t seed)
{
    Random r(seed);
    for (int i = 0; i < count; ++i) {
        float y = r.range(fromY, float(c.height()));
        float depth = (y - fromY) / (c.height() - fromY);
        float x = r.range(0, float(c.width()));
        float size = c.u(3 + 10 * depth);
        Rgba colour = mix(rgb(110, 120, 70), rgb(140, 130, 80), r.unit());
        groundShadow(c, x, y, size * 1.1f);
        for (int k = 0; k < 6; ++k)
            drawDisc(c.image, x + r.range(-size, size), y - r.range(0, size * 0.8f), size * r.range(0.35f, 0.6f),
                     scaled(colour, r.range(0.8f, 1.1f)));
    }
}

struct Building {
    float x, width, height;   // scene units; x = left edge
    Rgba wall;
    const char* sign;
    bool stepped;
    uint32_t seed;
};

void paintBuilding(Canvas& c, const Building& b, float baseY)
{
    const float u = c.unit;
    int x0 = int(b.x * u), w = int(b.width * u), h = int(b.height * u);
    int top = int(baseY) - h;
    if (w < 4 || h < 4) return;
    // The false front: stepped or flat with a cornice.
    std::vector<Point> front = {{0, float(h)}, {0, h * 0.18f}, {float(w), h * 0.18f}, {float(w), float(h)}};
    if (b.stepped)
        front = {{0, float(h)}, {0, h * 0.18f}, {w * 0.2f, h * 0.18f}, {w * 0.2f, h * 0.08f}, {w * 0.35f, h * 0.08f},
                 {w * 0.35f, 0}, {w * 0.65f, 0}, {w * 0.65f, h * 0.08f}, {w * 0.8f, h * 0.08f}, {w * 0.8f, h * 0.18f},
                 {float(w), h * 0.18f}, {float(w), float(h)}};
    else
        front = {{0, float(h)}, {0, h * 0.06f}, {float(w), h * 0.06f}, {float(w), float(h)}};
    Mask shape = polygonMask(w, h, front);
    fillBoards(c.image, shape, x0, top, std::max(2, int(5 * u)), b.wall, b.seed);
    edgeDarken(c.image, shape, x0, top, 2 * u, 0.5f, rgb(40, 20, 8));
    float corniceY = b.stepped ? h * 0.18f : h * 0.06f;
    drawLine(c.image, float(x0) - u, top + corniceY, float(x0 + w) + u, top + corniceY, 2.2f * u, scaled(b.wall, 0.55f));
    // Sign board across the front.
    int signW = int(w * 0.72f), signH = int(h * 0.15f);
    if (signH >= 6 && b.sign && *b.sign) {
        int sx = x0 + (w - signW) / 2, sy = top + int(h * 0.22f);
        Mask board = rectMask(signW, signH);
        fillMask(c.image, board, sx, sy, [&](int mx, int my) { return woodAt(float(mx), float(my), b.seed + 5, rgb(232, 214, 170)); });
        strokeInside(c.image, board, sx, sy, 0, std::max(1.0f, u), rgb(60, 30, 10));
        LetteringStyle s;
        s.face = FontFace::Poster;
        s.fillTop = rgb(120, 30, 14);
        s.fillBottom = rgb(80, 20, 8);
        s.outlineWidth = 0;
        s.shadow = rgb(0, 0, 0, 0);
        s.shadowOffset = 0;
        s.shadowBlur = 0;
        drawLettering(c.image, b.sign, sx + 2, sy + 1, signW - 4, signH - 2, s);
    }
    // Windows on the upper floor, a door and windows below, a porch roof with posts.
    int winW = std::max(2, int(w * 0.14f)), winH = std::max(3, int(h * 0.16f));
    for (int i = 0; i < 3; ++i) {
        int wx = x0 + int(w * (0.14f + 0.3f * i)), wy = top + int(h * 0.42f);
        Mask win = rectMask(winW, winH);
        fillMask(c.image, win, wx, wy, [&](int, int my) { return mix(rgb(40, 44, 56), rgb(90, 110, 130), my / float(winH)); });
        strokeInside(c.image, win, wx, wy, 0, std::max(1.0f, u * 1.2f), rgb(236, 226, 200));
    }
    int porchY = top + int(h * 0.64f);
    std::vector<Point> roof = {{-3 * u, 0}, {w + 3 * u, 0}, {w + 6 * u, 7 * u}, {-6 * u, 7 * u}};
    Mask awning = polygonMask(w + int(12 * u), int(8 * u), {{3 * u, 0}, {w + 9 * u, 0}, {w + 12 * u, 7 * u}, {0, 7 * u}});
    fillMask(c.image, rectMask(w, int(baseY) - porchY), x0, porchY, rgb(20, 10, 4, 0.35f));
    fillMask(c.image, awning, x0 - int(6 * u), porchY, [&](int mx, int my) { return woodAt(float(mx), float(my) * 3, b.seed + 9, scaled(b.wall, 0.8f)); });
    int doorW = std::max(2, int(w * 0.16f)), doorH = int(h * 0.3f);
    fillMask(c.image, rectMask(doorW, doorH), x0 + (w - doorW) / 2, int(baseY) - doorH, rgb(50, 30, 16));
    for (float px : {0.04f, 0.5f, 0.96f})
        drawLine(c.image, x0 + w * px, porchY + 7 * u, x0 + w * px, baseY, std::max(1.0f, 2 * u), scaled(b.wall, 0.6f));
    // Boardwalk.
    drawLine(c.image, x0 - 6 * u, baseY, x0 + w + 6 * u, baseY, 3 * u, rgb(110, 74, 44));
}

void paintWindmill(Canvas& c, float x, float baseY, float height, float turn)
{
    const float u = c.unit;
    float h = height * u, topY = baseY - h;
    const Rgba iron = rgb(70, 62, 56), wood = rgb(120, 90, 60);
    float spread = h * 0.16f;
    drawLine(c.image, x - spread, baseY, x - 2 * u, topY, 2.2f * u, wood);
    drawLine(c.image, x + spread, baseY, x + 2 * u, topY, 2.2f * u, wood);
    for (int i = 1; i < 6; ++i) {
        float t0 = i / 6.0f, t1 = (i - 1) / 6.0f;
        float y0 = baseY - h * t0, y1 = baseY - h * t1;
        float w0 = spread * (1 - t0) + 2 * u, w1 = spread * (1 - t1) + 2 * u;
        drawLine(c.image, x - w0, y0, x + w0, y0, 1.2f * u, wood);
        drawLine(c.image, x - w0, y0, x + w1, y1, 0.9f * u, wood);
        drawLine(c.image, x + w0, y0, x - w1, y1, 0.9f * u, wood);
    }
    // Tail vane and wheel.
    drawLine(c.image, x, topY, x + h * 0.28f, topY - 2 * u, 1.6f * u, iron);
    std::vector<Point> vane = {{x + h * 0.2f, topY - 9 * u}, {x + h * 0.34f, topY - 12 * u}, {x + h * 0.34f, topY + 6 * u}, {x + h * 0.2f, topY + 3 * u}};
    fillMask(c.image, polygonMask(c.width(), c.height(), vane), 0, 0, rgb(170, 60, 40));
    float r = h * 0.2f;
    for (int i = 0; i < 18; ++i) {
        float a = turn + i * 2 * 3.14159f / 18;
        float ca = std::cos(a), sa = std::sin(a);
        std::vector<Point> blade = {{x + ca * r * 0.25f - sa * 2 * u, topY + sa * r * 0.25f + ca * 2 * u},
                                    {x + ca * r - sa * 4.5f * u, topY + sa * r + ca * 4.5f * u},
                                    {x + ca * r + sa * 1.5f * u, topY + sa * r - ca * 1.5f * u},
                                    {x + ca * r * 0.25f + sa * 0.5f * u, topY + sa * r * 0.25f - ca * 0.5f * u}};
        fillMask(c.image, polygonMask(c.width(), c.height(), blade), 0, 0, i % 2 ? rgb(226, 220, 206) : rgb(196, 190, 176));
    }
    for (float rr : {r, r * 0.25f}) {
        for (int i = 0; i < 48; ++i) {
            float a0 = i * 2 * 3.14159f / 48, a1 = (i + 1) * 2 * 3.14159f / 48;
            drawLine(c.image, x + std::cos(a0) * rr, topY + std::sin(a0) * rr, x + std::cos(a1) * rr, topY + std::sin(a1) * rr, 1.2f * u, iron);
        }
    }
    drawDisc(c.image, x, topY, 3 * u, iron);
}

void paintWaterTower(Canvas& c, float x, float baseY, float height)
{
    const float u = c.unit;
    float h = height * u;
    float tankW = h * 0.5f, tankH = h * 0.36f, legTop = baseY - h * 0.55f;
    const Rgba wood = rgb(120, 84, 52);
    for (float side : {-1.0f, 1.0f}) {
        drawLine(c.image, x + side * tankW * 0.55f, baseY, x + side * tankW * 0.4f, legTop, 3 * u, wood);
        drawLine(c.image, x + side * tankW * 0.2f, baseY, x + side * tankW * 0.15f, legTop, 2.4f * u, scaled(wood, 0.8f));
    }
    for (int i = 0; i < 3; ++i) {
        float y0 = baseY - (h * 0.55f) * i / 3, y1 = baseY - (h * 0.55f) * (i + 1) / 3;
        drawLine(c.image, x - tankW * 0.5f, y0, x + tankW * 0.45f, y1, 1.2f * u, scaled(wood, 0.7f));
        drawLine(c.image, x + tankW * 0.5f, y0, x - tankW * 0.45f, y1, 1.2f * u, scaled(wood, 0.7f));
    }
    int tx = int(x - tankW / 2), ty = int(legTop - tankH);
    Mask tank = rectMask(int(tankW), int(tankH));
    fillBoards(c.image, tank, tx, ty, std::max(2, int(4 * u)), rgb(150, 104, 62), 91);
    // Round shading of the barrel.
    fillMask(c.image, tank, tx, ty, [&](int mx, int) {
        float t = mx / tankW * 2 - 1;
        return Rgba{0.1f, 0.05f, 0.02f, clamp01(t * t * 0.8f + (t > 0 ? t * 0.3f : 0))};
    });
    for (float f : {0.2f, 0.5f, 0.8f}) drawLine(c.image, float(tx), ty + tankH * f, tx + tankW, ty + tankH * f, 1.4f * u, rgb(50, 44, 40));
    std::vector<Point> roof = {{x - tankW * 0.58f, float(ty) + u}, {x, ty - tankH * 0.45f}, {x + tankW * 0.58f, float(ty) + u}};
    Mask cone = polygonMask(c.width(), c.height(), roof);
    fillMask(c.image, cone, 0, 0, [&](int mx, int) { return mx < x ? rgb(150, 70, 44) : rgb(110, 48, 30); });
}

void paintCactus(Canvas& c, float x, float baseY, float height, bool leftArm, bool rightArm)
{
    const float u = c.unit;
    float h = height * u, w = h * 0.16f;
    auto limb = [&](float cx, float bottom, float top, float width) {
        Mask m = roundedRectMask(int(width), int(bottom - top), width / 2);
        int lx = int(cx - width / 2);
        fillMask(c.image, m, lx, int(top), [&](int mx, int) {
            float t = mx / width;
            float rib = 0.5f + 0.5f * std::cos(t * 3.14159f * 6);
            Rgba base = mix(rgb(120, 170, 90), rgb(50, 86, 44), t);
            return scaled(base, 0.9f + 0.12f * rib);
        });
        strokeInside(c.image, m, lx, int(top), 0, std::max(1.0f, u), rgb(30, 50, 24, 0.8f));
    };
    groundShadow(c, x + w * 0.6f, baseY, w * 1.8f);
    if (leftArm) {
        limb(x - w * 1.2f, baseY - h * 0.4f, baseY - h * 0.75f, w * 0.7f);
        drawLine(c.image, x - w * 1.2f, baseY - h * 0.42f, x, baseY - h * 0.42f, w * 0.6f, rgb(84, 128, 66));
    }
    if (rightArm) {
        limb(x + w * 1.2f, baseY - h * 0.5f, baseY - h * 0.85f, w * 0.7f);
        drawLine(c.image, x, baseY - h * 0.52f, x + w * 1.2f, baseY - h * 0.52f, w * 0.6f, rgb(76, 118, 60));
    }
    limb(x, baseY + 1, baseY - h, w);
}

// A putting green seen in perspective, with a brick border, a cup and a flag.
void paintGreen(Canvas& c, const std::vector<Point>& corners, float flagX, float flagY, float border, uint32_t seed)
{
    const float u = c.unit;
    std::vector<Point> pts;
    for (const Point& p : corners) pts.push_back({p.x * u, p.y * u});
    Mask felt = polygonMask(c.width(), c.height(), pts);
    fillMask(c.image, felt, 0, 0, [&](int x, int y) {
        float stripe = (int((x + y * 0.6f) / (26 * u)) % 2) ? 1.0f : 0.92f;
        float n = fbm(x / u * 0.05f, y / u * 0.05f, 3, seed);
        Rgba base = mix(rgb(72, 150, 60), rgb(110, 180, 70), float(y) / c.height());
        return scaled(base, stripe * (0.9f + 0.15f * n));
    });
    // Brick border along every edge.
    const size_t n = pts.size();
    for (size_t i = 0; i < n; ++i) {
        const Point& a = pts[i];
        const Point& b = pts[(i + 1) % n];
        float len = std::hypot(b.x - a.x, b.y - a.y);
        float width = border * u * (0.6f + 0.4f * std::max(a.y, b.y) / c.height());
        drawLine(c.image, a.x + 1.5f * u, a.y + 2 * u, b.x + 1.5f * u, b.y + 2 * u, width, rgb(20, 10, 4, 0.35f));
        int bricks = std::max(2, int(len / (width * 1.8f)));
        for (int k = 0; k < bricks; ++k) {
            float t0 = (k + 0.06f) / bricks, t1 = (k + 0.94f) / bricks;
            Rgba brick = scaled(rgb(170, 70, 46), 0.85f + 0.3f * hashUnit(int(i), k, seed));
            drawLine(c.image, a.x + (b.x - a.x) * t0, a.y + (b.y - a.y) * t0, a.x + (b.x - a.x) * t1, a.y + (b.y - a.y) * t1,
                     width, brick);
        }
    }
    float fx = flagX * u, fy = flagY * u;
    drawDisc(c.image, fx, fy, 4 * u, rgb(20, 30, 16));
    drawLine(c.image, fx, fy, fx, fy - 60 * u, 1.6f * u, rgb(240, 240, 236));
    std::vector<Point> flag = {{fx, fy - 60 * u}, {fx + 24 * u, fy - 53 * u}, {fx, fy - 45 * u}};
    fillMask(c.image, polygonMask(c.width(), c.height(), flag), 0, 0, rgb(220, 40, 30));
}

void paintBall(Canvas& c, float x, float y, float r, const Rgba& colour)
{
    const float u = c.unit;
    drawDisc(c.image, x * u + 2 * u, y * u + 1.5f * u, r * u, rgb(0, 0, 0, 0.3f));
    drawDisc(c.image, x * u, y * u, r * u, colour);
    drawDisc(c.image, x * u - r * u * 0.3f, y * u - r * u * 0.3f, r * u * 0.35f, rgb(255, 255, 255, 0.7f));
}

// A barrel standing on the green (x, y: bottom centre in scene units).
void paintBarrel(Canvas& c, float x, float y, float size)
{
    const float u = c.unit;
    int w = int(size * 0.8f * u), h = int(size * u);
    int left = int(x * u) - w / 2, top = int(y * u) - h;
    groundShadow(c, x * u + 2 * u, y * u, w * 0.7f);
    Mask body = roundedRectMask(w, h, w * 0.25f);
    fillBoards(c.image, body, left, top, std::max(2, w / 5), rgb(150, 96, 52), 61);
    fillMask(c.image, body, left, top, [&](int mx, int) {
        float t = mx / float(w) * 2 - 1;
        return Rgba{0.1f, 0.05f, 0.02f, clamp01(t * t * 0.7f + (t > 0 ? t * 0.25f : 0))};
    });
    for (float f : {0.2f, 0.8f}) drawLine(c.image, float(left), top + h * f, float(left + w), top + h * f, 1.6f * u, rgb(50, 44, 40));
    strokeInside(c.image, body, left, top, 0, std::max(1.0f, u), rgb(40, 20, 8));
}

void paintVignette(Canvas& c, float strength)
{
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            float dx = (x - c.width() / 2.0f) / (c.width() / 2.0f), dy = (y - c.height() / 2.0f) / (c.height() / 2.0f);
            float v = clamp01((dx * dx + dy * dy - 0.5f) * 0.6f) * strength;
            blendPixel(c.image, x, y, rgb(30, 14, 4), v);
        }
}

const Building kStreet[] = {
    {0, 70, 95, rgb(150, 110, 76), "BANK", false, 1},
    {74, 92, 120, rgb(170, 96, 60), "SALOON", true, 2},
    {170, 80, 100, rgb(130, 120, 100), "ASSAY", false, 3},
    {254, 100, 126, rgb(176, 136, 90), "HOTEL", true, 4},
    {358, 74, 96, rgb(120, 84, 60), "BARBER", false, 5},
    {436, 96, 116, rgb(160, 120, 80), "GENERAL STORE", false, 6},
    {536, 78, 104, rgb(150, 84, 56), "JAIL", true, 7},
    {618, 90, 112, rgb(140, 112, 84), "SALOON", false, 8},
};

void paintStreet(Canvas& c, float startX, float baseY, float scale, int first, int count)
{
    for (int i = 0; i < count; ++i) {
        Building b = kStreet[(first + i) % 8];
        float span = 630 * scale;
        b.x = startX + (b.x * scale) + span * float((first + i) / 8);
        b.width *= scale;
        b.height *= scale;
        paintBuilding(c, b, baseY);
    }
}

// The menu background is shown unscaled from its top-left corner: at 800 x 600 only
// its top-left 555 x 416 units show, at 1280 x 800 all but the bottom strip. The menu
// panel covers the middle, so the town's landmarks stand at the sides.
Image menuBackground()
{
    Canvas c(kBackgroundWidth, kBackgroundHeight);
    const Light& light = kAfternoon;
    const float horizon = c.u(232), street = c.u(298);
    paintSky(c, light, horizon, c.u(560), c.u(70), 11);
    paintMesas(c, {{60, 120, 95}, {380, 90, 70}, {640, 140, 110}, {900, 100, 90}}, horizon, light.mesaFar, light, 0.45f, 12);
    paintMesas(c, {{220, 70, 50}, {520, 90, 60}, {800, 60, 45}}, horizon + c.u(4), light.mesaNear, light, 0.15f, 13);
    paintGround(c, horizon, light, 14);
    paintShrubs(c, horizon + c.u(8), 70, 15);
    paintWindmill(c, c.u(78), street - c.u(4), 150, 0.3f);
    paintWaterTower(c, c.u(500), street - c.u(6), 150);
    paintWindmill(c, c.u(815), street - c.u(6), 140, 1.1f);
    paintStreet(c, 130, street, 0.7f, 0, 14);
    paintGreen(c, {{40, 356}, {600, 342}, {680, 384}, {600, 460}, {420, 500}, {330, 620}, {-10, 620}, {-10, 420}}, 488, 390, 10, 16);
    paintCactus(c, c.u(28), c.u(400), 110, true, true);
    paintCactus(c, c.u(850), c.u(440), 120, true, false);
    paintBall(c, 130, 440, 5, rgb(246, 246, 240));
    paintBall(c, 430, 380, 4.5f, rgb(214, 36, 30));
    paintBall(c, 700, 470, 5, rgb(40, 110, 226));
    return c.image;
}

// The course previews: eight views of the town's holes.
Image coursePreview(int number)
{
    Canvas c(kPreviewWidth * 2, kPreviewHeight * 2);  // painted at twice the size, then reduced
    const Light& light = number == 6 ? kSunset : number % 3 == 0 ? kMidday : kAfternoon;
    const float horizon = c.u(250 + 12 * (number % 3));
    const uint32_t seed = 100u + uint32_t(number) * 10u;
    paintSky(c, light, horizon, c.u(120 + 90 * number), c.u(number == 6 ? 230 : 90), seed);
    paintMesas(c, {{float(80 * number % 700), 150, 110}, {float(500 + 40 * number), 120, 90}}, horizon, light.mesaFar, light, 0.4f, seed + 1);
    paintGround(c, horizon, light, seed + 2);
    paintShrubs(c, horizon + c.u(8), 30, seed + 3);
    const float street = horizon + c.u(60);
    switch (number) {
    case 1:
        paintWindmill(c, c.u(560), street, 240, 0.2f);
        paintStreet(c, -40, street, 1.0f, 0, 5);
        break;
    case 2:
        paintStreet(c, -20, street, 1.3f, 1, 6);
        break;
    case 3:
        paintWaterTower(c, c.u(180), street, 260);
        paintStreet(c, 300, street, 1.0f, 3, 4);
        break;
    case 4:
        paintCactus(c, c.u(120), street + c.u(40), 170, true, true);
        paintCactus(c, c.u(650), street + c.u(20), 120, false, true);
        break;
    case 5:
        paintStreet(c, 0, street, 1.1f, 4, 5);
        paintWindmill(c, c.u(140), street - c.u(4), 260, 0.6f);
        break;
    case 6:
        paintStreet(c, -60, street, 1.2f, 5, 6);
        paintWaterTower(c, c.u(620), street, 220);
        break;
    case 7:
        paintWaterTower(c, c.u(560), street, 240);
        paintCactus(c, c.u(90), street + c.u(30), 150, true, false);
        break;
    default:
        paintStreet(c, 60, street, 0.9f, 2, 6);
        paintWindmill(c, c.u(700), street, 200, 1.0f);
        break;
    }
    // Four green shapes, mirrored for the second four pictures; barrels on some.
    struct GreenShape {
        std::vector<Point> corners;
        Point flag, ball;
        bool barrels;
    };
    const GreenShape shapes[4] = {
        {{{60, 420}, {560, 400}, {780, 470}, {700, 640}, {-60, 640}}, {430, 460}, {260, 570}, false},
        {{{80, 390}, {380, 385}, {400, 470}, {760, 480}, {780, 640}, {-20, 640}, {20, 470}}, {230, 420}, {560, 580}, true},
        {{{330, 380}, {470, 380}, {560, 470}, {720, 640}, {80, 640}, {240, 470}}, {400, 405}, {380, 590}, false},
        {{{150, 410}, {520, 395}, {680, 450}, {700, 560}, {600, 640}, {100, 640}, {20, 560}, {40, 450}}, {360, 450}, {200, 580}, true},
    };
    GreenShape shape = shapes[(number - 1) % 4];
    const float across = c.width() / c.unit;
    if (number > 4) {
        for (Point& p : shape.corners) p.x = across - p.x;
        shape.flag.x = across - shape.flag.x;
        shape.ball.x = across - shape.ball.x;
    }
    paintGreen(c, shape.corners, shape.flag.x, shape.flag.y, 14, seed + 4);
    if (shape.barrels) {
        paintBarrel(c, shape.flag.x + (number > 4 ? -150 : 150), shape.flag.y + 70, 28);
        paintBarrel(c, shape.flag.x + (number > 4 ? -120 : 120), shape.flag.y + 80, 28);
    }
    paintBall(c, shape.ball.x, shape.ball.y, 8, rgb(246, 246, 240));
    return resized(c.image, kPreviewWidth, kPreviewHeight);
}

// The splash: a sunset over the town with the game's name on a big sign.
Image titleCard(int w, int h)
{
    Canvas c(w, h);
    const Light& light = kSunset;
    const float horizon = c.u(380);
    const float across = w / c.unit;  // width in scene units
    paintSky(c, light, horizon, w * 0.5f, horizon - c.u(30), 41);
    paintMesas(c, {{across * 0.15f, 120, 120}, {across * 0.55f, 160, 90}, {across * 0.92f, 110, 140}}, horizon, light.mesaFar, light, 0.35f, 42);
    paintGround(c, horizon, light, 43);
    paintShrubs(c, horizon + c.u(10), 40, 44);
    const float street = c.u(450);
    paintWindmill(c, c.u(across * 0.1f), street, 200, 0.4f);
    paintWaterTower(c, c.u(across * 0.9f), street, 210);
    paintStreet(c, across * 0.18f, street, 0.85f, 0, 8);
    paintCactus(c, c.u(across * 0.05f), c.u(590), 160, true, true);
    paintCactus(c, c.u(across * 0.95f), c.u(600), 140, false, true);
    paintVignette(c, 0.8f);
    // The title sign, centred in the sky.
    int signW = int(c.u(520)), signH = int(c.u(190));
    int sx = (w - signW) / 2, sy = int(c.u(60));
    BoardStyle board;
    board.seed = 45;
    board.plankHeight = std::max(20, signH / 4);
    board.radius = c.u(16);
    board.bevelWidth = c.u(6);
    drawBoard(c.image, sx, sy, signW, signH, board);
    drawRopeFrame(c.image, sx + c.u(12), sy + c.u(12), signW - c.u(24), signH - c.u(24), c.u(6));
    LetteringStyle title = goldLettering();
    title.outlineWidth = c.u(4.5f);
    title.shadowOffset = int(c.u(4));
    title.shadowBlur = int(c.u(3));
    drawLettering(c.image, "Tallowick", sx + int(c.u(30)), sy + int(c.u(18)), signW - int(c.u(60)), int(c.u(112)), title);
    LetteringStyle sub = paintedLettering();
    sub.outlineWidth = c.u(3);
    sub.tracking = 6;
    drawLettering(c.image, "MINI GOLF", sx + int(c.u(110)), sy + int(c.u(124)), signW - int(c.u(220)), int(c.u(50)), sub);
    TextStyle line;
    line.face = FontFace::Slab;
    line.size = c.u(22);
    line.fill = rgb(255, 236, 200);
    line.outline = rgb(30, 12, 4);
    line.outlineWidth = c.u(2);
    drawText(c.image, "Eighteen holes in a frontier mining town", w / 2, int(c.u(560)), 0, line);
    return c.image;
}

// A soft dark vignette laid over every menu screen (scaled to the screen).
Image menuOverlay()
{
    Image image(kOverlayWidth, kOverlayHeight);
    for (int y = 0; y < kOverlayHeight; ++y)
        for (int x = 0; x < kOverlayWidth; ++x) {
            float dx = (x + 0.5f - kOverlayWidth / 2.0f) / (kOverlayWidth / 2.0f);
            float dy = (y + 0.5f - kOverlayHeight / 2.0f) / (kOverlayHeight / 2.0f);
            float r = std::sqrt(dx * dx * 0.8f + dy * dy);
            float a = clamp01((r - 0.55f) * 0.9f);
            float edge = std::min({x + 0.5f, y + 0.5f, kOverlayWidth - x - 0.5f, kOverlayHeight - y - 0.5f});
            a = std::max(a, clamp01(1 - edge / 5.0f) * 0.55f);
            image.at(x, y) = rgb(26, 12, 4, a * 0.85f);
        }
    return image;
}

void generateScenePictures(ContentOutput& output)
{
    savePicture(output, "menuBackground.jpg", menuBackground());
    savePicture(output, "menuImage.png", menuOverlay());
    for (int i = 1; i <= 8; ++i) savePicture(output, "picture" + std::to_string(i) + ".jpg", coursePreview(i));
    savePicture(output, "quorvelsmall.jpg", titleCard(800, 600));
    savePicture(output, "quorvel.jpg", titleCard(1024, 768));
    savePicture(output, "quorvellarge.jpg", titleCard(1280, 800));
}

}  // namespace

REGISTER_GENERATOR(pictures_scenes, generateScenePictures);
