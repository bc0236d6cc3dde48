#include "content/art/text.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_STATIC
#include <stb_truetype.h>

namespace {

struct LoadedFont {
    std::vector<unsigned char> data;
    stbtt_fontinfo info{};
};

const char* fontPath(FontFace face)
{
    switch (face) {
    case FontFace::Poster: return "/usr/share/fonts/opentype/urw-base35/URWBookman-Demi.otf";
    case FontFace::Serif: return "/usr/share/fonts/opentype/urw-base35/C059-Bold.otf";
    case FontFace::Slab: return "/usr/share/fonts/opentype/roboto/slab/RobotoSlab-Bold.otf";
    }
    return "";
}

LoadedFont& font(FontFace face)
{
    static std::map<FontFace, LoadedFont> fonts;
    auto found = fonts.find(face);
    if (found != fonts.end()) return found->second;
    LoadedFont& loaded = fonts[face];
    std::ifstream in(fontPath(face), std::ios::binary);
    loaded.data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (loaded.data.empty() || !stbtt_InitFont(&loaded.info, loaded.data.data(), 0))
        throw std::runtime_error(std::string("cannot load font ") + fontPath(face));
    return loaded;
}

std::vector<int> codepoints(const std::string& text)
{
    std::vector<int> out;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) out.push_back(c);
        else if ((c & 0xE0) == 0xC0 && i + 1 < text.size()) {
            out.push_back(((c & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
            ++i;
        } else if ((c & 0xF0) == 0xE0 && i + 2 < text.size()) {
            out.push_back(((c & 0x0F) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3F) << 6) |
                          (static_cast<unsigned char>(text[i + 2]) & 0x3F));
            i += 2;
        }
    }
    return out;
}

}  // namespace

TextMask renderText(FontFace face, const std::string& text, float pixelHeight, float tracking)
{
    LoadedFont& f = font(face);
    const float scale = stbtt_ScaleForMappingEmToPixels(&f.info, pixelHeight);
    int ascent, descent, lineGap;
    stbtt_GetFontVMetrics(&f.info, &ascent, &descent, &lineGap);
    const int pad = 2;
    const int baseline = int(std::ceil(ascent * scale)) + pad;
    const int height = baseline + int(std::ceil(-descent * scale)) + pad;
    std::vector<int> cps = codepoints(text);

    float penWidth = 0;
    for (size_t i = 0; i < cps.size(); ++i) {
        int advance, lsb;
        stbtt_GetCodepointHMetrics(&f.info, cps[i], &advance, &lsb);
        penWidth += advance * scale + tracking;
        if (i + 1 < cps.size()) penWidth += stbtt_GetCodepointKernAdvance(&f.info, cps[i], cps[i + 1]) * scale;
    }
    TextMask mask;
    mask.width = int(std::ceil(penWidth)) + pad * 2 + int(pixelHeight * 0.3f);
    mask.height = height;
    mask.baseline = baseline;
    mask.coverage.assign(size_t(mask.width) * mask.height, 0.0f);

    float pen = pad;
    for (size_t i = 0; i < cps.size(); ++i) {
        int advance, lsb;
        stbtt_GetCodepointHMetrics(&f.info, cps[i], &advance, &lsb);
        float shift = pen - std::floor(pen);
        int x0, y0, x1, y1;
        stbtt_GetCodepointBitmapBoxSubpixel(&f.info, cps[i], scale, scale, shift, 0, &x0, &y0, &x1, &y1);
        int gw = x1 - x0, gh = y1 - y0;
        if (gw > 0 && gh > 0) {
            std::vector<unsigned char> glyph(size_t(gw) * gh);
            stbtt_MakeCodepointBitmapSubpixel(&f.info, glyph.data(), gw, gh, gw, scale, scale, shift, 0, cps[i]);
            for (int y = 0; y < gh; ++y)
                for (int x = 0; x < gw; ++x) {
                    int mx = int(std::floor(pen)) + x0 + x, my = baseline + y0 + y;
                    if (mx < 0 || my < 0 || mx >= mask.width || my >= mask.height) continue;
                    float& c = mask.coverage[size_t(my) * mask.width + mx];
                    c = std::min(1.0f, c + glyph[size_t(y) * gw + x] / 255.0f);
                }
        }
        pen += advance * scale + tracking;
        if (i + 1 < cps.size()) pen += stbtt_GetCodepointKernAdvance(&f.info, cps[i], cps[i + 1]) * scale;
    }
    return mask;
}

