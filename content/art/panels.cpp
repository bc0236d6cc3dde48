#include "content/art/panels.h"

#include <algorithm>
#include <cmath>

#include "content/art/noise.h"

namespace {

constexpr int kPolygonSubRows = 5;  // vertical samples per pixel row when filling polygons
constexpr float kPi = 3.14159265f;

Mask emptyMask(int w, int h)
{
    Mask m;
    m.width = w;
    m.height = h;
    m.baseline = 0;
    m.coverage.assign(size_t(w) * h, 0.0f);
    return m;
}

float& cell(Mask& m, int x, int y) { return m.coverage[size_t(y) * m.width + x]; }

float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

// Coverage of [a, b) over the pixel column [x, x + 1).
float spanCover(float a, float b, int x) { return clamp01(std::min(b, x + 1.0f) - std::max(a, float(x))); }

}  // namespace

Mask rectMask(int w, int h)
{
    Mask m = emptyMask(w, h);
    std::fill(m.coverage.begin(), m.coverage.end(), 1.0f);
    return m;
}

Mask roundedRectMask(int w, int h, float radius)
{
    Mask m = emptyMask(w, h);
    radius = std::min({radius, w / 2.0f, h / 2.0f});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float px = x + 0.5f, py = y + 0.5f;
            float qx = std::max({radius - px, px - (w - radius), 0.0f});
            float qy = std::max({radius - py, py - (h - radius), 0.0f});
            float d = std::sqrt(qx * qx + qy * qy) - radius;  // <0 inside the corner arc
            float edge = std::min({px, py, w - px, h - py});
            float cover = (qx > 0 && qy > 0) ? clamp01(0.5f - d) : clamp01(edge + 0.5f);
            cell(m, x, y) = cover;
        }
    return m;
}

Mask ellipseMask(int w, int h)
{
    Mask m = emptyMask(w, h);
    float a = w / 2.0f, b = h / 2.0f;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float u = (x + 0.5f - a) / a, v = (y + 0.5f - b) / b;
            float r = std::sqrt(u * u + v * v);
            cell(m, x, y) = clamp01((1 - r) * std::min(a, b) + 0.5f);
        }
    return m;
}

Mask polygonMask(int w, int h, const std::vector<Point>& points)
{
    Mask m = emptyMask(w, h);
    const size_t n = points.size();
    std::vector<float> crossings;
    for (int y = 0; y < h; ++y)
        for (int s = 0; s < kPolygonSubRows; ++s) {
            float sy = y + (s + 0.5f) / kPolygonSubRows;
            crossings.clear();
            for (size_t i = 0; i < n; ++i) {
                const Point& p = points[i];
                const Point& q = points[(i + 1) % n];
                if ((p.y <= sy && q.y > sy) || (q.y <= sy && p.y > sy))
                    crossings.push_back(p.x + (sy - p.y) / (q.y - p.y) * (q.x - p.x));
            }
            std::sort(crossings.begin(), crossings.end());
            for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
                float a = std::max(crossings[i], 0.0f), b = std::min(crossings[i + 1], float(w));
                for (int x = std::max(0, int(a)); x < w && x < b; ++x)
                    cell(m, x, y) += spanCover(a, b, x) / kPolygonSubRows;
            }
        }
    for (float& c : m.coverage) c = clamp01(c);
    return m;
}

Mask raggedRectMask(int w, int h, float amplitude, uint32_t seed)
{
    Mask m = emptyMask(w, h);
    auto wander = [&](float t, uint32_t s) { return amplitude * (0.35f + 0.65f * fbm(t * 0.09f, 0.5f, 3, s)); };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float px = x + 0.5f, py = y + 0.5f;
            float left = px - wander(py, seed), right = (w - px) - wander(py, seed + 11);
            float top = py - wander(px, seed + 23), bottom = (h - py) - wander(px, seed + 37);
            cell(m, x, y) = clamp01(std::min({left, right, top, bottom}) + 0.5f);
        }
    return m;
}

Mask intersected(const Mask& a, const Mask& b)
{
    Mask m = a;
    for (size_t i = 0; i < m.coverage.size(); ++i) m.coverage[i] *= b.coverage[i];
    return m;
}

Mask united(const Mask& a, const Mask& b)
{
    Mask m = a;
    for (size_t i = 0; i < m.coverage.size(); ++i) m.coverage[i] = clamp01(a.coverage[i] + b.coverage[i]);
    return m;
}

