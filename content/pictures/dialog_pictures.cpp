// Paper notices: the credits, the quit dialog with its buttons, the eight
// how-to-play pages, and the loading sign.
#include <string>
#include <vector>

#include "content/art/noise.h"
#include "content/output.h"
#include "content/pictures/picture_kit.h"
#include "content/registry.h"

using namespace pictures;

namespace {

constexpr int kCreditsWidth = 370, kCreditsHeight = 340;
constexpr int kQuitWidth = 300, kQuitHeight = 200;
constexpr int kAnswerWidth = 70, kAnswerHeight = 40;
constexpr int kPageWidth = 300, kPageHeight = 280;
// Pages 4 to 7 sit at the bottom-left corner above the power meter: their paper
// ends above the meter, whose top lies 190 px below the page's top edge.
constexpr int kCornerPaperHeight = 184;
// On page 5 the next button covers this part of the page (page coordinates).
constexpr int kNextLeft = 210, kNextTop = 120;
constexpr int kLoadingWidth = 300, kLoadingHeight = 140;

struct Credit {
    const char* work;
    const char* licence;
};
const Credit kCredits[] = {
    {"Irrlicht Engine", "zlib licence"},
    {"Bullet Physics", "zlib licence"},
    {"OpenAL Soft", "LGPL 2.1"},
    {"freealut", "LGPL 2"},
    {"FluidSynth", "LGPL 2.1"},
    {"TimGM6mb soundfont", "GPL 2"},
    {"eSpeak NG", "GPL 3"},
    {"stb libraries", "MIT / public domain"},
    {"URW base35 fonts", "AGPL 3 + font exception"},
    {"Roboto Slab font", "Apache 2.0"},
};

void drawRule(Image& image, int x0, int x1, int y)
{
    drawLine(image, float(x0), y + 0.5f, float(x1), y + 0.5f, 1.2f, rgb(120, 60, 24, 0.7f));
    drawDisc(image, (x0 + x1) / 2.0f, y + 0.5f, 2.5f, rgb(140, 50, 20));
}

Image creditsPanel()
{
    Image image(kCreditsWidth, kCreditsHeight);
    drawParchment(image, 3, 3, kCreditsWidth - 8, kCreditsHeight - 9, 2101);
    TextStyle title = paperHeading(28);
    drawText(image, "Credits", kCreditsWidth / 2, 40, 0, title);
    TextStyle body = paperText(13);
    drawText(image, "Tallowick Mini Golf", kCreditsWidth / 2, 60, 0, paperHeading(16));
    drawText(image, "made with these free works:", kCreditsWidth / 2, 77, 0, body);
    drawRule(image, 40, kCreditsWidth - 40, 85);
    TextStyle work = paperText(13);
    TextStyle licence = paperText(12);
    licence.fill = rgb(140, 50, 20);
    int y = 105;
    for (const Credit& c : kCredits) {
        drawText(image, c.work, 26, y, -1, work);
        drawText(image, c.licence, kCreditsWidth - 26, y, 1, licence);
        drawLine(image, 26, y + 5.5f, kCreditsWidth - 26.0f, y + 5.5f, 0.6f, rgb(120, 70, 30, 0.25f));
        y += 19;
    }
    drawRule(image, 40, kCreditsWidth - 40, y - 7);
    TextStyle small = paperText(11);
    small.fill = rgb(90, 56, 30);
    drawText(image, "Every picture, model, sound and tune", kCreditsWidth / 2, y + 9, 0, small);
    drawText(image, "is made by the game's own code.", kCreditsWidth / 2, y + 22, 0, small);
    drawNail(image, kCreditsWidth / 2.0f, 12, 3);
    return image;
}

// A keyboard key drawn as a small cap with its name.
int drawKeyCap(Image& image, int x, int baseline, const std::string& name)
{
    TextStyle s = paperText(11);
    s.fill = rgb(40, 24, 12);
    const bool arrowKey = name.size() == 3 && static_cast<unsigned char>(name[0]) == 0xE2;  // ← → ↑ ↓
    int w = arrowKey ? 18 : std::max(18, textWidth(name, s) + 10), h = 18;
    Mask cap = roundedRectMask(w, h, 4);
    int top = baseline - 13;
    dropShadow(image, cap, x, top, 1, 2, 1, 0.5f);
    fillMask(image, cap, x, top, [&](int, int y) { return mix(rgb(252, 246, 230), rgb(200, 186, 160), y / float(h)); });
    strokeInside(image, cap, x, top, 0, 1, rgb(60, 40, 20));
    // Arrow keys get a drawn arrow: the text faces have no arrow glyphs.
    const std::pair<const char*, Point> arrows[] = {{"←", {-1, 0}}, {"→", {1, 0}}, {"↑", {0, -1}}, {"↓", {0, 1}}};
    for (const auto& [glyph, dir] : arrows) {
        if (name != glyph) continue;
        float cx = x + w / 2.0f, cy = top + h / 2.0f - 0.5f;
        drawLine(image, cx - dir.x * 4.5f, cy - dir.y * 4.5f, cx + dir.x * 4.0f, cy + dir.y * 4.0f, 1.8f, s.fill);
        std::vector<Point> head = {{cx + dir.x * 5.5f, cy + dir.y * 5.5f},
                                   {cx + dir.x * 0.5f - dir.y * 4.0f, cy + dir.y * 0.5f - dir.x * 4.0f},
                                   {cx + dir.x * 0.5f + dir.y * 4.0f, cy + dir.y * 0.5f + dir.x * 4.0f}};
        fillMask(image, polygonMask(image.width, image.height, head), 0, 0, s.fill);
        return w;
    }
    drawText(image, name, x + w / 2, baseline, 0, s);
    return w;
}

// A line of a page: plain words with [KEY] tokens drawn as key caps. Returns where
// its first words begin, so that a continuation line ("|words") can line up with them.
int drawPageLine(Image& image, const std::string& line, int x, int baseline, const TextStyle& style)
{
    size_t pos = 0;
    int firstWords = -1;
    while (pos < line.size()) {
        size_t open = line.find('[', pos);
        std::string words = line.substr(pos, open == std::string::npos ? std::string::npos : open - pos);
        if (!words.empty()) {
            // Spaces at the ends of a run keep their width.
            int lead = words.front() == ' ' ? 4 : 0;
            if (firstWords < 0) firstWords = x + lead;
            int w = drawText(image, words, x + lead, baseline, -1, style);
            x += lead + w + (words.back() == ' ' ? 4 : 0);
        }
        if (open == std::string::npos) break;
        size_t close = line.find(']', open);
        x += drawKeyCap(image, x, baseline, line.substr(open + 1, close - open - 1)) + 1;
        pos = close + 1;
    }
    return firstWords;
}

struct Page {
    const char* heading;
    std::vector<const char*> lines;
    bool corner;  // shown at the bottom-left corner during play
};

const Page kPages[8] = {
    {"How to Play", {"Welcome to Tallowick, partner!", "", "Each hole is a short course with", "a cup at the end of it. Putt your", "ball into the cup in as few", "strokes as you can.", "", "The fewest strokes over the", "round wins the match."}, false},
    {"The Controls", {"[←] [→]  turn your aim", "", "[SPACE]  hold to charge a putt,", "|let go to swing", "", "[1] [2]  camera behind or above", "[↑] [↓]  zoom the camera", "", "[ESC]  leave the game or give up"}, false},
    {"Mind the Hazards", {"Every hole has a par: the strokes", "a good player needs.", "", "Sand and water cost you a stroke,", "and the ball goes back to where", "you played it from.", "", "At par plus four strokes the", "hole is over for you."}, false},
    {"Take Your First Shot", {"Hold [SPACE] and watch the", "power meter below fill up.", "", "Let go of [SPACE] and the", "putter swings at the ball."}, true},
    {"The Power Meter", {"The longer you hold [SPACE],", "the fuller the meter and", "the harder the putt.", "Green: a gentle tap.", "Red: full strength."}, true},
    {"Aiming and Cameras", {"[←] [→]  turn your aim", "[1]  camera behind the ball", "[2]  camera above the ball", "[↑] [↓]  zoom in and out"}, true},
    {"Get the Ball in the Cup!", {"Keep putting until the ball", "drops into the cup by the flag.", "", "Every stroke counts, so take", "your time lining it up."}, true},
    {"Scoring", {}, false},
};

// Page 8: the score words against par, as a table.
void drawScoreTable(Image& image)
{
    const std::pair<const char*, const char*> rows[] = {
        {"Hole in One", "in 1 stroke"}, {"Albatross", "3 under par"}, {"Eagle", "2 under par"},
        {"Birdie", "1 under par"},      {"Par", "level with par"},     {"Bogey", "1 over par"},
        {"Double Bogey", "2 over par"}, {"Triple Bogey", "3 over par"}};
    TextStyle word = paperHeading(15);
    word.fill = rgb(120, 40, 16);
    TextStyle meaning = paperText(13);
    int y = 76;
    for (const auto& [w, m] : rows) {
        drawText(image, w, 40, y, -1, word);
        drawText(image, m, kPageWidth - 40, y, 1, meaning);
        y += 21;
    }
    TextStyle note = paperText(12);
    note.fill = rgb(90, 56, 30);
    drawText(image, "Lowest total over par wins the match.", kPageWidth / 2, y + 2, 0, note);
}

Image tutorialPage(int number)
{
    const Page& page = kPages[number - 1];
    Image image(kPageWidth, kPageHeight);
    int paperHeight = page.corner ? kCornerPaperHeight : kPageHeight - 6;
    drawParchment(image, 3, 3, kPageWidth - 8, paperHeight - 3, 2200u + uint32_t(number));
    drawNail(image, kPageWidth / 2.0f, 11, 2.6f);
    TextStyle heading = paperHeading(page.corner ? 21 : 26);
    int headingBase = page.corner ? 36 : 44;
    drawText(image, page.heading, kPageWidth / 2, headingBase, 0, heading);
    drawRule(image, 50, kPageWidth - 50, headingBase + 7);
    if (number == 8) {
        drawScoreTable(image);
    } else {
        TextStyle body = paperText(page.corner ? 14 : 15);
        int y = headingBase + 30, step = page.corner ? 20 : 21, wordsX = 24;
        for (const char* line : page.lines) {
            std::string text = line;
            if (!text.empty() && text[0] == '|') drawText(image, text.substr(1), wordsX, y, -1, body);
            else if (!text.empty()) wordsX = std::max(24, drawPageLine(image, text, 24, y, body));
            y += text.empty() ? step / 2 : step;
        }
    }
    TextStyle folio = paperText(10);
    folio.fill = rgb(120, 80, 40);
    int folioBase = paperHeight - 12;
    if (number == 5) drawText(image, "5 / 8", 24, folioBase, -1, folio);  // the next button sits at the right
    else drawText(image, std::to_string(number) + " / 8", kPageWidth - 24, folioBase, 1, folio);
    return image;
}

Image quitDialog()
{
    Image image(kQuitWidth, kQuitHeight);
    BoardStyle board;
    board.seed = 2301;
    board.wood = kDarkWood;
    board.plankHeight = 40;
    board.radius = 10;
    drawBoard(image, 2, 2, kQuitWidth - 5, kQuitHeight - 5, board);
    drawParchment(image, 20, 16, kQuitWidth - 40, 122, 2302, true);
    TextStyle heading = paperHeading(28);
    drawText(image, "Leave the game?", kQuitWidth / 2, 58, 0, heading);
    drawRule(image, 60, kQuitWidth - 60, 70);
    TextStyle body = paperText(16);
    int w = textWidth("give up this hole", body) + 30;
    int x = kQuitWidth / 2 - w / 2;
    x += drawKeyCap(image, x, 104, "F") + 2;
    drawText(image, ":  give up this hole", x, 104, -1, body);
    TextStyle hint = paperText(11);
    hint.fill = rgb(110, 70, 36);
    drawText(image, "Yes: back to the main menu", kQuitWidth / 2, 126, 0, hint);
    return image;
}

Image loadingSign()
{
    Image image(kLoadingWidth, kLoadingHeight);
    BoardStyle board;
    board.seed = 2401;
    board.plankHeight = 42;
    board.radius = 12;
    drawBoard(image, 4, 4, kLoadingWidth - 9, kLoadingHeight - 10, board);
    drawRopeFrame(image, 14, 14, kLoadingWidth - 29, kLoadingHeight - 30, 4);
    LetteringStyle s = goldLettering();
    s.outlineWidth = 3;
    drawLettering(image, "Loading…", 30, 22, kLoadingWidth - 60, 62, s);
    TextStyle sub;
    sub.face = FontFace::Slab;
    sub.size = 15;
    sub.fill = rgb(255, 232, 190);
    sub.outline = rgb(30, 14, 4);
    sub.outlineWidth = 1.5f;
    drawText(image, "Raking the sand, pouring the water", kLoadingWidth / 2, 104, 0, sub);
    return image;
}

void generateDialogPictures(ContentOutput& output)
{
    savePicture(output, "creditsmenu.png", creditsPanel());
    savePicture(output, "quit.png", quitDialog());
    ButtonSet yes = signButton(kAnswerWidth, kAnswerHeight, "Yes", rgb(70, 116, 60), 2501);
    ButtonSet no = signButton(kAnswerWidth, kAnswerHeight, "No", rgb(150, 62, 34), 2502);
    savePicture(output, "yes.png", yes.normal);
    savePicture(output, "yeshover.png", yes.lit);
    savePicture(output, "no.png", no.normal);
    savePicture(output, "nohover.png", no.lit);
    for (int page = 1; page <= 8; ++page) savePicture(output, "howtoplay" + std::to_string(page) + ".png", tutorialPage(page));
    savePicture(output, "loading.png", loadingSign());
}

}  // namespace

REGISTER_GENERATOR(pictures_dialogs, generateDialogPictures);
