#include "content/pictures/picture_kit.h"

#include <algorithm>
#include <cmath>

#include "content/art/noise.h"
#include "content/output.h"

namespace pictures {

namespace {

constexpr int kButtonInset = 4;        // px left free around a button board for its glow
constexpr int kButtonShadowDrop = 2;   // px the board's shadow falls below it
constexpr float kLitFactor = 1.22f;    // brightness of a lit button
constexpr float kPressedFactor = 0.68f;

float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

}  // namespace

std::string numbered(const char* prefix, int number, const char* suffix)
{
    std::string text = prefix;
    text += std::to_string(number);
    text += suffix;
    return text;
}

void savePicture(ContentOutput& output, const std::string& name, const Image& image)
{
    const bool jpeg = name.size() > 4 && name.substr(name.size() - 4) == ".jpg";
    output.write("Textures/" + name, jpeg ? encodeJpeg(image, 90) : encodePng(image));
}

void drawBoard(Image& image, int x, int y, int w, int h, const BoardStyle& style)
{
    Mask shape = roundedRectMask(w, h, style.radius);
    if (style.shadow) dropShadow(image, shape, x, y, 1, 2, 2, 0.55f);
    fillPlanks(image, shape, x, y, style.plankHeight, style.wood, style.seed);
    if (style.paint > 0) {
        std::vector<float> dist = insideDistance(shape, 12);
        fillMask(image, shape, x, y, [&](int mx, int my) {
            float wear = fbm(mx * 0.08f, my * 0.12f, 3, style.seed + 90);
            float rim = clamp01(1 - dist[size_t(my) * w + mx] / 10.0f);
            float keep = clamp01((wear - 0.22f - rim * 0.3f) * 6.0f) * style.paint;
            float grainShade = 0.9f + 0.18f * fbm(mx * 0.02f, my * 0.3f, 2, style.seed + 4);
            Rgba c = scaled(style.paintColour, grainShade);
            c.a = keep;
            return c;
        });
    }
    edgeDarken(image, shape, x, y, 6, 0.55f, rgb(40, 20, 8));
    bevel(image, shape, x, y, style.bevelWidth, 0.55f);
    strokeInside(image, shape, x, y, 0, 1.2f, rgb(36, 18, 8, 0.9f));
    if (style.nails && w > 40 && h > 24) {
        float inset = std::min(9.0f, h * 0.22f);
        float r = std::clamp(h * 0.045f, 1.6f, 3.0f);
        drawNail(image, x + inset, y + inset, r);
        drawNail(image, x + w - inset, y + inset, r);
        drawNail(image, x + inset, y + h - inset, r);
        drawNail(image, x + w - inset, y + h - inset, r);
    }
}

void drawParchment(Image& image, int x, int y, int w, int h, uint32_t seed, bool shadow)
{
    Mask shape = raggedRectMask(w, h, 4.0f, seed);
    if (shadow) dropShadow(image, shape, x, y, 2, 3, 3, 0.6f);
    fillMask(image, shape, x, y, [&](int mx, int my) { return parchmentAt(float(mx), float(my), seed); });
    edgeDarken(image, shape, x, y, 14, 0.65f, rgb(120, 66, 24));
    edgeDarken(image, shape, x, y, 3, 0.6f, rgb(70, 36, 12));
}

void drawRopeFrame(Image& image, float x, float y, float w, float h, float thickness)
{
    drawRope(image, roundedRectPath(x, y, w, h, thickness * 2.0f), true, thickness);
}

void drawBrassCorners(Image& image, int x, int y, int w, int h, int size)
{
    // An L-shaped plate in each corner, turned to fit it.
    const float t = size * 0.42f;
    for (int corner = 0; corner < 4; ++corner) {
        bool right = corner == 1 || corner == 2, bottom = corner >= 2;
        std::vector<Point> pts = {{0, 0}, {float(size), 0}, {float(size), t}, {t, t}, {t, float(size)}, {0, float(size)}};
        for (Point& p : pts) {
            if (right) p.x = size - p.x;
            if (bottom) p.y = size - p.y;
        }
        Mask plate = polygonMask(size, size, pts);
        int px = right ? x + w - size : x, py = bottom ? y + h - size : y;
        dropShadow(image, plate, px, py, 1, 1, 1, 0.5f);
        fillMask(image, plate, px, py, [&](int mx, int my) { return brassAt(float(mx + px), float(my), float(size)); });
        bevel(image, plate, px, py, 2, 0.7f);
        strokeInside(image, plate, px, py, 0, 1, rgb(70, 46, 14, 0.9f));
        float cx = right ? size - t / 2 : t / 2, cy = bottom ? size - t / 2 : t / 2;
        drawNail(image, px + cx, py + cy, std::max(1.3f, t * 0.22f));
    }
}

LetteringStyle paintedLettering()
{
    LetteringStyle s;
    s.face = FontFace::Poster;
    s.fillTop = rgb(255, 246, 218);
    s.fillBottom = rgb(240, 200, 128);
    s.outline = rgb(44, 22, 8);
    s.outlineWidth = 2.0f;
    s.shadow = rgb(0, 0, 0, 0.6f);
    s.shadowOffset = 2;
    s.shadowBlur = 1;
    return s;
}

LetteringStyle goldLettering()
{
    LetteringStyle s = paintedLettering();
    s.fillTop = rgb(255, 236, 150);
    s.fillBottom = rgb(214, 128, 36);
    s.outline = rgb(58, 24, 6);
    s.outlineWidth = 2.5f;
    return s;
}

LetteringStyle inkLettering()
{
    LetteringStyle s;
    s.face = FontFace::Poster;
    s.fillTop = rgb(70, 36, 14);
    s.fillBottom = rgb(40, 18, 6);
    s.outline = rgb(255, 240, 200, 0.85f);
    s.outlineWidth = 1.5f;
    s.shadow = rgb(0, 0, 0, 0.3f);
    s.shadowOffset = 1;
    s.shadowBlur = 1;
    return s;
}

TextStyle paperText(float size)
{
    TextStyle s;
    s.face = FontFace::Slab;
    s.size = size;
    s.fill = rgb(56, 30, 12);
    return s;
}

TextStyle paperHeading(float size)
{
    TextStyle s;
    s.face = FontFace::Poster;
    s.size = size;
    s.fill = rgb(140, 44, 20);
    s.shadow = rgb(60, 20, 0, 0.25f);
    s.shadowOffset = 1;
    return s;
}

void drawSignWords(Image& image, const std::string& text, int x, int y, int w, int h, float em,
                   const LetteringStyle& style)
{
    const int margin = int(std::ceil(style.outlineWidth)) + style.shadowOffset + style.shadowBlur;
    const float size = std::min(em, fitTextSize(style.face, text, w - 2 * margin, 4 * h, style.tracking));
    const float tracking = style.tracking * size / 40.0f;
    Mask fill = renderText(style.face, text, size, tracking);
    Mask capitals = trimmed(renderText(style.face, "H", size));
    int left = fill.width, right = -1;
    for (int my = 0; my < fill.height; ++my)
        for (int mx = 0; mx < fill.width; ++mx)
            if (fill.at(mx, my) > 0.02f) {
                left = std::min(left, mx);
                right = std::max(right, mx);
            }
    if (right < 0) return;
    const int baseline = y + (h + capitals.height) / 2;
    const int fx = x + (w - (right - left + 1)) / 2 - left, fy = baseline - fill.baseline;
    const int r = int(std::ceil(style.outlineWidth));
    Mask outline = dilated(fill, style.outlineWidth);
    Mask shadow = blurred(outline, style.shadowBlur);
    paintMask(image, shadow, fx - r - style.shadowBlur + style.shadowOffset, fy - r - style.shadowBlur + style.shadowOffset,
              style.shadow);
    if (style.outlineWidth > 0) paintMask(image, outline, fx - r, fy - r, style.outline);
    // The gradient runs from the cap line to the baseline.
    const int capTop = baseline - capitals.height;
    for (int my = 0; my < fill.height; ++my) {
        float t = std::clamp(float(fy + my - capTop) / std::max(1, capitals.height), 0.0f, 1.0f);
        Rgba colour = mix(style.fillTop, style.fillBottom, t);
        for (int mx = 0; mx < fill.width; ++mx) {
            float c = fill.at(mx, my);
            if (c > 0) blendPixel(image, fx + mx, fy + my, colour, c);
        }
    }
}

Image wordPicture(int w, int h, const std::string& text, const LetteringStyle& style)
{
    Image image(w, h);
    drawLettering(image, text, 0, 0, w, h, style);
    return image;
}

ButtonSet signButton(int w, int h, const std::string& text, const Rgba& paint, uint32_t seed)
{
    const int bx = kButtonInset, by = kButtonInset - 1;
    const int bw = w - 2 * kButtonInset, bh = h - 2 * kButtonInset - kButtonShadowDrop + 1;
    Image image(w, h);
    BoardStyle board;
    board.seed = seed;
    board.paint = 1.0f;
    board.paintColour = paint;
    board.plankHeight = bh / 2 + 1;
    board.radius = 7;
    drawBoard(image, bx, by, bw, bh, board);
    LetteringStyle letters = paintedLettering();
    letters.outlineWidth = 2.0f;
    drawSignWords(image, text, bx + 10, by + 2, bw - 20, bh - 4, h * 0.53f, letters);
    return {image, litVersion(image), pressedVersion(image)};
}

Image litVersion(const Image& normal)
{
    Image out(normal.width, normal.height);
    Mask shape = alphaMask(normal);
    glowAround(out, shape, 0, 0, 5.0f, kGlow);
    glowAround(out, shape, 0, 0, 2.0f, rgb(255, 236, 170, 0.9f));
    drawImage(out, brightened(normal, kLitFactor, Rgba{0.06f, 0.04f, 0.0f, 0}), 0, 0);
    return out;
}

Image pressedVersion(const Image& normal)
{
    return shiftedBy(brightened(normal, kPressedFactor, Rgba{0, 0, 0, 0}), 1, 2);
}

}  // namespace pictures