Mask subtracted(const Mask& a, const Mask& b)
{
    Mask m = a;
    for (size_t i = 0; i < m.coverage.size(); ++i) m.coverage[i] *= 1 - b.coverage[i];
    return m;
}

std::vector<float> insideDistance(const Mask& mask, int limit)
{
    // Two-pass chamfer distance to the nearest outside pixel.
    const int w = mask.width, h = mask.height;
    const float big = float(limit);
    std::vector<float> d(size_t(w) * h);
    for (size_t i = 0; i < d.size(); ++i) d[i] = mask.coverage[i] > 0.5f ? big : 0.0f;
    auto at = [&](int x, int y) { return (x < 0 || y < 0 || x >= w || y >= h) ? 0.0f : d[size_t(y) * w + x]; };
    const float diagonal = 1.4142f;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float& v = d[size_t(y) * w + x];
            if (v == 0) continue;
            v = std::min({v, at(x - 1, y) + 1, at(x, y - 1) + 1, at(x - 1, y - 1) + diagonal, at(x + 1, y - 1) + diagonal});
        }
    for (int y = h - 1; y >= 0; --y)
        for (int x = w - 1; x >= 0; --x) {
            float& v = d[size_t(y) * w + x];
            if (v == 0) continue;
            v = std::min({v, at(x + 1, y) + 1, at(x, y + 1) + 1, at(x + 1, y + 1) + diagonal, at(x - 1, y + 1) + diagonal});
        }
    for (size_t i = 0; i < d.size(); ++i)
        if (mask.coverage[i] > 0.5f) d[i] -= 0.5f;  // centre of the rim pixel lies half a pixel in
    return d;
}

void fillMask(Image& image, const Mask& mask, int x, int y, const ColourAt& colourAt, float opacity)
{
    for (int my = 0; my < mask.height; ++my)
        for (int mx = 0; mx < mask.width; ++mx) {
            float c = mask.at(mx, my);
            if (c > 0 && image.inside(x + mx, y + my)) blendPixel(image, x + mx, y + my, colourAt(mx, my), c * opacity);
        }
}

void fillMask(Image& image, const Mask& mask, int x, int y, const Rgba& colour, float opacity)
{
    for (int my = 0; my < mask.height; ++my)
        for (int mx = 0; mx < mask.width; ++mx) {
            float c = mask.at(mx, my);
            if (c > 0) blendPixel(image, x + mx, y + my, colour, c * opacity);
        }
}

void dropShadow(Image& image, const Mask& mask, int x, int y, int dx, int dy, int blur, float opacity)
{
    Mask soft = blurred(mask, blur);
    fillMask(image, soft, x + dx - blur, y + dy - blur, Rgba{0.08f, 0.04f, 0.02f, 1}, opacity);
}

void glowAround(Image& image, const Mask& mask, int x, int y, float radius, const Rgba& colour)
{
    int r = int(std::ceil(radius));
    Mask halo = blurred(dilated(mask, radius * 0.5f), std::max(1, r / 2));
    int offset = int(std::ceil(radius * 0.5f)) + std::max(1, r / 2);
    fillMask(image, halo, x - offset, y - offset, colour);
}

void bevel(Image& image, const Mask& mask, int x, int y, float width, float strength)
{
    std::vector<float> dist = insideDistance(mask, int(width) + 2);
    Mask soft = blurred(mask, std::max(1, int(width / 2)));
    const int pad = std::max(1, int(width / 2));
    for (int my = 0; my < mask.height; ++my)
        for (int mx = 0; mx < mask.width; ++mx) {
            float c = mask.at(mx, my);
            if (c <= 0) continue;
            float d = dist[size_t(my) * mask.width + mx];
            float rim = clamp01(1 - d / width);
            if (rim <= 0) continue;
            float gx = soft.at(mx + pad + 1, my + pad) - soft.at(mx + pad - 1, my + pad);
            float gy = soft.at(mx + pad, my + pad + 1) - soft.at(mx + pad, my + pad - 1);
            float len = std::sqrt(gx * gx + gy * gy);
            if (len < 1e-4f) continue;
            // The gradient points inwards; light comes from the top left.
            float light = (gx + gy) / (len * 1.4142f);
            float amount = light * rim * strength;
            Rgba tone = amount > 0 ? Rgba{1, 0.96f, 0.85f, 1} : Rgba{0.05f, 0.02f, 0.0f, 1};
            blendPixel(image, x + mx, y + my, tone, std::fabs(amount) * c);
        }
}

