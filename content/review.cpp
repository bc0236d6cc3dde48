#include "content/review.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <vector>

#include "content/art/decode.h"
#include "content/art/image.h"
#include "content/art/surfaces.h"
#include "content/art/text.h"

namespace {

constexpr int kColumns = 12;
constexpr int kThumb = 150;         // pixels, the longer side of a thumbnail
constexpr int kLabelHeight = 34;
constexpr int kGap = 12;
constexpr int kHeaderHeight = 44;

const Rgba kBackground = rgb(54, 50, 46);
const Rgba kLabel = rgb(236, 226, 204);

void checkerboard(Image& image, int x, int y, int w, int h)
{
    for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < w; ++xx)
            if (image.inside(x + xx, y + yy))
                image.at(x + xx, y + yy) = ((xx / 8 + yy / 8) % 2) ? rgb(150, 150, 150) : rgb(110, 110, 110);
}

void label(Image& image, const std::string& text, int x, int y, int w, int h, float size)
{
    TextMask mask = renderText(FontFace::Slab, text, size);
    int left = x + std::max(0, (w - mask.width) / 2);
    for (int yy = 0; yy < mask.height; ++yy)
        for (int xx = 0; xx < std::min(mask.width, w); ++xx)
            blendPixel(image, left + xx, y + (h - mask.height) / 2 + yy, kLabel, mask.at(xx, yy));
}

void writePng(const std::string& path, const Image& image)
{
    std::vector<uint8_t> bytes = encodePng(image);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int writeContactSheet(const std::string& contentsDir, const std::string& outputPng)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (const char* folder : {"Textures", "Particles"}) {
        fs::path dir = fs::path(contentsDir) / folder;
        if (!fs::is_directory(dir)) continue;
        for (const auto& entry : fs::directory_iterator(dir)) {
            std::string ext = entry.path().extension().string();
            if (ext == ".png" || ext == ".jpg") files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    const int rows = std::max(1, (int(files.size()) + kColumns - 1) / kColumns);
    const int cellW = kThumb + kGap, cellH = kThumb + kLabelHeight + kGap;
    Image sheet(kColumns * cellW + kGap, kHeaderHeight + rows * cellH + kGap, kBackground);
    label(sheet, "Contents: " + std::to_string(files.size()) + " textures", 0, 6, sheet.width, kHeaderHeight - 12, 24);
    for (size_t i = 0; i < files.size(); ++i) {
        Image picture = decodePicture(readFileBytes(files[i].string()));
        const int x = kGap + int(i % kColumns) * cellW, y = kHeaderHeight + int(i / kColumns) * cellH;
        std::string name = files[i].filename().string();
        if (files[i].parent_path().filename() == "Particles") name.insert(0, "Particles/");
        if (picture.width > 0) {
            float fit = std::min(1.0f, float(kThumb) / float(std::max(picture.width, picture.height)));
            int w = std::max(1, int(picture.width * fit)), h = std::max(1, int(picture.height * fit));
            int px = x + (kThumb - w) / 2, py = y + (kThumb - h) / 2;
            checkerboard(sheet, px, py, w, h);
            drawImage(sheet, resized(picture, w, h), px, py);
            std::string size = std::to_string(picture.width);
            size += " x ";
            size += std::to_string(picture.height);
            label(sheet, size, x, y + kThumb + kLabelHeight / 2, kThumb, kLabelHeight / 2, 11);
        } else {
            label(sheet, "unreadable", x, y + kThumb + kLabelHeight / 2, kThumb, kLabelHeight / 2, 11);
        }
        label(sheet, name, x, y + kThumb, kThumb, kLabelHeight / 2, 12);
    }
    writePng(outputPng, sheet);
    return int(files.size());
}

void writeArtSamples(const std::string& outputPng)
{
    struct Sample {
        const char* name;
        std::function<TextureLayers()> make;
    };
    const int size = 256;
    const std::vector<Sample> samples = {
        {"wood grain", [&] { return woodGrainTexture(size, size, WoodStyle{}, 1); }},
        {"planks", [&] { return plankTexture(size, size, PlankStyle{}, 2); }},
        {"bricks", [&] { return brickTexture(size, size, BrickStyle{}, 3); }},
        {"sand", [&] { return sandTexture(size, 4); }},
        {"grass", [&] { return grassTexture(size, 5); }},
        {"metal", [&] { return metalTexture(size, 6); }},
        {"rust", [&] { return rustTexture(size, 0.55f, 7); }},
        {"parchment", [&] { return parchmentTexture(size, size, 8); }},
    };
    const int tile = 160, cellW = tile * 3 + kGap * 2, cellH = tile * 2 + kLabelHeight + kGap;
    const int columns = 2;
    Image sheet(columns * cellW + kGap, int((samples.size() + 1) / 2) * cellH + kGap, kBackground);
    for (size_t i = 0; i < samples.size(); ++i) {
        TextureLayers layers = samples[i].make();
        Image small = resized(layers.colour, tile, tile), normals = resized(normalMap(layers.height, 4.0f), tile, tile);
        const int x = kGap + int(i % columns) * cellW, y = kGap + int(i / columns) * cellH;
        for (int ty = 0; ty < 2; ++ty)
            for (int tx = 0; tx < 2; ++tx) drawImage(sheet, small, x + tx * tile, y + ty * tile);
        drawImage(sheet, normals, x + 2 * tile + kGap, y + tile / 2);
        label(sheet, samples[i].name, x, y + 2 * tile, 2 * tile, kLabelHeight, 16);
    }
    writePng(outputPng, sheet);
}
