// The main menu: its panel, five buttons with their hover pictures, the logo,
// and the cursors.
#include <string>

#include "content/art/noise.h"
#include "content/output.h"
#include "content/pictures/picture_kit.h"
#include "content/registry.h"

using namespace pictures;

namespace {

constexpr int kMenuPanelWidth = 350, kMenuPanelHeight = 370;
constexpr int kLogoWidth = 329, kLogoHeight = 110;
constexpr int kCursorSize = 32;

struct MenuButton {
    const char* normal;
    const char* hover;
    int width;
    const char* words;
    uint32_t seed;
};

// Hover pictures named "...Press" are used as the hover state by the menu.
const MenuButton kMenuButtons[] = {
    {"play.png", "playhover.png", 167, "Play", 11},
    {"optionButton.png", "optionButtonPress.png", 167, "Options", 12},
    {"howtoplay.png", "howtoplayhover.png", 225, "How to Play", 13},
    {"credits.png", "creditshover.png", 193, "Credits", 14},
    {"quitb.png", "quitbhover.png", 167, "Quit", 15},
};
constexpr int kMenuButtonHeight = 56;

Image menuPanel()
{
    Image image(kMenuPanelWidth, kMenuPanelHeight);
    BoardStyle board;
    board.wood = kDarkWood;
    board.plankHeight = 37;
    board.radius = 10;
    board.seed = 3;
    board.nails = false;
    drawBoard(image, 2, 2, kMenuPanelWidth - 6, kMenuPanelHeight - 7, board);
    drawRopeFrame(image, 10, 10, kMenuPanelWidth - 22, kMenuPanelHeight - 23, 5);
    drawBrassCorners(image, 2, 2, kMenuPanelWidth - 6, kMenuPanelHeight - 7, 22);
    return image;
}

Image logo()
{
    Image image(kLogoWidth, kLogoHeight);
    // A board with the name, and a red ribbon below with "Mini Golf".
    BoardStyle board;
    board.wood = kSaddle;
    board.plankHeight = 24;
    board.radius = 12;
    board.seed = 21;
    drawBoard(image, 6, 4, kLogoWidth - 12, 76, board);
    LetteringStyle title = goldLettering();
    title.outlineWidth = 3.0f;
    title.tracking = 1.0f;
    drawLettering(image, "Tallowick", 18, 6, kLogoWidth - 36, 70, title);
    std::vector<Point> ribbon = {{70, 70}, {259, 70}, {272, 86}, {259, 104}, {70, 104}, {57, 86}};
    Mask band = polygonMask(kLogoWidth, kLogoHeight, ribbon);
    dropShadow(image, band, 0, 0, 1, 2, 2, 0.6f);
    fillMask(image, band, 0, 0, [](int x, int y) {
        return scaled(kRust, 0.9f + 0.15f * fbm(x * 0.05f, y * 0.2f, 2, 5));
    });
    bevel(image, band, 0, 0, 3, 0.5f);
    strokeInside(image, band, 0, 0, 0, 1.2f, rgb(60, 20, 6));
    strokeInside(image, band, 0, 0, 3, 1, rgb(255, 220, 150, 0.55f));
    LetteringStyle small = paintedLettering();
    small.outlineWidth = 1.5f;
    small.tracking = 3.0f;
    drawLettering(image, "MINI GOLF", 80, 71, 170, 32, small);
    return image;
}

// An arrow pointer with its tip at (1, 1): the hot spot is the top-left corner.
Image arrowCursor()
{
    Image image(kCursorSize, kCursorSize);
    std::vector<Point> arrow = {{1, 1}, {1, 24}, {7, 18.5f}, {11.5f, 28}, {15.5f, 26}, {11, 17}, {19, 17}};
    Mask shape = polygonMask(kCursorSize, kCursorSize, arrow);
    Mask outline = dilated(shape, 1.4f);
    dropShadow(image, outline, -2, -2, 2, 2, 1, 0.45f);
    fillMask(image, outline, -2, -2, rgb(40, 18, 6));
    fillMask(image, shape, 0, 0, [](int, int y) { return mix(rgb(255, 240, 200), kGold, y / 28.0f); });
    return image;
}

// A pointing gloved hand, the fingertip at the top-left corner.
Image handCursor()
{
    Image image(kCursorSize, kCursorSize);
    Mask shape = rectMask(kCursorSize, kCursorSize);
    std::fill(shape.coverage.begin(), shape.coverage.end(), 0.0f);
    auto addEllipse = [&](float x, float y, float w, float h) {
        Mask e = ellipseMask(int(w), int(h));
        for (int my = 0; my < e.height; ++my)
            for (int mx = 0; mx < e.width; ++mx) {
                int tx = int(x) + mx, ty = int(y) + my;
                if (tx < 0 || ty < 0 || tx >= kCursorSize || ty >= kCursorSize) continue;
                float& c = shape.coverage[size_t(ty) * kCursorSize + tx];
                c = std::max(c, e.at(mx, my));
            }
    };
    addEllipse(1, 1, 7, 18);     // pointing finger
    addEllipse(6, 10, 7, 11);    // folded fingers
    addEllipse(11, 11, 7, 11);
    addEllipse(16, 12, 7, 11);
    addEllipse(2, 13, 21, 15);   // palm and back of the hand
    addEllipse(5, 21, 17, 10);   // cuff
    Mask outline = dilated(shape, 1.4f);
    dropShadow(image, outline, -2, -2, 2, 2, 1, 0.45f);
    fillMask(image, outline, -2, -2, rgb(40, 18, 6));
    fillMask(image, shape, 0, 0, [](int x, int y) {
        return mix(rgb(255, 236, 196), rgb(214, 160, 96), std::min(1.0f, (x + y) / 44.0f));
    });
    // Knuckle lines.
    drawLine(image, 11.5f, 13, 11.5f, 19, 1, rgb(120, 70, 30, 0.8f));
    drawLine(image, 16.5f, 14, 16.5f, 20, 1, rgb(120, 70, 30, 0.8f));
    drawLine(image, 6, 26, 20, 26, 1.2f, rgb(120, 70, 30, 0.8f));
    return image;
}

void generateMenuPictures(ContentOutput& output)
{
    Image panel = menuPanel();
    savePicture(output, "menuBack.png", panel);
    savePicture(output, "menuback.png", panel);  // named by the preload list; no screen shows it
    for (const MenuButton& b : kMenuButtons) {
        ButtonSet set = signButton(b.width, kMenuButtonHeight, b.words, kRust, b.seed);
        savePicture(output, b.normal, set.normal);
        savePicture(output, b.hover, set.lit);
    }
    savePicture(output, "tallowick.png", logo());
    savePicture(output, "cursor.png", arrowCursor());
    savePicture(output, "cursorHand.png", handCursor());
}

}  // namespace

REGISTER_GENERATOR(pictures_menu, generateMenuPictures);