void edgeDarken(Image& image, const Mask& mask, int x, int y, float width, float strength, const Rgba& tint)
{
    std::vector<float> dist = insideDistance(mask, int(width) + 2);
    for (int my = 0; my < mask.height; ++my)
        for (int mx = 0; mx < mask.width; ++mx) {
            float c = mask.at(mx, my);
            if (c <= 0) continue;
            float t = clamp01(1 - dist[size_t(my) * mask.width + mx] / width);
            if (t > 0) blendPixel(image, x + mx, y + my, tint, t * t * strength * c);
        }
}

void strokeInside(Image& image, const Mask& mask, int x, int y, float inset, float width, const Rgba& colour)
{
    std::vector<float> dist = insideDistance(mask, int(inset + width) + 3);
    for (int my = 0; my < mask.height; ++my)
        for (int mx = 0; mx < mask.width; ++mx) {
            float c = mask.at(mx, my);
            if (c <= 0) continue;
            float d = dist[size_t(my) * mask.width + mx];
            float cover = clamp01(std::min(d - inset + 0.5f, inset + width - d + 0.5f));
            if (cover > 0) blendPixel(image, x + mx, y + my, colour, cover * c);
        }
}

Rgba woodAt(float x, float y, uint32_t seed, const Rgba& base)
{
    float warp = fbm(x * 0.004f, y * 0.03f, 3, seed + 5) * 6.0f;
    float grain = fbm(x * 0.006f, y * 0.11f + warp, 4, seed);
    float rings = std::fabs(std::sin((grain * 9.0f + y * 0.05f) * kPi));
    float fibre = hashUnit(int(x * 0.35f), int(y), seed + 9);
    float weather = fbm(x * 0.01f, y * 0.02f, 3, seed + 77);
    float shade = 0.78f + 0.32f * grain - 0.16f * std::pow(1 - rings, 6.0f) + 0.06f * (fibre - 0.5f);
    Rgba c = scaled(base, shade);
    // Sun-bleached patches: greyer and lighter.
    float bleach = clamp01((weather - 0.55f) * 2.2f) * 0.35f;
    Rgba grey = rgb(150, 136, 118);
    return mix(c, grey, bleach);
}

Rgba parchmentAt(float x, float y, uint32_t seed)
{
    float blotch = fbm(x * 0.012f, y * 0.012f, 4, seed);
    float fibre = fbm(x * 0.15f, y * 0.04f, 2, seed + 3);
    float stain = clamp01((fbm(x * 0.02f + 7, y * 0.02f, 3, seed + 8) - 0.62f) * 4.0f);
    Rgba light = rgb(244, 226, 184), dark = rgb(214, 180, 126);
    Rgba c = mix(light, dark, clamp01(blotch * 1.3f - 0.25f));
    c = scaled(c, 0.96f + 0.07f * fibre);
    return mix(c, rgb(170, 120, 70), stain * 0.35f);
}

Rgba brassAt(float x, float y, float height)
{
    float t = y / std::max(1.0f, height);
    float sheen = 0.5f + 0.5f * std::cos((t - 0.3f) * 2 * kPi);
    Rgba dark = rgb(122, 84, 30), light = rgb(250, 216, 128);
    Rgba c = mix(dark, light, sheen);
    return scaled(c, 0.95f + 0.08f * valueNoise(x * 0.3f, y * 0.3f, 41));
}

void fillPlanks(Image& image, const Mask& mask, int x, int y, int plankHeight, const Rgba& base, uint32_t seed)
{
    const int offset = int(hashUnit(1, 2, seed) * plankHeight);
    fillMask(image, mask, x, y, [&](int mx, int my) {
        int row = (my + offset) / plankHeight;
        int within = (my + offset) % plankHeight;
        uint32_t plankSeed = seed + uint32_t(row) * 131u;
        float tone = 0.85f + 0.28f * hashUnit(row, 0, seed);
        // An end joint somewhere along wide planks.
        int joint = int(hashUnit(row, 1, seed) * mask.width * 1.6f);
        float along = float(mx) + (mx > joint ? 977.0f : 0.0f);
        Rgba c = woodAt(along, float(within) + row * 37.0f, plankSeed, scaled(base, tone));
        if (within == 0 || mx == joint) c = scaled(c, 0.42f);
        else if (within == 1 || mx == joint + 1) c = scaled(c, 1.18f);
        else if (within == plankHeight - 1) c = scaled(c, 0.72f);
        return c;
    });
}

