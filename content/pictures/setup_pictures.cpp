// The screens between the main menu and the first hole: course select, options
// and player set-up, with the big panel, titles, arrows and navigation buttons
// they share.
#include <cmath>
#include <string>

#include "content/art/noise.h"
#include "content/output.h"
#include "content/pictures/picture_kit.h"
#include "content/registry.h"

using namespace pictures;

namespace {

constexpr int kPanelWidth = 760, kPanelHeight = 540;
constexpr int kTitleWidth = 374, kTitleHeight = 60;
constexpr int kFrameWidth = 340, kFrameHeight = 260, kFrameBorder = 12;
constexpr int kArrowSize = 44;
constexpr int kNavWidth = 130, kNavHeight = 48, kStartWidth = 120;
constexpr int kLabelWidth = 340, kLabelHeight = 44;
constexpr float kLabelEm = 30;          // one size for every options label
constexpr float kValueEm = 23;          // one size for every options value
constexpr int kWideValueWidth = 190, kNarrowValueWidth = 90, kValueHeight = 44;
constexpr int kTableWidth = 700, kTableHeight = 110, kStripHeight = 35;
constexpr int kIconSize = 26;
constexpr int kKindWidth = 80, kKindHeight = 60;
constexpr int kLevelWidth = 100, kLevelHeight = 22;
constexpr float kFadedOpacity = 0.38f;

const Rgba kGoPaint = rgb(70, 116, 60);   // next and start: cactus green
const Rgba kBackPaint = rgb(150, 62, 34);

Image panel()
{
    Image image(kPanelWidth, kPanelHeight);
    BoardStyle board;
    board.wood = kDarkWood;
    board.plankHeight = 45;
    board.radius = 10;
    board.seed = 901;
    board.nails = false;
    board.shadow = false;
    drawBoard(image, 0, 0, kPanelWidth, kPanelHeight, board);
    // A painted pinstripe and nails in the corners, thin enough for the buttons near the rim.
    Mask inner = roundedRectMask(kPanelWidth, kPanelHeight, 10);
    strokeInside(image, inner, 0, 0, 7, 1.6f, rgb(226, 188, 120, 0.65f));
    for (int cx : {12, kPanelWidth - 13})
        for (int cy : {12, kPanelHeight - 13}) drawNail(image, float(cx), float(cy), 2.6f);
    return image;
}

Image titleSign(const std::string& words, uint32_t seed)
{
    Image image(kTitleWidth, kTitleHeight);
    BoardStyle board;
    board.seed = seed;
    board.plankHeight = 28;
    board.radius = 9;
    board.wood = kSaddle;
    drawBoard(image, 3, 2, kTitleWidth - 7, kTitleHeight - 6, board);
    drawRopeFrame(image, 10, 8, kTitleWidth - 21, kTitleHeight - 18, 3.2f);
    LetteringStyle s = goldLettering();
    s.outlineWidth = 2.5f;
    drawLettering(image, words, 24, 9, kTitleWidth - 48, kTitleHeight - 18, s);
    return image;
}

// The slideshow frame: carved wood with a brass lip; the opening is dark so that
// the fading pictures fade from darkness.
Image pictureFrame()
{
    Image image(kFrameWidth, kFrameHeight);
    Mask outer = roundedRectMask(kFrameWidth, kFrameHeight, 4);
    fillMask(image, outer, 0, 0, [](int x, int y) { return woodAt(float(x + y), float(y - x) * 0.2f, 77, kSaddle); });
    bevel(image, outer, 0, 0, 5, 0.7f);
    strokeInside(image, outer, 0, 0, 0, 1.2f, rgb(30, 14, 4));
    const int inset = kFrameBorder - 3;
    Mask lip = roundedRectMask(kFrameWidth - 2 * inset, kFrameHeight - 2 * inset, 2);
    fillMask(image, lip, inset, inset, [&](int x, int y) { return brassAt(float(x), float(y), float(lip.height)); });
    Mask opening = rectMask(kFrameWidth - 2 * kFrameBorder, kFrameHeight - 2 * kFrameBorder);
    fillMask(image, opening, kFrameBorder, kFrameBorder, rgb(22, 14, 8));
    for (int cx : {6, kFrameWidth - 7})
        for (int cy : {6, kFrameHeight - 7}) drawNail(image, float(cx), float(cy), 2.2f);
    return image;
}

// The course emblem: a buck's head in a brass-rimmed medallion.
Image buckEmblem()
{
    const int size = 180;
    Image image(size, size);
    Mask disc = ellipseMask(172, 172);
    dropShadow(image, disc, 3, 3, 2, 3, 3, 0.6f);
    fillMask(image, disc, 3, 3, [](int x, int y) { return brassAt(float(x), float(y), 172); });
    bevel(image, disc, 3, 3, 4, 0.7f);
    Mask face = ellipseMask(148, 148);
    fillMask(image, face, 15, 15, [](int x, int y) { return parchmentAt(float(x), float(y), 55); });
    edgeDarken(image, face, 15, 15, 16, 0.7f, rgb(120, 66, 24));
    strokeInside(image, face, 15, 15, 0, 1.5f, rgb(70, 40, 10));
    // The head, facing us: muzzle, face, ears.
    const Rgba hide = rgb(92, 50, 22), dark = rgb(46, 22, 8);
    std::vector<Point> head = {{78, 72}, {102, 72}, {108, 92}, {100, 118}, {96, 136}, {90, 142}, {84, 136}, {80, 118}, {72, 92}};
    std::vector<Point> earL = {{74, 80}, {50, 70}, {58, 84}, {74, 90}};
    std::vector<Point> earR = {{106, 80}, {130, 70}, {122, 84}, {106, 90}};
    for (const auto* shape : {&earL, &earR, &head}) {
        Mask m = polygonMask(size, size, *shape);
        fillMask(image, m, 0, 0, [&](int x, int y) { return mix(hide, rgb(150, 96, 50), std::max(0.0f, 1.0f - std::fabs(x - 90.0f) / 22.0f) * (y < 120 ? 0.6f : 0.2f)); });
        strokeInside(image, m, 0, 0, 0, 1.6f, dark);
    }
    drawDisc(image, 90, 138, 5, dark);                // nose
    drawDisc(image, 81, 94, 3, dark);                 // eyes
    drawDisc(image, 99, 94, 3, dark);
    // Antlers: a main beam on each side with three tines.
    auto antler = [&](float side) {
        auto X = [&](float dx) { return 90 + side * dx; };
        drawLine(image, X(8), 72, X(22), 52, 5, dark);
        drawLine(image, X(22), 52, X(44), 40, 4.5f, dark);
        drawLine(image, X(44), 40, X(56), 24, 4, dark);
        drawLine(image, X(24), 50, X(20), 30, 3.5f, dark);
        drawLine(image, X(36), 44, X(36), 24, 3.5f, dark);
        drawLine(image, X(46), 38, X(60), 42, 3, dark);
    };
    antler(-1);
    antler(1);
    TextStyle est = paperHeading(13);
    est.fill = rgb(120, 40, 16);
    drawText(image, "EST. 1879", 90, 154, 0, est);
    return image;
}

// A round painted knob with an arrow-head pointing left or right.
Image arrowButton(bool right)
{
    Image image(kArrowSize, kArrowSize);
    Mask disc = ellipseMask(36, 36);
    dropShadow(image, disc, 4, 3, 1, 2, 2, 0.6f);
    fillMask(image, disc, 4, 3, [](int x, int y) { return woodAt(float(x) * 3, float(y), 31, kRust); });
    bevel(image, disc, 4, 3, 3, 0.7f);
    strokeInside(image, disc, 4, 3, 0, 1.2f, rgb(40, 16, 6));
    strokeInside(image, disc, 4, 3, 3, 1.4f, rgb(240, 196, 110, 0.85f));
    float cx = 22, cy = 21, s = right ? 1.0f : -1.0f;
    std::vector<Point> head = {{cx + s * 9, cy}, {cx - s * 6, cy - 10}, {cx - s * 6, cy + 10}};
    Mask tri = polygonMask(kArrowSize, kArrowSize, head);
    Mask outline = dilated(tri, 1.6f);
    fillMask(image, outline, -2, -2, rgb(40, 16, 6));
    fillMask(image, tri, 0, 0, [](int, int y) { return mix(rgb(255, 246, 214), rgb(240, 196, 120), y / 30.0f); });
    return image;
}

// Options labels: left-aligned, one em size for all so they line up as a column.
Image labelPicture(const std::string& words)
{
    Image image(kLabelWidth, kLabelHeight);
    TextStyle s;
    s.face = FontFace::Poster;
    s.size = kLabelEm;
    s.fill = rgb(255, 240, 204);
    s.outline = rgb(36, 16, 6);
    s.outlineWidth = 2;
    s.shadow = rgb(0, 0, 0, 0.55f);
    s.shadowOffset = 2;
    drawText(image, words, 4, 31, -1, s);
    return image;
}

Image valuePicture(int width, const std::string& words)
{
    Image image(width, kValueHeight);
    Mask tag = roundedRectMask(width - 4, kValueHeight - 8, 6);
    fillMask(image, tag, 2, 4, rgb(24, 14, 8, 0.55f));
    strokeInside(image, tag, 2, 4, 0, 1, rgb(226, 188, 120, 0.5f));
    LetteringStyle s = goldLettering();
    s.outlineWidth = 2;
    s.shadowOffset = 1;
    drawSignWords(image, words, 6, 4, width - 12, kValueHeight - 8, kValueEm, s);
    return image;
}

Image restartNotice()
{
    Image image(560, 36);
    TextStyle s;
    s.face = FontFace::Slab;
    s.size = 20;
    s.fill = rgb(255, 226, 170);
    s.outline = rgb(30, 14, 4);
    s.outlineWidth = 1.6f;
    s.shadow = rgb(0, 0, 0, 0.5f);
    s.shadowOffset = 1;
    drawText(image, "Changes take effect when the game is restarted", 4, 25, -1, s);
    return image;
}

// A shaded ball swatch with room around it for the selection ring.
Image ballIcon(const Rgba& colour)
{
    Image image(kIconSize, kIconSize);
    const float c = 13, r = 8.5f;
    drawDisc(image, c + 1, c + 1.5f, r + 1, rgb(0, 0, 0, 0.5f));
    drawDisc(image, c, c, r + 1, rgb(20, 12, 6));
    for (int y = 0; y < kIconSize; ++y)
        for (int x = 0; x < kIconSize; ++x) {
            float dx = x + 0.5f - c, dy = y + 0.5f - c, d = std::hypot(dx, dy);
            float cover = std::clamp(r - d + 0.5f, 0.0f, 1.0f);
            if (cover <= 0) continue;
            float light = std::clamp(0.9f - (dx * 0.6f + dy * 0.8f) / r * 0.55f - d / r * 0.35f, 0.25f, 1.2f);
            Rgba shade = scaled(colour, light);
            float highlight = std::max(0.0f, 1 - std::hypot(dx + 3, dy + 3.5f) / 3.2f);
            blendPixel(image, x, y, mix(shade, rgb(255, 255, 255), highlight * 0.85f), cover);
        }
    return image;
}

// The kind icons: a cowboy hat for a human player, a clockwork automaton for the computer.
Image kindIcon(bool computer, bool faded)
{
    Image image(kKindWidth, kKindHeight);
    Mask tile = roundedRectMask(62, 52, 6);
    fillMask(image, tile, 9, 4, [](int x, int y) { return parchmentAt(float(x), float(y), 88); });
    edgeDarken(image, tile, 9, 4, 8, 0.6f, rgb(120, 66, 24));
    strokeInside(image, tile, 9, 4, 0, 1.2f, rgb(70, 36, 12));
    const Rgba ink = rgb(62, 32, 12);
    if (!computer) {
        std::vector<Point> brim = {{20, 30}, {30, 27}, {50, 27}, {60, 30}, {56, 33}, {40, 31}, {24, 33}};
        std::vector<Point> crown = {{29, 28}, {31, 14}, {37, 12}, {40, 15}, {43, 12}, {49, 14}, {51, 28}};
        fillMask(image, polygonMask(kKindWidth, kKindHeight, crown), 0, 0, rgb(120, 72, 34));
        fillMask(image, polygonMask(kKindWidth, kKindHeight, brim), 0, 0, rgb(96, 56, 24));
        drawLine(image, 30, 25, 50, 25, 2.4f, rgb(60, 28, 10));
    } else {
        Mask head = roundedRectMask(22, 18, 3);
        fillMask(image, head, 29, 12, [&](int x, int y) { return brassAt(float(x), float(y), 18); });
        strokeInside(image, head, 29, 12, 0, 1, ink);
        drawDisc(image, 35, 20, 2.4f, ink);
        drawDisc(image, 45, 20, 2.4f, ink);
        drawLine(image, 35, 26, 45, 26, 1.4f, ink);
        drawLine(image, 40, 12, 40, 7, 1.4f, ink);
        drawDisc(image, 40, 6.5f, 2, rgb(200, 60, 30));
        drawDisc(image, 27, 20, 2.5f, ink);  // bolts
        drawDisc(image, 53, 20, 2.5f, ink);
    }
    TextStyle caption = paperHeading(12);
    caption.fill = ink;
    caption.shadow = rgb(0, 0, 0, 0);
    drawText(image, computer ? "Computer" : "Human", 40, 49, 0, caption);
    if (faded)
        for (Rgba& p : image.pixels) p.a *= kFadedOpacity;
    return image;
}

Image levelPicture(const std::string& words, bool faded)
{
    Image image(kLevelWidth, kLevelHeight);
    TextStyle s;
    s.face = FontFace::Slab;
    s.size = 17;
    s.fill = rgb(255, 236, 196);
    s.outline = rgb(30, 14, 4);
    s.outlineWidth = 1.6f;
    s.shadow = rgb(0, 0, 0, 0.5f);
    s.shadowOffset = 1;
    drawText(image, words, kLevelWidth / 2, 16, 0, s);
    if (faded)
        for (Rgba& p : image.pixels) p.a *= kFadedOpacity;
    return image;
}

// Row layout of the open table, in the row's own coordinates (see the player set-up screen).
void drawTableSection(Image& image, int x, int y, int w, int h, const std::string& heading)
{
    Mask inset = roundedRectMask(w, h, 5);
    fillMask(image, inset, x, y, rgb(20, 10, 4, 0.35f));
    strokeInside(image, inset, x, y, 0, 1, rgb(230, 190, 120, 0.35f));
    if (heading.empty()) return;
    TextStyle s;
    s.face = FontFace::Slab;
    s.size = 11;
    s.fill = rgb(246, 214, 150);
    s.tracking = 1;
    drawText(image, heading, x + w / 2, y - 2, 0, s);
}

// A lucky horseshoe nailed to the table's free end.
void drawHorseshoe(Image& image, float cx, float cy)
{
    const float r = 13;
    for (int pass = 0; pass < 2; ++pass) {
        float width = pass == 0 ? 8.0f : 5.0f;
        Rgba colour = pass == 0 ? rgb(30, 16, 8, 0.9f) : rgb(150, 140, 128);
        for (int i = 0; i < 24; ++i) {
            float a0 = (-30 + 240.0f * i / 24) * 3.14159f / 180, a1 = (-30 + 240.0f * (i + 1) / 24) * 3.14159f / 180;
            drawLine(image, cx + r * std::cos(a0), cy + r * std::sin(a0) + (pass ? 0 : 1), cx + r * std::cos(a1),
                     cy + r * std::sin(a1) + (pass ? 0 : 1), width, colour);
        }
    }
    for (int i = 0; i < 6; ++i) {
        float a = (-10 + 200.0f * i / 5) * 3.14159f / 180;
        drawDisc(image, cx + r * std::cos(a), cy + r * std::sin(a), 1.1f, rgb(40, 30, 24));
    }
}

Image playerTable()
{
    Image image(kTableWidth, kTableHeight);
    BoardStyle board;
    board.seed = 1201;
    board.wood = rgb(120, 80, 48);
    board.plankHeight = 36;
    board.radius = 8;
    board.nails = false;
    drawBoard(image, 1, 1, kTableWidth - 4, kTableHeight - 5, board);
    // Kind (human and computer icons), colour grid, difficulty column; the right end
    // stays plain wood where the back and start buttons sit beside the last row.
    drawTableSection(image, 66, 20, 178, 78, "");
    drawTableSection(image, 244, 4, 98, 98, "");
    drawTableSection(image, 354, 14, 112, 84, "");
    TextStyle s;
    s.face = FontFace::Slab;
    s.size = 11;
    s.fill = rgb(246, 214, 150);
    s.tracking = 1;
    drawText(image, "SKILL", 410, 12, 0, s);
    drawBrassCorners(image, 1, 1, kTableWidth - 4, kTableHeight - 5, 14);
    drawHorseshoe(image, 640, 26);
    return image;
}

Image collapsedStrip()
{
    Image image(kTableWidth, kTableHeight - 10);  // 700 x 100: the strip is the top 35 px
    BoardStyle board;
    board.seed = 1301;
    board.wood = rgb(120, 80, 48);
    board.plankHeight = 32;
    board.radius = 7;
    board.nails = true;
    drawBoard(image, 1, 1, kTableWidth - 4, kStripHeight - 3, board);
    LetteringStyle s = paintedLettering();
    s.outlineWidth = 1.8f;
    drawLettering(image, "+  Click to add a player", 120, 2, kTableWidth - 240, kStripHeight - 5, s);
    for (int y = kStripHeight; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) image.at(x, y) = Rgba{0, 0, 0, 0};
    return image;
}

Image playerTag(int player)
{
    Image image(56, 28);
    Mask plate = roundedRectMask(50, 24, 4);
    dropShadow(image, plate, 2, 1, 1, 1, 1, 0.5f);
    fillMask(image, plate, 2, 1, [](int x, int y) { return brassAt(float(x), float(y), 24); });
    bevel(image, plate, 2, 1, 2, 0.6f);
    strokeInside(image, plate, 2, 1, 0, 1, rgb(70, 46, 14));
    LetteringStyle s = inkLettering();
    s.outline = rgb(255, 236, 170, 0.6f);
    s.outlineWidth = 1;
    s.shadowOffset = 0;
    drawLettering(image, numbered("P", player), 6, 2, 42, 22, s);
    return image;
}

Image collapseButton()
{
    Image image(30, 30);
    Mask disc = ellipseMask(24, 24);
    dropShadow(image, disc, 3, 2, 1, 1, 1, 0.6f);
    fillMask(image, disc, 3, 2, kBackPaint);
    bevel(image, disc, 3, 2, 2.5f, 0.7f);
    strokeInside(image, disc, 3, 2, 0, 1, rgb(40, 14, 4));
    drawLine(image, 11, 10, 19, 18, 4.4f, rgb(40, 14, 4));
    drawLine(image, 19, 10, 11, 18, 4.4f, rgb(40, 14, 4));
    drawLine(image, 11, 10, 19, 18, 2.2f, kCream);
    drawLine(image, 19, 10, 11, 18, 2.2f, kCream);
    return image;
}

Image colourRing()
{
    Image image(kIconSize, kIconSize);
    for (int y = 0; y < kIconSize; ++y)
        for (int x = 0; x < kIconSize; ++x) {
            float d = std::hypot(x + 0.5f - 13, y + 0.5f - 13);
            float dark = std::clamp(2.4f - std::fabs(d - 11.0f), 0.0f, 1.0f);
            float gold = std::clamp(1.4f - std::fabs(d - 11.0f), 0.0f, 1.0f);
            if (dark > 0) blendPixel(image, x, y, rgb(40, 16, 4), dark);
            if (gold > 0) blendPixel(image, x, y, mix(rgb(255, 240, 150), rgb(236, 160, 40), (y + 0.5f) / 26.0f), gold);
        }
    return image;
}

// A gold frame outline of the whole picture, with a dark keyline for contrast.
Image selectionFrame(int w, int h)
{
    Image image(w, h);
    Mask box = roundedRectMask(w, h, 7);
    strokeInside(image, box, 0, 0, 0, 4.2f, rgb(40, 16, 4));
    strokeInside(image, box, 0, 0, 1, 2.4f, rgb(255, 214, 90));
    strokeInside(image, box, 0, 0, 1, 0.9f, rgb(255, 248, 200));
    return image;
}

// Corner brackets left and right of a word.
Image difficultyBracket()
{
    const int w = 62, h = 28;
    Image image(w, h);
    auto bracket = [&](float x, float dir, const Rgba& c, float width) {
        drawLine(image, x, 3, x, h - 3, width, c);
        drawLine(image, x, 3, x + dir * 7, 3, width, c);
        drawLine(image, x, h - 3, x + dir * 7, h - 3, width, c);
    };
    bracket(3, 1, rgb(40, 16, 4), 4.2f);
    bracket(w - 3, -1, rgb(40, 16, 4), 4.2f);
    bracket(3, 1, rgb(255, 210, 80), 2.2f);
    bracket(w - 3, -1, rgb(255, 210, 80), 2.2f);
    return image;
}

void generateCourseSelect(ContentOutput& output)
{
    Image back = panel();
    savePicture(output, "optionback.png", back);
    savePicture(output, "optionBack.png", back);  // named by the preload list; no screen shows it
    Image courseTitle = titleSign("Choose the Holes", 1401);
    savePicture(output, "courseseltext.png", courseTitle);
    savePicture(output, "coursese1text.png", courseTitle);  // named by the preload list; no screen shows it
    savePicture(output, "playerseltext.png", titleSign("Players", 1402));
    savePicture(output, "optionstext.png", titleSign("Options", 1403));
    savePicture(output, "picturebox.png", pictureFrame());
    savePicture(output, "coursenametxt.png", wordPicture(320, 50, "Buckhorn Gulch", goldLettering()));
    savePicture(output, "buck.png", buckEmblem());
    savePicture(output, "holesnumtxt.png", wordPicture(230, 44, "Holes to Play", paintedLettering()));
    LetteringStyle range = goldLettering();
    savePicture(output, "1-9.png", wordPicture(110, 50, "1–9", range));
    savePicture(output, "9-18.png", wordPicture(110, 50, "9-18", range));  // the range as the course select names it
    savePicture(output, "1-18.png", wordPicture(110, 50, "1–18", range));
    for (bool right : {false, true}) {
        Image arrow = arrowButton(right);
        std::string name = right ? "arrowRight" : "arrowLeft";
        savePicture(output, name + ".png", arrow);
        savePicture(output, name + "Hover.png", litVersion(arrow));
        savePicture(output, name + "Press.png", pressedVersion(arrow));
    }
    ButtonSet backButton = signButton(kNavWidth, kNavHeight, "Back", kBackPaint, 1501);
    savePicture(output, "back.png", backButton.normal);
    savePicture(output, "backhover.png", backButton.lit);
    savePicture(output, "backpress.png", backButton.pressed);
    ButtonSet next = signButton(kNavWidth, kNavHeight, "Next", kGoPaint, 1502);
    savePicture(output, "next.png", next.normal);
    savePicture(output, "nexthover.png", next.lit);
    ButtonSet start = signButton(kStartWidth, kNavHeight, "Start", kGoPaint, 1503);
    savePicture(output, "startButton.png", start.normal);
    savePicture(output, "startButtonPress.png", start.lit);  // the start button's hover picture
}

void generateOptions(ContentOutput& output)
{
    const std::pair<const char*, const char*> labels[] = {
        {"screenResolution.png", "Screen Resolution"}, {"windowFull.png", "Display"},
        {"shader.png", "Shaders"},                     {"textureQuality.png", "Texture Quality"},
        {"graphics.png", "Graphics Quality"},          {"sound.png", "Sound Effects"},
        {"music.png", "Music"}};
    for (const auto& [file, words] : labels) savePicture(output, file, labelPicture(words));
    const std::pair<const char*, const char*> wide[] = {
        {"800.png", "800 × 600"},   {"1024.png", "1024 × 768"}, {"1152.png", "1152 × 864"},
        {"768.png", "1280 × 720"},  {"1280.png", "1280 × 800"}, {"window.png", "Windowed"},
        {"fullscreen.png", "Full Screen"}};
    for (const auto& [file, words] : wide) savePicture(output, file, valuePicture(kWideValueWidth, words));
    const std::pair<const char*, const char*> narrow[] = {{"on.png", "On"}, {"off.png", "Off"}, {"low.png", "Low"}, {"high.png", "High"}};
    for (const auto& [file, words] : narrow) savePicture(output, file, valuePicture(kNarrowValueWidth, words));
    savePicture(output, "restart.png", restartNotice());
}

void generatePlayerSetup(ContentOutput& output)
{
    savePicture(output, "playerTable.png", playerTable());
    savePicture(output, "playerTableCallapse.png", collapsedStrip());
    for (int p = 1; p <= 4; ++p) savePicture(output, numbered("p", p, ".png"), playerTag(p));
    const std::pair<const char*, Rgba> balls[] = {
        {"redIcon.png", rgb(214, 36, 30)},    {"orangeIcon.png", rgb(246, 130, 30)}, {"yellowIcon.png", rgb(246, 216, 40)},
        {"greenIcon.png", rgb(60, 170, 60)},  {"aquaIcon.png", rgb(84, 60, 190)},    {"blueIcon.png", rgb(40, 110, 226)},
        {"purpleIcon.png", rgb(150, 50, 170)}, {"blackIcon.png", rgb(44, 44, 48)},   {"whiteIcon.png", rgb(246, 246, 240)}};
    for (const auto& [file, colour] : balls) savePicture(output, file, ballIcon(colour));
    savePicture(output, "human.png", kindIcon(false, false));
    savePicture(output, "computer.png", kindIcon(true, false));
    savePicture(output, "computerFade.png", kindIcon(true, true));
    const std::pair<const char*, const char*> levels[] = {{"easy", "Easy"}, {"med", "Medium"}, {"hard", "Hard"}};
    for (const auto& [file, words] : levels) {
        savePicture(output, std::string(file) + ".png", levelPicture(words, false));
        savePicture(output, std::string(file) + "tran.png", levelPicture(words, true));
    }
    savePicture(output, "collapse.png", collapseButton());
    savePicture(output, "colorSelector.png", colourRing());
    savePicture(output, "modeSelector.png", selectionFrame(68, 58));
    savePicture(output, "diffSelect.png", difficultyBracket());
}

void generateSetupPictures(ContentOutput& output)
{
    generateCourseSelect(output);
    generateOptions(output);
    generatePlayerSetup(output);
}

}  // namespace

REGISTER_GENERATOR(pictures_setup, generateSetupPictures);
