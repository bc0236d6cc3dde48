#include "content/art/image.h"

#include <algorithm>
#include <cmath>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>

Rgba rgb(int r, int g, int b, float a) { return {r / 255.0f, g / 255.0f, b / 255.0f, a}; }

Rgba mix(const Rgba& x, const Rgba& y, float t)
{
    return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

Rgba scaled(const Rgba& c, float factor) { return {c.r * factor, c.g * factor, c.b * factor, c.a}; }

Image::Image(int w, int h, Rgba fill) : width(w), height(h), pixels(size_t(w) * h, fill) {}

Rgba Image::sample(float x, float y, bool wrap) const
{
    auto index = [&](int i, int n) {
        if (wrap) return ((i % n) + n) % n;
        return std::clamp(i, 0, n - 1);
    };
    x -= 0.5f;
    y -= 0.5f;
    int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    float fx = x - x0, fy = y - y0;
    const Rgba& a = at(index(x0, width), index(y0, height));
    const Rgba& b = at(index(x0 + 1, width), index(y0, height));
    const Rgba& c = at(index(x0, width), index(y0 + 1, height));
    const Rgba& d = at(index(x0 + 1, width), index(y0 + 1, height));
    return mix(mix(a, b, fx), mix(c, d, fx), fy);
}

void blendPixel(Image& image, int x, int y, const Rgba& colour, float coverage)
{
    if (!image.inside(x, y)) return;
    Rgba& dst = image.at(x, y);
    float sa = std::clamp(colour.a * coverage, 0.0f, 1.0f);
    float outA = sa + dst.a * (1 - sa);
    if (outA <= 0) {
        dst = Rgba{0, 0, 0, 0};
        return;
    }
    auto channel = [&](float s, float d) { return (s * sa + d * dst.a * (1 - sa)) / outA; };
    dst = {channel(colour.r, dst.r), channel(colour.g, dst.g), channel(colour.b, dst.b), outA};
}

void drawImage(Image& target, const Image& source, int x, int y, float opacity)
{
    for (int sy = 0; sy < source.height; ++sy)
        for (int sx = 0; sx < source.width; ++sx)
            blendPixel(target, x + sx, y + sy, source.at(sx, sy), opacity);
}

Image resized(const Image& source, int width, int height)
{
    // Box filter when shrinking, bilinear when growing.
    Image out(width, height);
    float sx = float(source.width) / width, sy = float(source.height) / height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (sx <= 1 && sy <= 1) {
                out.at(x, y) = source.sample((x + 0.5f) * sx, (y + 0.5f) * sy, false);
                continue;
            }
            int x0 = int(x * sx), x1 = std::max(x0 + 1, int((x + 1) * sx));
            int y0 = int(y * sy), y1 = std::max(y0 + 1, int((y + 1) * sy));
            Rgba sum{0, 0, 0, 0};
            for (int yy = y0; yy < y1; ++yy)
                for (int xx = x0; xx < x1; ++xx) {
                    const Rgba& p = source.at(std::min(xx, source.width - 1), std::min(yy, source.height - 1));
                    sum = {sum.r + p.r * p.a, sum.g + p.g * p.a, sum.b + p.b * p.a, sum.a + p.a};
                }
            float n = float((x1 - x0) * (y1 - y0));
            out.at(x, y) = sum.a > 0 ? Rgba{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / n} : Rgba{0, 0, 0, 0};
        }
    return out;
}

namespace {

std::vector<uint8_t> toBytes(const Image& image, int channels)
{
    std::vector<uint8_t> bytes(size_t(image.width) * image.height * channels);
    auto byte = [](float v) { return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        const Rgba& p = image.pixels[i];
        bytes[i * channels + 0] = byte(p.r);
        bytes[i * channels + 1] = byte(p.g);
        bytes[i * channels + 2] = byte(p.b);
        if (channels == 4) bytes[i * channels + 3] = byte(p.a);
    }
    return bytes;
}

void appendBytes(void* context, void* data, int size)
{
    auto* out = static_cast<std::vector<uint8_t>*>(context);
    auto* bytes = static_cast<uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::vector<uint8_t> encodePng(const Image& image)
{
    std::vector<uint8_t> pixels = toBytes(image, 4), out;
    stbi_write_png_to_func(appendBytes, &out, image.width, image.height, 4, pixels.data(), image.width * 4);
    return out;
}

std::vector<uint8_t> encodeJpeg(const Image& image, int quality)
{
    std::vector<uint8_t> pixels = toBytes(image, 3), out;
    stbi_write_jpg_to_func(appendBytes, &out, image.width, image.height, 3, pixels.data(), quality);
    return out;
}
