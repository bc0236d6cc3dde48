// Review aid, off by default: with TALLOWICK_MOCKUPS=<folder> in the environment the
// content tool composes every front-end screen and the HUD from the generated
// pictures at the screens' layout positions, at 800 x 600 and 1280 x 800, and writes
// a sheet of all pictures. Run it after the pictures exist:
//   TALLOWICK_MOCKUPS=/tmp/mockups tallowick_content <Contents> review_mockups
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "content/art/image.h"
#include "content/art/panels.h"
#include "content/output.h"
#include "content/registry.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#include <stb_image.h>

namespace {

struct Picture {
    Image image;
    bool loaded = false;
};

class PictureShelf {
public:
    explicit PictureShelf(std::string folder) : folder_(std::move(folder)) {}
    const Image& get(const std::string& name)
    {
        Picture& p = cache_[name];
        if (!p.loaded) {
            p.loaded = true;
            int w = 0, h = 0, n = 0;
            unsigned char* data = stbi_load((folder_ + "/" + name).c_str(), &w, &h, &n, 4);
            if (!data) {
                std::fprintf(stderr, "mockups: missing %s\n", name.c_str());
                p.image = Image(1, 1);
                return p.image;
            }
            p.image = Image(w, h);
            for (int i = 0; i < w * h; ++i)
                p.image.pixels[i] = rgb(data[i * 4], data[i * 4 + 1], data[i * 4 + 2], data[i * 4 + 3] / 255.0f);
            stbi_image_free(data);
        }
        return p.image;
    }

private:
    std::string folder_;
    std::map<std::string, Picture> cache_;
};

// One image on a screen: absolute, or offset from the screen centre.
struct Placement {
    std::string picture;
    int dx, dy;
    bool centred = true;
    bool fillScreen = false;
};

using Layout = std::vector<Placement>;

Placement at(const std::string& p, int dx, int dy) { return {p, dx, dy, true, false}; }
Placement absolute(const std::string& p, int x, int y) { return {p, x, y, false, false}; }
Placement scaledToScreen(const std::string& p) { return {p, 0, 0, false, true}; }

void compose(PictureShelf& shelf, const Layout& layout, int w, int h, const std::string& path)
{
    Image screen(w, h, rgb(0, 0, 0));
    for (const Placement& p : layout) {
        const Image& picture = shelf.get(p.picture);
        if (p.fillScreen) {
            drawImage(screen, resized(picture, w, h), 0, 0);
            continue;
        }
        int x = p.centred ? w / 2 + p.dx : p.dx, y = p.centred ? h / 2 + p.dy : p.dy;
        drawImage(screen, picture, x, y);
    }
    std::vector<uint8_t> bytes = encodePng(screen);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Layout mainMenu(bool hover)
{
    return {absolute("menuBackground.jpg", 0, 0), scaledToScreen("menuImage.png"), at("menuBack.png", -175, -180),
            at(hover ? "playhover.png" : "play.png", -84, -160), at("optionButton.png", -84, -90),
            at(hover ? "howtoplayhover.png" : "howtoplay.png", -113, -20), at("credits.png", -97, 50),
            at("quitb.png", -84, 120), at("tallowick.png", -165, -295), absolute("cursorHand.png", 0, 0)};
}

Layout courseSelect(const std::string& range, bool pressed)
{
    return {absolute("menuBackground.jpg", 0, 0), scaledToScreen("menuImage.png"), at("optionback.png", -380, -270),
            at("courseseltext.png", -187, -295), at("picturebox.png", 20, -170), at("picture3.jpg", 32, -158),
            at("coursenametxt.png", -325, -200), at("buck.png", -335, -140), at("holesnumtxt.png", -285, 50),
            at(range, -265, 125), at(pressed ? "arrowRightPress.png" : "arrowRightHover.png", -150, 130),
            at("arrowLeft.png", -325, 130), at("back.png", 40, 200), at(pressed ? "next.png" : "nexthover.png", 215, 200)};
}

void addOpenRow(Layout& layout, int row, int top, bool computer, int colourIndex, int difficulty)
{
    static const char* icons[9] = {"redIcon.png",  "orangeIcon.png", "yellowIcon.png", "greenIcon.png", "aquaIcon.png",
                                   "blueIcon.png", "purpleIcon.png", "blackIcon.png",  "whiteIcon.png"};
    layout.push_back(at("playerTable.png", -350, top));
    std::string tag = "p";
    tag += std::to_string(row);
    tag += ".png";
    layout.push_back(at(tag, row == 1 ? -348 : -341, top + 5));
    for (int i = 0; i < 9; ++i) layout.push_back(at(icons[i], -100 + 30 * (i % 3), top + 10 + 30 * (i / 3)));
    layout.push_back(at("human.png", -280, top + 30));
    layout.push_back(at(row == 1 ? "computerFade.png" : "computer.png", -190, top + 30));
    const char* names[3] = {"easy", "med", "hard"};
    for (int i = 0; i < 3; ++i)
        layout.push_back(at(std::string(names[i]) + (computer ? ".png" : "tran.png"), 10, top + 20 + 25 * i));
    if (computer) {
        const int less[3] = {32, 28, 33};
        layout.push_back(at("diffSelect.png", 10 + 50 - less[difficulty], top + 20 + 25 * difficulty + 11 - 14));
    }
    if (row > 1) layout.push_back(at("collapse.png", -335, top + 60));
    layout.push_back(at("colorSelector.png", -100 + 30 * (colourIndex % 3), top + 10 + 30 * (colourIndex / 3)));
    layout.push_back(at("modeSelector.png", (computer ? -190 : -280) + 40 - 34, top + 30 + 30 - 29));
}

Layout playerSetup(bool rowsOpen)
{
    Layout layout = {absolute("menuBackground.jpg", 0, 0), scaledToScreen("menuImage.png"), at("optionback.png", -380, -270),
                     at("playerseltext.png", -187, -295)};
    const int tops[4] = {-210, -90, 35, 160};
    addOpenRow(layout, 1, tops[0], false, 4, 0);
    for (int row = 2; row <= 4; ++row) {
        if (rowsOpen) addOpenRow(layout, row, tops[row - 1], row != 3, row + 3, row - 2);
        else layout.push_back(at("playerTableCallapse.png", -350, tops[row - 1]));
    }
    layout.push_back(at(rowsOpen ? "backhover.png" : "back.png", 115, 210));
    layout.push_back(at(rowsOpen ? "startButton.png" : "startButtonPress.png", 255, 210));
    return layout;
}

Layout options(bool pressed)
{
    Layout layout = {absolute("menuBackground.jpg", 0, 0), scaledToScreen("menuImage.png"), at("optionback.png", -380, -270),
                     at("optionstext.png", -187, -295), at("restart.png", -365, 225)};
    struct Row {
        const char* label;
        int y;
        int valueX;
        const char* value;
    };
    const Row rows[] = {{"screenResolution.png", -190, 125, "768.png"}, {"windowFull.png", -131, 125, "fullscreen.png"},
                        {"shader.png", -74, 180, "on.png"},             {"textureQuality.png", -17, 175, "high.png"},
                        {"graphics.png", 40, 175, "low.png"},           {"sound.png", 93, 180, "on.png"},
                        {"music.png", 154, 180, "off.png"}};
    for (const Row& r : rows) {
        layout.push_back(at(r.label, -350, r.y));
        bool first = r.y == -190;
        layout.push_back(at(first && pressed ? "arrowRightPress.png" : "arrowRight.png", 330, r.y));
        layout.push_back(at(first && !pressed ? "arrowLeftHover.png" : "arrowLeft.png", 70, r.y));
        layout.push_back(at(r.value, r.valueX, r.y));
    }
    layout.push_back(at(pressed ? "backpress.png" : "back.png", 240, 220));
    return layout;
}

Layout credits()
{
    return {absolute("menuBackground.jpg", 0, 0), scaledToScreen("menuImage.png"), at("creditsmenu.png", -185, -208),
            at("backhover.png", 35, 140)};
}

// Play scenes stand in for the 3D view behind the HUD.
Layout inPlay(int page)
{
    Layout layout = {scaledToScreen("picture5.jpg")};
    if (page == 0) {
        layout.push_back(at("quit.png", -150, -135));
        layout.push_back(at("yeshover.png", -120, 25));
        layout.push_back(at("no.png", 60, 25));
    }
    return layout;
}

void addHud(Layout& layout, int w, int h, int players)
{
    for (int p = 1; p <= players; ++p) {
        int y = 75 + 50 * (p - 1);
        layout.push_back(absolute("player" + std::to_string(p) + ".png", w - 210, y));
        layout.push_back(absolute(p == 2 ? "1.png" : "blank.png", w - 63, y));
        layout.push_back(absolute(std::to_string((p * 3) % 10) + ".png", w - 45, y));
    }
    layout.push_back(absolute("camnormal.png", w - 135, h - 125));
    layout.push_back(absolute("power_15.png", 25, h - 90));
    layout.push_back(absolute("hole12.png", 20, 20));
    layout.push_back(absolute("par4.png", 20, 78));
}

Layout hudDuringPlay(int w, int h)
{
    Layout layout = {scaledToScreen("picture6.jpg")};
    addHud(layout, w, h, 4);
    layout.push_back(absolute("player3turn.png", w / 3 - 35, h / 2 + 20));
    layout.push_back(absolute("birdie.png", w / 2 - 80, h / 3));
    return layout;
}

Layout hudBanners(int w, int h)
{
    Layout layout = {scaledToScreen("picture2.jpg")};
    addHud(layout, w, h, 2);
    layout.push_back(absolute("outofbounds.png", w / 2 - 100, h / 3 - 70));
    layout.push_back(absolute("doublebogie.png", w / 2 - 90, h / 3));
    layout.push_back(absolute("plus.png", w / 2 - 50, h / 3 + 70));
    layout.push_back(absolute("1.png", w / 2 - 30, h / 3 + 70));
    layout.push_back(absolute("2.png", w / 2 - 10, h / 3 + 70));
    return layout;
}

Layout flyOver(int w, int h)
{
    return {scaledToScreen("picture1.jpg"), absolute("black_cutscreen.jpg", 0, -940), absolute("black_cutscreen.jpg", 0, h - 60),
            absolute("bucktext.png", w - 346, h - 130), absolute("hole1.png", 20, 80), absolute("par2.png", 20, 138)};
}

Layout scorecard(int w, int h)
{
    Layout layout = {scaledToScreen("picture4.jpg"), absolute("total.png", w / 2 + 90, h / 2 - 190)};
    const int scores[4] = {-1, 0, 2, 12};
    const int totals[4] = {-3, 0, 5, 14};
    const char* medals[4] = {"gold.png", "silver.png", "copper.png", ""};
    for (int p = 1; p <= 4; ++p) {
        int r = h / 2 - 150 + 50 * (p - 1), s = scores[p - 1], t = totals[p - 1];
        layout.push_back(absolute("player" + std::to_string(p) + ".png", w / 2 - 250, r));
        layout.push_back(absolute(s < 0 ? "minus.png" : "plus.png", w / 2 - 40, r));
        if (std::abs(s) >= 10) layout.push_back(absolute(std::to_string(std::abs(s) / 10) + ".png", w / 2 - 20, r));
        layout.push_back(absolute(std::to_string(std::abs(s) % 10) + ".png", w / 2, r));
        layout.push_back(absolute(t < 0 ? "minus.png" : "plus.png", w / 2 + 100, r));
        if (std::abs(t) >= 10) layout.push_back(absolute(std::to_string(std::abs(t) / 10) + ".png", w / 2 + 120, r));
        layout.push_back(absolute(std::to_string(std::abs(t) % 10) + ".png", w / 2 + 140, r));
        if (*medals[p - 1]) layout.push_back(absolute(medals[p - 1], w / 2 - 290, h / 2 - 155 + 50 * (p - 1)));
    }
    layout.push_back(absolute("p1win.png", w / 2 - 176, h / 2 + 155));
    return layout;
}

Layout tutorial(int w, int h, int page)
{
    Layout layout = {scaledToScreen("picture8.jpg")};
    addHud(layout, w, h, 1);
    if (page <= 3) {
        layout.push_back(at("howtoplay" + std::to_string(page) + ".png", -150, -150));
        layout.push_back(at("nexthover.png", 60, 135));
    } else if (page == 8) {
        layout.push_back(at("howtoplay8.png", -150, -100));
    } else {
        layout.push_back(absolute("howtoplay" + std::to_string(page) + ".png", 25, h - 280));
        if (page == 5) layout.push_back(absolute("next.png", 235, h - 160));
    }
    return layout;
}

Layout loading() { return {at("loading.png", -150, -70)}; }

void writeSheet(PictureShelf& shelf, const std::string& folder, const std::string& path)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    const int sheetWidth = 1800, gap = 8, labelHeight = 14;
    int x = gap, y = gap, rowHeight = 0;
    struct Spot {
        std::string name;
        int x, y;
    };
    std::vector<Spot> spots;
    for (const std::string& n : names) {
        const Image& im = shelf.get(n);
        int w = std::min(im.width, 640), h = std::min(im.height, 480);
        int cw = std::max(w, 110);
        if (x + cw > sheetWidth) {
            x = gap;
            y += rowHeight + labelHeight + gap;
            rowHeight = 0;
        }
        spots.push_back({n, x, y});
        x += cw + gap;
        rowHeight = std::max(rowHeight, h);
    }
    Image sheet(sheetWidth, y + rowHeight + labelHeight + gap * 2);
    for (int py = 0; py < sheet.height; ++py)
        for (int px = 0; px < sheet.width; ++px)
            sheet.at(px, py) = ((px / 12 + py / 12) % 2) ? rgb(92, 110, 120) : rgb(120, 136, 146);
    TextStyle label;
    label.size = 11;
    label.fill = rgb(255, 255, 255);
    label.outline = rgb(0, 0, 0);
    label.outlineWidth = 1;
    for (const Spot& s : spots) {
        const Image& im = shelf.get(s.name);
        Image shown = (im.width > 640 || im.height > 480) ? resized(im, im.width / 2, im.height / 2) : im;
        drawImage(sheet, shown, s.x, s.y);
        drawText(sheet, s.name, s.x, s.y + std::min(shown.height, 480) + 11, -1, label);
    }
    std::vector<uint8_t> bytes = encodePng(sheet);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void composeMockups(ContentOutput& output)
{
    const char* folder = std::getenv("TALLOWICK_MOCKUPS");
    if (!folder || !*folder) return;
    std::filesystem::create_directories(folder);
    const std::string textures = output.path("Textures");
    PictureShelf shelf(textures);
    const int sizes[2][2] = {{800, 600}, {1280, 800}};
    for (const auto& size : sizes) {
        int w = size[0], h = size[1];
        std::string suffix = "_";
        suffix += std::to_string(w) + "x" + std::to_string(h) + ".png";
        auto out = [&](const std::string& name) { return std::string(folder) + "/" + name + suffix; };
        compose(shelf, mainMenu(false), w, h, out("menu"));
        compose(shelf, mainMenu(true), w, h, out("menu_hover"));
        compose(shelf, courseSelect("1-18.png", false), w, h, out("course_select"));
        compose(shelf, courseSelect("9-18.png", true), w, h, out("course_select_pressed"));
        compose(shelf, playerSetup(false), w, h, out("players_closed"));
        compose(shelf, playerSetup(true), w, h, out("players_open"));
        compose(shelf, options(false), w, h, out("options"));
        compose(shelf, options(true), w, h, out("options_pressed"));
        compose(shelf, credits(), w, h, out("credits"));
        compose(shelf, inPlay(0), w, h, out("quit"));
        for (int page = 1; page <= 8; ++page) compose(shelf, tutorial(w, h, page), w, h, out("tutorial" + std::to_string(page)));
        compose(shelf, hudDuringPlay(w, h), w, h, out("hud"));
        compose(shelf, hudBanners(w, h), w, h, out("hud_banners"));
        compose(shelf, flyOver(w, h), w, h, out("flyover"));
        compose(shelf, scorecard(w, h), w, h, out("scorecard"));
        compose(shelf, loading(), w, h, out("loading"));
    }
    writeSheet(shelf, textures, std::string(folder) + "/sheet.png");
}

}  // namespace

REGISTER_GENERATOR(review_mockups, composeMockups);
