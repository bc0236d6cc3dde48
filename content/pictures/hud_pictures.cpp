// Everything drawn over the 3D view during play: player plates, digits, turn and
// result banners, the power meter, camera icons, fly-over caption and letterbox,
// scorecard header, medals, winner banners, hole titles and par plates.
#include <cmath>
#include <string>

#include "content/art/noise.h"
#include "content/output.h"
#include "content/pictures/picture_kit.h"
#include "content/registry.h"

using namespace pictures;

namespace {

constexpr int kPlateWidth = 150, kPlateHeight = 40;
constexpr int kPlateInkRight = 145;  // the stroke digits start 3 px inside the plate's picture
constexpr int kDigitWidth = 18, kDigitHeight = 40;
constexpr int kTurnWidth = 300, kTurnHeight = 60;
constexpr int kBannerHeight = 60;
constexpr int kMeterWidth = 250, kMeterHeight = 60, kMeterSegments = 24;
constexpr int kCamWidth = 110, kCamHeight = 90;
constexpr int kMedalSize = 36;
constexpr int kWinWidth = 352, kWinHeight = 70, kTieWidth = 68;
constexpr int kHoleTitleWidth = 200, kHoleTitleHeight = 56;
constexpr int kParWidth = 120, kParHeight = 44;
constexpr int kLetterboxWidth = 1280, kLetterboxHeight = 1000;
constexpr int kCaptionWidth = 330, kCaptionHeight = 70;
constexpr int kTotalWidth = 120, kTotalHeight = 40;

// Result banners: exactly twice the offset their screen position subtracts.
struct ResultBanner {
    const char* file;
    int width;
    const char* words;
    Rgba top, bottom;
};
const ResultBanner kResults[] = {
    {"toomany.png", 260, "Too Many!", rgb(255, 170, 150), rgb(200, 40, 24)},
    {"holeinone.png", 240, "Hole in One!", rgb(255, 250, 190), rgb(236, 160, 30)},
    {"albatross.png", 220, "Albatross!", rgb(255, 250, 190), rgb(236, 160, 30)},
    {"eagle.png", 160, "Eagle!", rgb(255, 250, 190), rgb(236, 160, 30)},
    {"birdie.png", 160, "Birdie!", rgb(230, 255, 200), rgb(110, 180, 70)},
    {"par.png", 80, "Par", rgb(255, 250, 235), rgb(170, 210, 240)},
    {"bogie.png", 100, "Bogey", rgb(255, 230, 190), rgb(226, 130, 60)},
    {"doublebogie.png", 180, "Double\nBogey", rgb(255, 220, 180), rgb(214, 100, 44)},
    {"triplebogie.png", 160, "Triple\nBogey", rgb(255, 210, 170), rgb(200, 76, 36)},
};

LetteringStyle bannerLettering(const Rgba& top, const Rgba& bottom)
{
    LetteringStyle s = goldLettering();
    s.fillTop = top;
    s.fillBottom = bottom;
    s.outlineWidth = 3.0f;
    s.shadowOffset = 3;
    s.shadowBlur = 2;
    s.shadow = rgb(0, 0, 0, 0.7f);
    return s;
}

// A name plate whose ink stops short of the digits placed beside it.
Image playerPlate(int player)
{
    Image image(kPlateWidth, kPlateHeight);
    BoardStyle board;
    board.wood = kSaddle;
    board.plankHeight = 18;
    board.radius = 6;
    board.seed = 300 + uint32_t(player);
    drawBoard(image, 2, 2, kPlateInkRight - 4, kPlateHeight - 6, board);
    LetteringStyle s = paintedLettering();
    drawLettering(image, "Player " + std::to_string(player), 12, 3, kPlateInkRight - 26, kPlateHeight - 8, s);
    return image;
}

TextStyle digitStyle()
{
    TextStyle s;
    s.face = FontFace::Serif;
    s.size = 33;
    s.fill = rgb(255, 238, 170);
    s.outline = rgb(30, 14, 4);
    s.outlineWidth = 2.4f;
    s.shadow = rgb(0, 0, 0, 0.6f);
    s.shadowOffset = 2;
    return s;
}

// Digits, plus and minus share one baseline and one em size so numbers line up.
Image digitPicture(const std::string& glyph)
{
    Image image(kDigitWidth, kDigitHeight);
    if (glyph.empty()) return image;
    TextStyle s = digitStyle();
    const int baseline = 31;
    if (glyph == "+" || glyph == "-") {
        // Drawn bars rather than font glyphs, so the signs are as bold as the digits.
        const float cx = kDigitWidth / 2.0f - 0.5f, cy = 19.5f, arm = 6.5f;
        auto bar = [&](float x0, float y0, float x1, float y1) {
            drawLine(image, x0 + 2, y0 + 2, x1 + 2, y1 + 2, 8.4f, s.shadow);
            drawLine(image, x0, y0, x1, y1, 8.4f, s.outline);
        };
        bar(cx - arm, cy, cx + arm, cy);
        if (glyph == "+") bar(cx, cy - arm, cx, cy + arm);
        drawLine(image, cx - arm, cy, cx + arm, cy, 3.6f, s.fill);
        if (glyph == "+") drawLine(image, cx, cy - arm, cx, cy + arm, 3.6f, s.fill);
        return image;
    }
    // Gradient fill: draw the outlined glyph, then repaint the fill with a vertical gradient.
    drawText(image, glyph, kDigitWidth / 2, baseline, 0, s);
    Image fill(kDigitWidth, kDigitHeight);
    TextStyle plain = s;
    plain.outlineWidth = 0;
    plain.shadow = rgb(0, 0, 0, 0);
    plain.fill = rgb(255, 255, 255);
    drawText(fill, glyph, kDigitWidth / 2, baseline, 0, plain);
    for (int y = 0; y < kDigitHeight; ++y)
        for (int x = 0; x < kDigitWidth; ++x) {
            float c = fill.at(x, y).a;
            if (c > 0) blendPixel(image, x, y, mix(rgb(255, 250, 214), rgb(240, 170, 60), (y - 8) / 24.0f), c);
        }
    return image;
}

Image turnBanner(int player)
{
    Image image(kTurnWidth, kTurnHeight);
    // A rust ribbon with swallow-tailed ends.
    std::vector<Point> ribbon = {{4, 10}, {296, 10}, {284, 30}, {296, 52}, {4, 52}, {16, 30}};
    Mask band = polygonMask(kTurnWidth, kTurnHeight, ribbon);
    dropShadow(image, band, 0, 0, 2, 3, 2, 0.6f);
    fillMask(image, band, 0, 0, [](int x, int y) { return scaled(kRust, 0.85f + 0.2f * fbm(x * 0.03f, y * 0.2f, 3, 9)); });
    bevel(image, band, 0, 0, 3, 0.5f);
    strokeInside(image, band, 0, 0, 0, 1.5f, rgb(60, 20, 6));
    strokeInside(image, band, 0, 0, 4, 1.2f, rgb(255, 214, 140, 0.6f));
    LetteringStyle s = paintedLettering();
    s.outlineWidth = 2.2f;
    drawLettering(image, "Player " + std::to_string(player) + "'s Turn", 26, 8, kTurnWidth - 52, 46, s);
    return image;
}

Image resultBanner(const ResultBanner& banner)
{
    Image image(banner.width, kBannerHeight);
    // A smoked plaque behind the words keeps them readable over any scenery.
    Mask plaque = roundedRectMask(banner.width - 4, kBannerHeight - 4, 10);
    fillMask(image, plaque, 2, 2, rgb(30, 14, 4, 0.5f));
    strokeInside(image, plaque, 2, 2, 1, 1.2f, rgb(255, 214, 130, 0.55f));
    Image glow(banner.width, kBannerHeight);
    LetteringStyle s = bannerLettering(banner.top, banner.bottom);
    const std::string words = banner.words;
    const size_t split = words.find('\n');
    if (split == std::string::npos) {
        drawLettering(glow, words, 4, 2, banner.width - 8, kBannerHeight - 4, s);
    } else {
        // Two stacked words at one size.
        s.outlineWidth = 2.5f;
        s.shadowOffset = 2;
        drawSignWords(glow, words.substr(0, split), 4, 3, banner.width - 8, 28, 27, s);
        drawSignWords(glow, words.substr(split + 1), 4, 29, banner.width - 8, 28, 27, s);
    }
    // A faint warm halo behind the words lifts them off busy scenery.
    glowAround(image, alphaMask(glow), 0, 0, 4.0f, rgb(255, 230, 160, 0.35f));
    drawImage(image, glow, 0, 0);
    return image;
}

Image outOfBounds()
{
    Image image(200, 60);
    BoardStyle board;
    board.seed = 410;
    board.paint = 1;
    board.paintColour = rgb(176, 40, 28);
    board.plankHeight = 26;
    board.radius = 8;
    drawBoard(image, 3, 3, 194, 52, board);
    LetteringStyle s = paintedLettering();
    drawLettering(image, "Out of Bounds!", 14, 6, 172, 46, s);
    return image;
}

// The segmented gauge: wedge-shaped cells rising left to right, green to red.
Rgba meterColour(int segment)
{
    float t = segment / float(kMeterSegments - 1);
    Rgba green = rgb(70, 200, 60), yellow = rgb(250, 220, 50), red = rgb(236, 44, 28);
    return t < 0.5f ? mix(green, yellow, t * 2) : mix(yellow, red, (t - 0.5f) * 2);
}

Image powerMeter(int lit)
{
    Image image(kMeterWidth, kMeterHeight);
    BoardStyle board;
    board.wood = kDarkWood;
    board.plankHeight = 28;
    board.radius = 8;
    board.seed = 500;
    board.nails = false;
    drawBoard(image, 2, 2, kMeterWidth - 5, kMeterHeight - 6, board);
    drawBrassCorners(image, 2, 2, kMeterWidth - 5, kMeterHeight - 6, 12);
    const float left = 16, right = kMeterWidth - 16, bottom = kMeterHeight - 12;
    const float pitch = (right - left) / kMeterSegments, gap = 1.6f;
    for (int i = 0; i < kMeterSegments; ++i) {
        float x0 = left + i * pitch, x1 = x0 + pitch - gap;
        float h0 = 10 + 28.0f * i / kMeterSegments, h1 = 10 + 28.0f * (i + 1) / kMeterSegments;
        std::vector<Point> cell = {{x0, bottom - h0}, {x1, bottom - h1}, {x1, bottom}, {x0, bottom}};
        Mask m = polygonMask(kMeterWidth, kMeterHeight, cell);
        bool on = i < lit;
        Rgba c = meterColour(i);
        if (on) {
            glowAround(image, m, 0, 0, 2.0f, Rgba{c.r, c.g, c.b, 0.45f});
            fillMask(image, m, 0, 0, [&](int, int y) { return mix(scaled(c, 1.15f), scaled(c, 0.75f), (y - (bottom - h1)) / h1); });
            bevel(image, m, 0, 0, 2, 0.5f);
        } else {
            fillMask(image, m, 0, 0, mix(rgb(24, 16, 10), c, 0.18f));
            strokeInside(image, m, 0, 0, 0, 1, mix(rgb(60, 44, 30), c, 0.25f));
        }
    }
    return image;
}

// A little bellows camera: box, lens, and a viewing direction.
void drawCameraGlyph(Image& image, float x, float y, float scale, bool lookingDown)
{
    const Rgba body = rgb(50, 34, 20), brass = rgb(226, 182, 92);
    if (!lookingDown) {
        Mask box = roundedRectMask(int(20 * scale), int(16 * scale), 2);
        fillMask(image, box, int(x), int(y), body);
        std::vector<Point> bellows = {{x + 19 * scale, y + 2 * scale}, {x + 28 * scale, y + 5 * scale},
                                      {x + 28 * scale, y + 11 * scale}, {x + 19 * scale, y + 14 * scale}};
        fillMask(image, polygonMask(image.width, image.height, bellows), 0, 0, body);
        drawDisc(image, x + 29 * scale, y + 8 * scale, 3.5f * scale, brass);
        drawDisc(image, x + 7 * scale, y - 1 * scale, 3 * scale, body);
    } else {
        Mask box = roundedRectMask(int(16 * scale), int(20 * scale), 2);
        fillMask(image, box, int(x), int(y), body);
        std::vector<Point> bellows = {{x + 2 * scale, y + 19 * scale}, {x + 14 * scale, y + 19 * scale},
                                      {x + 11 * scale, y + 28 * scale}, {x + 5 * scale, y + 28 * scale}};
        fillMask(image, polygonMask(image.width, image.height, bellows), 0, 0, body);
        drawDisc(image, x + 8 * scale, y + 29 * scale, 3.5f * scale, brass);
    }
}

void drawGolfBall(Image& image, float cx, float cy, float r)
{
    drawDisc(image, cx + 1, cy + 1, r + 1, rgb(0, 0, 0, 0.4f));
    drawDisc(image, cx, cy, r + 0.8f, rgb(40, 30, 20));
    drawDisc(image, cx, cy, r, rgb(236, 236, 232));
    drawDisc(image, cx - r * 0.3f, cy - r * 0.35f, r * 0.4f, rgb(255, 255, 255));
}

Image cameraIcon(bool top)
{
    Image image(kCamWidth, kCamHeight);
    drawParchment(image, 4, 4, kCamWidth - 9, kCamHeight - 10, top ? 612u : 611u);
    // The scene: green, ball, and the camera behind or above it.
    Mask green = roundedRectMask(62, 12, 6);
    if (!top) {
        fillMask(image, green, 36, 44, rgb(92, 150, 70));
        drawGolfBall(image, 76, 46, 5);
        drawCameraGlyph(image, 16, 24, 1.0f, false);
        drawLine(image, 47, 32, 66, 42, 1.6f, rgb(90, 50, 20, 0.8f));
    } else {
        Mask disc = ellipseMask(50, 22);
        fillMask(image, disc, 30, 40, rgb(92, 150, 70));
        drawGolfBall(image, 55, 51, 5);
        drawCameraGlyph(image, 47, 8, 0.85f, true);
    }
    TextStyle caption = paperHeading(14);
    caption.fill = rgb(70, 34, 12);
    drawText(image, top ? "2  Above" : "1  Behind", kCamWidth / 2, kCamHeight - 14, 0, caption);
    return image;
}

Image caption()
{
    Image image(kCaptionWidth, kCaptionHeight);
    LetteringStyle s = goldLettering();
    s.outlineWidth = 3;
    drawLettering(image, "Buckhorn Gulch", 6, 2, kCaptionWidth - 12, 48, s);
    TextStyle sub;
    sub.face = FontFace::Slab;
    sub.size = 15;
    sub.fill = rgb(255, 236, 200);
    sub.outline = rgb(30, 14, 4);
    sub.outlineWidth = 1.6f;
    sub.tracking = 2;
    drawText(image, "TALLOWICK MINI GOLF", kCaptionWidth / 2, 64, 0, sub);
    return image;
}

Image medal(const Rgba& metal, const Rgba& shine)
{
    Image image(kMedalSize, kMedalSize);
    // Ribbon tails behind the disc.
    std::vector<Point> tails = {{10, 20}, {17, 22}, {13, 35}, {10, 31}, {6, 34}};
    std::vector<Point> tails2 = {{26, 20}, {19, 22}, {23, 35}, {26, 31}, {30, 34}};
    fillMask(image, polygonMask(kMedalSize, kMedalSize, tails), 0, 0, rgb(170, 40, 30));
    fillMask(image, polygonMask(kMedalSize, kMedalSize, tails2), 0, 0, rgb(40, 70, 160));
    Mask disc = ellipseMask(28, 28);
    dropShadow(image, disc, 4, 1, 1, 1, 1, 0.6f);
    fillMask(image, disc, 4, 1, [&](int x, int y) { return mix(shine, metal, std::min(1.0f, (x + y) / 40.0f)); });
    bevel(image, disc, 4, 1, 3, 0.8f);
    strokeInside(image, disc, 4, 1, 0, 1.2f, scaled(metal, 0.45f));
    strokeInside(image, disc, 4, 1, 4, 1, scaled(metal, 0.65f));
    // A five-pointed star.
    std::vector<Point> star;
    for (int i = 0; i < 10; ++i) {
        float a = -1.5708f + i * 3.14159f / 5, r = (i % 2 == 0) ? 8.5f : 3.6f;
        star.push_back({18 + r * std::cos(a), 15.5f + r * std::sin(a)});
    }
    Mask s = polygonMask(kMedalSize, kMedalSize, star);
    fillMask(image, s, 0, 0, scaled(shine, 1.05f));
    bevel(image, s, 0, 0, 1.5f, 0.8f);
    strokeInside(image, s, 0, 0, 0, 0.8f, scaled(metal, 0.5f));
    return image;
}

Image winBanner(const std::string& words, int width)
{
    Image image(width, kWinHeight);
    std::vector<Point> ribbon = {{4, 14}, {float(width - 4), 14}, {float(width - 20), 38}, {float(width - 4), 62},
                                 {4, 62}, {20, 38}};
    if (width < 120) ribbon = {{3, 8}, {float(width - 3), 8}, {float(width - 3), 64}, {3, 64}};
    Mask band = polygonMask(width, kWinHeight, ribbon);
    dropShadow(image, band, 0, 0, 2, 3, 2, 0.6f);
    fillMask(image, band, 0, 0, [](int x, int y) { return scaled(rgb(40, 86, 150), 0.85f + 0.2f * fbm(x * 0.03f, y * 0.2f, 3, 19)); });
    bevel(image, band, 0, 0, 3, 0.5f);
    strokeInside(image, band, 0, 0, 0, 1.5f, rgb(14, 24, 50));
    strokeInside(image, band, 0, 0, 4, 1.2f, rgb(255, 220, 140, 0.75f));
    LetteringStyle s = goldLettering();
    s.outlineWidth = 2.5f;
    int margin = width < 120 ? 8 : 30;
    drawLettering(image, words, margin, 10, width - 2 * margin, 56, s);
    return image;
}

Image holeTitle(const std::string& words)
{
    Image image(kHoleTitleWidth, kHoleTitleHeight);
    BoardStyle board;
    board.seed = 700 + uint32_t(words.size());
    board.plankHeight = 25;
    board.radius = 7;
    drawBoard(image, 2, 2, kHoleTitleWidth - 6, kHoleTitleHeight - 7, board);
    LetteringStyle s = goldLettering();
    drawLettering(image, words, 14, 4, kHoleTitleWidth - 28, kHoleTitleHeight - 12, s);
    return image;
}

Image parPlate(int par)
{
    Image image(kParWidth, kParHeight);
    BoardStyle board;
    board.seed = 800 + uint32_t(par);
    board.paint = 1;
    board.paintColour = rgb(60, 96, 56);
    board.plankHeight = 20;
    board.radius = 6;
    drawBoard(image, 2, 2, kParWidth - 6, kParHeight - 7, board);
    drawLettering(image, "Par " + std::to_string(par), 14, 3, kParWidth - 28, kParHeight - 10, paintedLettering());
    return image;
}

void generateHudPictures(ContentOutput& output)
{
    for (int p = 1; p <= 4; ++p) {
        savePicture(output, "player" + std::to_string(p) + ".png", playerPlate(p));
        savePicture(output, "player" + std::to_string(p) + "turn.png", turnBanner(p));
        savePicture(output, "p" + std::to_string(p) + "win.png", winBanner("Player " + std::to_string(p) + " Wins!", kWinWidth));
    }
    for (int d = 0; d <= 9; ++d) savePicture(output, std::to_string(d) + ".png", digitPicture(std::to_string(d)));
    savePicture(output, "blank.png", digitPicture(""));
    savePicture(output, "plus.png", digitPicture("+"));
    savePicture(output, "minus.png", digitPicture("-"));
    for (const ResultBanner& b : kResults) savePicture(output, b.file, resultBanner(b));
    savePicture(output, "outofbounds.png", outOfBounds());
    for (int i = 0; i <= kMeterSegments; ++i) savePicture(output, "power_" + std::to_string(i) + ".png", powerMeter(i));
    savePicture(output, "camnormal.png", cameraIcon(false));
    savePicture(output, "camtop.png", cameraIcon(true));
    savePicture(output, "bucktext.png", caption());
    savePicture(output, "black_cutscreen.jpg", Image(kLetterboxWidth, kLetterboxHeight, rgb(0, 0, 0)));
    LetteringStyle total = goldLettering();
    // The word stands over the total's digits, which sit 10 to 68 px right of the picture's corner.
    Image totalHeader(kTotalWidth, kTotalHeight);
    drawSignWords(totalHeader, "Total", 0, 0, 86, kTotalHeight, 28, total);
    savePicture(output, "total.png", totalHeader);
    savePicture(output, "gold.png", medal(rgb(200, 140, 30), rgb(255, 236, 140)));
    savePicture(output, "silver.png", medal(rgb(130, 136, 146), rgb(246, 248, 252)));
    savePicture(output, "copper.png", medal(rgb(150, 76, 36), rgb(250, 176, 120)));
    savePicture(output, "tie.png", winBanner("Tie!", kTieWidth));
    for (int h = 1; h <= 18; ++h) savePicture(output, "hole" + std::to_string(h) + ".png", holeTitle("Hole " + std::to_string(h)));
    savePicture(output, "practice.png", holeTitle("Practice"));
    for (int par = 2; par <= 5; ++par) savePicture(output, "par" + std::to_string(par) + ".png", parPlate(par));
}

}  // namespace

REGISTER_GENERATOR(pictures_hud, generateHudPictures);