void fillBoards(Image& image, const Mask& mask, int x, int y, int boardWidth, const Rgba& base, uint32_t seed)
{
    fillMask(image, mask, x, y, [&](int mx, int my) {
        int column = mx / boardWidth, within = mx % boardWidth;
        float tone = 0.85f + 0.25f * hashUnit(column, 3, seed);
        Rgba c = woodAt(float(my), float(within) + column * 41.0f, seed + uint32_t(column) * 17u, scaled(base, tone));
        if (within == 0) c = scaled(c, 0.45f);
        else if (within == 1) c = scaled(c, 1.12f);
        return c;
    });
}

void drawDisc(Image& image, float cx, float cy, float radius, const Rgba& colour)
{
    int x0 = int(std::floor(cx - radius - 1)), x1 = int(std::ceil(cx + radius + 1));
    int y0 = int(std::floor(cy - radius - 1)), y1 = int(std::ceil(cy + radius + 1));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            float c = clamp01(radius - d + 0.5f);
            if (c > 0) blendPixel(image, x, y, colour, c);
        }
}

void drawNail(Image& image, float cx, float cy, float radius)
{
    drawDisc(image, cx + 0.6f, cy + 0.9f, radius + 0.6f, rgb(20, 10, 4, 0.5f));
    int x0 = int(cx - radius - 1), x1 = int(cx + radius + 1), y0 = int(cy - radius - 1), y1 = int(cy + radius + 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            float d = std::hypot(dx, dy);
            float c = clamp01(radius - d + 0.5f);
            if (c <= 0) continue;
            float light = clamp01(0.55f - (dx + dy) / (radius * 2.2f));
            Rgba colour = mix(rgb(60, 48, 40), rgb(214, 196, 170), light);
            blendPixel(image, x, y, colour, c);
        }
}

void drawLine(Image& image, float x0, float y0, float x1, float y1, float width, const Rgba& colour)
{
    float half = width / 2;
    int bx0 = int(std::floor(std::min(x0, x1) - half - 1)), bx1 = int(std::ceil(std::max(x0, x1) + half + 1));
    int by0 = int(std::floor(std::min(y0, y1) - half - 1)), by1 = int(std::ceil(std::max(y0, y1) + half + 1));
    float dx = x1 - x0, dy = y1 - y0, len2 = std::max(1e-6f, dx * dx + dy * dy);
    for (int y = std::max(by0, 0); y <= std::min(by1, image.height - 1); ++y)
        for (int x = std::max(bx0, 0); x <= std::min(bx1, image.width - 1); ++x) {
            float px = x + 0.5f - x0, py = y + 0.5f - y0;
            float t = clamp01((px * dx + py * dy) / len2);
            float d = std::hypot(px - t * dx, py - t * dy);
            float c = clamp01(half - d + 0.5f);
            if (c > 0) blendPixel(image, x, y, colour, c);
        }
}

namespace {

// One strand of rope: a shaded ellipse turned to `angle`.
void drawStrand(Image& image, float cx, float cy, float a, float b, float angle)
{
    float ca = std::cos(angle), sa = std::sin(angle);
    int r = int(std::ceil(a)) + 2;
    for (int y = int(cy) - r; y <= int(cy) + r; ++y)
        for (int x = int(cx) - r; x <= int(cx) + r; ++x) {
            float px = x + 0.5f - cx, py = y + 0.5f - cy;
            float u = px * ca + py * sa, v = -px * sa + py * ca;
            float q = std::sqrt((u / a) * (u / a) + (v / b) * (v / b));
            float c = clamp01((1 - q) * b + 0.5f);
            if (c <= 0) continue;
            float across = v / b;  // -1..1
            Rgba body = mix(rgb(238, 206, 140), rgb(150, 108, 56), clamp01(across * 0.5f + 0.5f));
            if (q > 0.78f) body = mix(body, rgb(70, 44, 20), clamp01((q - 0.78f) * 4.5f));
            blendPixel(image, x, y, body, c);
        }
}

}  // namespace

void drawRope(Image& image, const std::vector<Point>& path, bool closed, float thickness)
{
    if (path.size() < 2) return;
    const size_t segments = closed ? path.size() : path.size() - 1;
    for (size_t i = 0; i < segments; ++i) {
        const Point& p = path[i];
        const Point& q = path[(i + 1) % path.size()];
        drawLine(image, p.x + 0.8f, p.y + 1.2f, q.x + 0.8f, q.y + 1.2f, thickness, rgb(20, 10, 4, 0.35f));
        drawLine(image, p.x, p.y, q.x, q.y, thickness * 0.9f, rgb(110, 76, 38));
    }
    const float step = thickness * 0.5f;
    float carry = 0;
    for (size_t i = 0; i < segments; ++i) {
        const Point& p = path[i];
        const Point& q = path[(i + 1) % path.size()];
        float dx = q.x - p.x, dy = q.y - p.y, len = std::hypot(dx, dy);
        if (len < 1e-3f) continue;
        float angle = std::atan2(dy, dx);
        for (float s = carry; s < len; s += step) {
            float t = s / len;
            drawStrand(image, p.x + dx * t, p.y + dy * t, thickness * 0.62f, thickness * 0.3f, angle + 1.0f);
            carry = s + step - len;
        }
    }
}

