// The procedural art library: seamless tiling, determinism, normal maps, pictures read back.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "content/art/decode.h"
#include "content/art/palette.h"
#include "content/art/surfaces.h"

namespace {

float difference(const Rgba& a, const Rgba& b) { return std::fabs(a.r - b.r) + std::fabs(a.g - b.g) + std::fabs(a.b - b.b); }

// Mean colour change between neighbouring columns x and x + 1 (wrapping), and likewise for rows.
float columnStep(const Image& image, int x)
{
    float sum = 0;
    for (int y = 0; y < image.height; ++y) sum += difference(image.at(x, y), image.at((x + 1) % image.width, y));
    return sum / float(image.height);
}

float rowStep(const Image& image, int y)
{
    float sum = 0;
    for (int x = 0; x < image.width; ++x) sum += difference(image.at(x, y), image.at(x, (y + 1) % image.height));
    return sum / float(image.width);
}

struct Surface {
    const char* name;
    std::function<TextureLayers(uint32_t seed)> make;
};

const std::vector<Surface>& surfaces()
{
    static const std::vector<Surface> all = {
        {"wood grain", [](uint32_t s) { return woodGrainTexture(128, 256, WoodStyle{}, s); }},
        {"planks", [](uint32_t s) { return plankTexture(256, 256, PlankStyle{}, s); }},
        {"bricks", [](uint32_t s) { return brickTexture(256, 128, BrickStyle{}, s); }},
        {"sand", [](uint32_t s) { return sandTexture(128, s); }},
        {"grass", [](uint32_t s) { return grassTexture(128, s); }},
        {"metal", [](uint32_t s) { return metalTexture(128, s); }},
        {"rust", [](uint32_t s) { return rustTexture(128, 0.5f, s); }},
        {"parchment", [](uint32_t s) { return parchmentTexture(128, 128, s); }},
    };
    return all;
}

}  // namespace

TEST(ArtSurfaces, TilingTexturesShowNoSeamWhereTheyRepeat)
{
    for (const Surface& surface : surfaces()) {
        TextureLayers t = surface.make(3);
        // The step across the wrap-around must look like any other step between neighbours.
        float typicalColumn = 0, typicalRow = 0;
        for (int x = 0; x + 1 < t.colour.width; ++x) typicalColumn += columnStep(t.colour, x);
        for (int y = 0; y + 1 < t.colour.height; ++y) typicalRow += rowStep(t.colour, y);
        typicalColumn /= float(t.colour.width - 1);
        typicalRow /= float(t.colour.height - 1);
        EXPECT_LT(columnStep(t.colour, t.colour.width - 1), typicalColumn * 2.0f + 0.01f) << surface.name << ": left and right edges";
        EXPECT_LT(rowStep(t.colour, t.colour.height - 1), typicalRow * 2.0f + 0.01f) << surface.name << ": top and bottom edges";
        EXPECT_EQ(t.height.width, t.colour.width) << surface.name;
        EXPECT_EQ(t.height.height, t.colour.height) << surface.name;
    }
}

TEST(ArtSurfaces, SameSeedGivesTheSamePicturesAndAnotherSeedAnother)
{
    for (const Surface& surface : surfaces()) {
        TextureLayers a = surface.make(11), b = surface.make(11), c = surface.make(12);
        EXPECT_EQ(encodePng(a.colour), encodePng(b.colour)) << surface.name;
        EXPECT_EQ(a.height.values, b.height.values) << surface.name;
        EXPECT_NE(encodePng(a.colour), encodePng(c.colour)) << surface.name;
    }
}

TEST(ArtSurfaces, NormalMapsLeanAwayFromRisingGround)
{
    struct Case {
        const char* name;
        std::function<float(int x, int y)> height;
        int red, green;  // the normal's x and y: -1 leaning left or down the picture, 0 upright, +1 right or up
    };
    const Case cases[] = {
        {"flat", [](int, int) { return 0.5f; }, 0, 0},
        {"rising to the right", [](int x, int) { return float(x) / 64; }, -1, 0},
        {"rising to the left", [](int x, int) { return 1 - float(x) / 64; }, 1, 0},
        {"rising up the picture", [](int, int y) { return 1 - float(y) / 64; }, 0, -1},
        {"rising down the picture", [](int, int y) { return float(y) / 64; }, 0, 1},
    };
    auto sign = [](float channel) { return channel < 0.49f ? -1 : (channel > 0.51f ? 1 : 0); };
    for (const Case& c : cases) {
        HeightField h(32, 32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) h.at(x, y) = c.height(x, y);
        const Rgba n = normalMap(h, 8.0f).at(12, 12);  // away from the wrapped edges
        EXPECT_EQ(sign(n.r), c.red) << c.name;
        EXPECT_EQ(sign(n.g), c.green) << c.name;
        EXPECT_GT(n.b, 0.5f) << c.name;  // always out of the surface
    }
}

TEST(ArtSurfaces, EncodedPicturesReadBackWithTheirSize)
{
    Image picture(37, 21, rgb(200, 100, 50));
    for (const auto& bytes : {encodePng(picture), encodeJpeg(picture, 90)}) {
        int w = 0, h = 0;
        ASSERT_TRUE(pictureSize(bytes, w, h));
        EXPECT_EQ(w, 37);
        EXPECT_EQ(h, 21);
        Image back = decodePicture(bytes);
        ASSERT_EQ(back.width, 37);
        EXPECT_NEAR(back.at(10, 10).r, 200 / 255.0f, 0.02f);
    }
    int w = 0, h = 0;
    EXPECT_FALSE(pictureSize({'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'}, w, h));
}

TEST(ArtPalette, GradientsRunThroughTheirStops)
{
    const Rgba a = rgb(0, 0, 0), b = rgb(255, 0, 0), c = rgb(255, 255, 255);
    EXPECT_FLOAT_EQ(gradient({a, b, c}, 0).r, 0);
    EXPECT_FLOAT_EQ(gradient({a, b, c}, 0.5f).r, 1);
    EXPECT_FLOAT_EQ(gradient({a, b, c}, 0.5f).g, 0);
    EXPECT_FLOAT_EQ(gradient({a, b, c}, 1).g, 1);
    EXPECT_FLOAT_EQ(gradient({a, b, c}, 2).g, 1);  // clamped
    // The nine player colours are told apart at a glance.
    for (int i = 0; i < 9; ++i)
        for (int j = i + 1; j < 9; ++j)
            EXPECT_GT(difference(kPlayerColours[i].colour, kPlayerColours[j].colour), 0.25f)
                << kPlayerColours[i].word << " and " << kPlayerColours[j].word;
}