TextMask trimmed(const TextMask& mask)
{
    int left = mask.width, right = -1, top = mask.height, bottom = -1;
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x)
            if (mask.at(x, y) > 0.01f) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    TextMask out;
    if (right < 0) return out;
    out.width = right - left + 1;
    out.height = bottom - top + 1;
    out.baseline = mask.baseline - top;
    out.coverage.resize(size_t(out.width) * out.height);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.coverage[size_t(y) * out.width + x] = mask.at(x + left, y + top);
    return out;
}

float fitTextSize(FontFace face, const std::string& text, int maxWidth, int maxHeight, float tracking)
{
    float lo = 4, hi = float(maxHeight) * 2.0f;
    for (int i = 0; i < 18; ++i) {
        float mid = (lo + hi) / 2;
        TextMask m = trimmed(renderText(face, text, mid, tracking * mid / 40.0f));
        if (m.width <= maxWidth && m.height <= maxHeight) lo = mid;
        else hi = mid;
    }
    return lo;
}

TextMask dilated(const TextMask& mask, float radius)
{
    int r = int(std::ceil(radius));
    TextMask out;
    out.width = mask.width + 2 * r;
    out.height = mask.height + 2 * r;
    out.baseline = mask.baseline + r;
    out.coverage.assign(size_t(out.width) * out.height, 0.0f);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            float best = 0;
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx) {
                    float d = std::sqrt(float(dx * dx + dy * dy));
                    float weight = std::clamp(radius + 0.5f - d, 0.0f, 1.0f);
                    if (weight <= 0) continue;
                    best = std::max(best, mask.at(x - r + dx, y - r + dy) * weight);
                }
            out.coverage[size_t(y) * out.width + x] = best;
        }
    return out;
}

TextMask blurred(const TextMask& mask, int radius)
{
    TextMask out = mask;
    if (radius <= 0) return out;
    TextMask grown = dilated(mask, 0);  // same size; blur in two passes over a padded copy
    out.width = mask.width + 2 * radius;
    out.height = mask.height + 2 * radius;
    out.baseline = mask.baseline + radius;
    std::vector<float> tmp(size_t(out.width) * out.height, 0.0f);
    out.coverage.assign(tmp.size(), 0.0f);
    const float n = float(2 * radius + 1);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            float sum = 0;
            for (int d = -radius; d <= radius; ++d) sum += grown.at(x - radius + d, y - radius);
            tmp[size_t(y) * out.width + x] = sum / n;
        }
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            float sum = 0;
            for (int d = -radius; d <= radius; ++d) {
                int yy = y + d;
                if (yy >= 0 && yy < out.height) sum += tmp[size_t(yy) * out.width + x];
            }
            out.coverage[size_t(y) * out.width + x] = sum / n;
        }
    return out;
}

void paintMask(Image& image, const TextMask& mask, int x, int y, const Rgba& colour)
{
    for (int my = 0; my < mask.height; ++my)
        for (int mx = 0; mx < mask.width; ++mx) {
            float c = mask.at(mx, my);
            if (c > 0) blendPixel(image, x + mx, y + my, colour, c);
        }
}

void paintMaskGradient(Image& image, const TextMask& mask, int x, int y, const Rgba& top, const Rgba& bottom)
{
    for (int my = 0; my < mask.height; ++my) {
        Rgba colour = mix(top, bottom, mask.height > 1 ? float(my) / float(mask.height - 1) : 0.0f);
        for (int mx = 0; mx < mask.width; ++mx) {
            float c = mask.at(mx, my);
            if (c > 0) blendPixel(image, x + mx, y + my, colour, c);
        }
    }
}

void drawLettering(Image& image, const std::string& text, int x, int y, int w, int h, const LetteringStyle& style)
{
    const int margin = int(std::ceil(style.outlineWidth)) + style.shadowOffset + style.shadowBlur;
    float size = fitTextSize(style.face, text, w - 2 * margin, h - 2 * margin, style.tracking);
    TextMask fill = trimmed(renderText(style.face, text, size, style.tracking * size / 40.0f));
    TextMask outline = dilated(fill, style.outlineWidth);
    TextMask shadow = blurred(outline, style.shadowBlur);
    int fx = x + (w - fill.width) / 2, fy = y + (h - fill.height) / 2;
    int r = int(std::ceil(style.outlineWidth));
    paintMask(image, shadow, fx - r - style.shadowBlur + style.shadowOffset,
              fy - r - style.shadowBlur + style.shadowOffset, style.shadow);
    if (style.outlineWidth > 0) paintMask(image, outline, fx - r, fy - r, style.outline);
    paintMaskGradient(image, fill, fx, fy, style.fillTop, style.fillBottom);
}