std::vector<Point> roundedRectPath(float x, float y, float w, float h, float radius)
{
    std::vector<Point> path;
    const int arc = 6;
    const Point corners[4] = {{x + w - radius, y + radius}, {x + w - radius, y + h - radius},
                              {x + radius, y + h - radius}, {x + radius, y + radius}};
    for (int c = 0; c < 4; ++c)
        for (int i = 0; i <= arc; ++i) {
            float angle = (-90.0f + 90.0f * c + 90.0f * i / arc) * kPi / 180.0f;
            path.push_back({corners[c].x + radius * std::cos(angle), corners[c].y + radius * std::sin(angle)});
        }
    return path;
}

namespace {

struct InkColumns {
    int left = 0, right = -1;
};

InkColumns inkColumns(const Mask& m)
{
    InkColumns ink{m.width, -1};
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x)
            if (m.at(x, y) > 0.02f) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
            }
    return ink;
}

}  // namespace

int textWidth(const std::string& text, const TextStyle& style)
{
    Mask m = renderText(style.face, text, style.size, style.tracking);
    InkColumns ink = inkColumns(m);
    return ink.right < ink.left ? 0 : ink.right - ink.left + 1;
}

int drawText(Image& image, const std::string& text, int x, int baseline, int align, const TextStyle& style)
{
    Mask fill = renderText(style.face, text, style.size, style.tracking);
    InkColumns ink = inkColumns(fill);
    if (ink.right < ink.left) return 0;
    int width = ink.right - ink.left + 1;
    int left = align < 0 ? x : align == 0 ? x - width / 2 : x - width;
    int ox = left - ink.left, oy = baseline - fill.baseline;
    if (style.outlineWidth > 0) {
        Mask outline = dilated(fill, style.outlineWidth);
        int r = int(std::ceil(style.outlineWidth));
        if (style.shadow.a > 0)
            fillMask(image, outline, ox - r + style.shadowOffset, oy - r + style.shadowOffset, style.shadow);
        fillMask(image, outline, ox - r, oy - r, style.outline);
    } else if (style.shadow.a > 0) {
        fillMask(image, fill, ox + style.shadowOffset, oy + style.shadowOffset, style.shadow);
    }
    fillMask(image, fill, ox, oy, style.fill);
    return width;
}

std::vector<std::string> wrapText(const std::string& text, const TextStyle& style, int maxWidth)
{
    std::vector<std::string> lines;
    std::string line, word;
    auto flushWord = [&]() {
        if (word.empty()) return;
        std::string trial = line.empty() ? word : line + " " + word;
        if (!line.empty() && textWidth(trial, style) > maxWidth) {
            lines.push_back(line);
            line = word;
        } else {
            line = trial;
        }
        word.clear();
    };
    for (char c : text) {
        if (c == ' ') flushWord();
        else if (c == '\n') {
            flushWord();
            lines.push_back(line);
            line.clear();
        } else word += c;
    }
    flushWord();
    if (!line.empty()) lines.push_back(line);
    return lines;
}

Image brightened(const Image& source, float factor, const Rgba& warmth)
{
    Image out = source;
    for (Rgba& p : out.pixels) {
        p.r = clamp01(p.r * factor + warmth.r);
        p.g = clamp01(p.g * factor + warmth.g);
        p.b = clamp01(p.b * factor + warmth.b);
    }
    return out;
}

Image shiftedBy(const Image& source, int dx, int dy)
{
    Image out(source.width, source.height);
    for (int y = 0; y < source.height; ++y)
        for (int x = 0; x < source.width; ++x)
            if (source.inside(x - dx, y - dy)) out.at(x, y) = source.at(x - dx, y - dy);
    return out;
}

Mask alphaMask(const Image& image)
{
    Mask m = emptyMask(image.width, image.height);
    for (size_t i = 0; i < image.pixels.size(); ++i) m.coverage[i] = image.pixels[i].a;
    return m;
}
