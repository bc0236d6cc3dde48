// The screens place every picture by its top-left corner and take its size from
// the file, so the pictures' sizes are part of the layout. These tests read the
// generated files as the game does and check sizes, transparency and the lit and
// pressed states of buttons.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#include <stb/stb_image.h>

namespace {

const std::string kTextures = TALLOWICK_RUN_DIR "/Contents/Textures/";

struct Size {
    int width = 0, height = 0;
};

std::vector<uint8_t> fileBytes(const std::string& name)
{
    std::ifstream in(kTextures + name, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

int bigEndian16(const std::vector<uint8_t>& b, size_t i) { return (b[i] << 8) | b[i + 1]; }

// Width and height from the PNG IHDR chunk or the JPEG start-of-frame segment.
Size headerSize(const std::string& name)
{
    std::vector<uint8_t> b = fileBytes(name);
    if (b.size() > 24 && b[0] == 0x89 && b[1] == 'P' && b[2] == 'N' && b[3] == 'G')
        return {(b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19], (b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]};
    if (b.size() > 4 && b[0] == 0xFF && b[1] == 0xD8) {
        size_t i = 2;
        while (i + 9 < b.size() && b[i] == 0xFF) {
            uint8_t marker = b[i + 1];
            if (marker >= 0xC0 && marker <= 0xC3) return {bigEndian16(b, i + 7), bigEndian16(b, i + 5)};
            i += 2 + size_t(bigEndian16(b, i + 2));
        }
    }
    return {};
}

struct Pixels {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
    int alpha(int x, int y) const { return rgba[(size_t(y) * width + x) * 4 + 3]; }
    double brightness() const  // mean of r+g+b weighted by alpha, over the whole picture
    {
        double sum = 0;
        for (size_t i = 0; i < rgba.size(); i += 4) sum += (rgba[i] + rgba[i + 1] + rgba[i + 2]) * rgba[i + 3] / 255.0;
        return sum / (rgba.size() / 4);
    }
};

Pixels decode(const std::string& name)
{
    Pixels p;
    int channels = 0;
    unsigned char* data = stbi_load((kTextures + name).c_str(), &p.width, &p.height, &channels, 4);
    if (!data) return p;
    p.rgba.assign(data, data + size_t(p.width) * p.height * 4);
    stbi_image_free(data);
    return p;
}

enum class Fit { Exact, AtMost };

struct Expected {
    std::string name;
    int width, height;
    Fit fit;
};

std::vector<Expected> expectedSizes()
{
    std::vector<Expected> e = {
        // Main menu.
        {"menuBackground.jpg", 1280, 864, Fit::Exact}, {"menuBack.png", 350, 370, Fit::Exact},
        {"play.png", 167, 56, Fit::Exact}, {"playhover.png", 167, 56, Fit::Exact},
        {"optionButton.png", 167, 56, Fit::Exact}, {"optionButtonPress.png", 167, 56, Fit::Exact},
        {"quitb.png", 167, 56, Fit::Exact}, {"quitbhover.png", 167, 56, Fit::Exact},
        {"howtoplay.png", 225, 56, Fit::Exact}, {"howtoplayhover.png", 225, 56, Fit::Exact},
        {"credits.png", 193, 56, Fit::Exact}, {"creditshover.png", 193, 56, Fit::Exact},
        {"tallowick.png", 329, 110, Fit::Exact}, {"menuImage.png", 4096, 4096, Fit::AtMost},
        // Course select.
        {"optionback.png", 760, 540, Fit::Exact}, {"courseseltext.png", 374, 60, Fit::Exact},
        {"playerseltext.png", 374, 60, Fit::Exact}, {"optionstext.png", 374, 60, Fit::Exact},
        {"picturebox.png", 340, 260, Fit::Exact}, {"coursenametxt.png", 320, 50, Fit::AtMost},
        {"buck.png", 190, 180, Fit::AtMost}, {"holesnumtxt.png", 230, 60, Fit::AtMost},
        {"1-9.png", 110, 50, Fit::AtMost}, {"9-18.png", 110, 50, Fit::AtMost}, {"1-18.png", 110, 50, Fit::AtMost},
        {"back.png", 130, 48, Fit::Exact}, {"backhover.png", 130, 48, Fit::Exact}, {"backpress.png", 130, 48, Fit::Exact},
        {"next.png", 130, 48, Fit::Exact}, {"nexthover.png", 130, 48, Fit::Exact},
        {"startButton.png", 120, 48, Fit::Exact}, {"startButtonPress.png", 120, 48, Fit::Exact},
        // Options.
        {"restart.png", 590, 40, Fit::AtMost},
        // Player set-up.
        {"playerTable.png", 700, 110, Fit::Exact}, {"playerTableCallapse.png", 700, 100, Fit::Exact},
        {"human.png", 80, 60, Fit::Exact}, {"computer.png", 80, 60, Fit::Exact}, {"computerFade.png", 80, 60, Fit::Exact},
        {"collapse.png", 30, 30, Fit::Exact}, {"colorSelector.png", 26, 26, Fit::Exact},
        {"modeSelector.png", 68, 58, Fit::Exact}, {"diffSelect.png", 62, 28, Fit::Exact},
        // Dialogs.
        {"creditsmenu.png", 370, 340, Fit::Exact}, {"quit.png", 300, 200, Fit::Exact},
        {"yes.png", 70, 40, Fit::Exact}, {"yeshover.png", 70, 40, Fit::Exact},
        {"no.png", 70, 40, Fit::Exact}, {"nohover.png", 70, 40, Fit::Exact},
        {"loading.png", 300, 140, Fit::Exact}, {"cursor.png", 32, 32, Fit::Exact}, {"cursorHand.png", 32, 32, Fit::Exact},
        // Splash.
        {"quorvelsmall.jpg", 800, 600, Fit::Exact}, {"quorvel.jpg", 1024, 768, Fit::Exact},
        {"quorvellarge.jpg", 1280, 800, Fit::Exact},
        // HUD.
        {"blank.png", 18, 40, Fit::Exact}, {"plus.png", 18, 40, Fit::Exact}, {"minus.png", 18, 40, Fit::Exact},
        {"black_cutscreen.jpg", 1280, 1000, Fit::Exact}, {"bucktext.png", 330, 70, Fit::Exact},
        {"camnormal.png", 110, 90, Fit::Exact}, {"camtop.png", 110, 90, Fit::Exact},
        {"toomany.png", 260, 60, Fit::Exact}, {"holeinone.png", 240, 60, Fit::Exact},
        {"albatross.png", 220, 60, Fit::Exact}, {"birdie.png", 160, 60, Fit::Exact}, {"eagle.png", 160, 60, Fit::Exact},
        {"par.png", 80, 60, Fit::Exact}, {"bogie.png", 100, 60, Fit::Exact}, {"doublebogie.png", 180, 60, Fit::Exact},
        {"triplebogie.png", 160, 60, Fit::Exact}, {"outofbounds.png", 200, 60, Fit::Exact},
        {"total.png", 120, 40, Fit::Exact}, {"gold.png", 36, 36, Fit::Exact}, {"silver.png", 36, 36, Fit::Exact},
        {"copper.png", 36, 36, Fit::Exact}, {"tie.png", 68, 70, Fit::Exact}, {"practice.png", 260, 60, Fit::AtMost},
        // Copies named by the preload list.
        {"menuback.png", 350, 370, Fit::Exact}, {"optionBack.png", 760, 540, Fit::Exact},
        {"coursese1text.png", 374, 60, Fit::Exact},
    };
    for (const char* arrow : {"arrowLeft", "arrowRight"})
        for (const char* state : {"", "Hover", "Press"}) e.push_back({std::string(arrow) + state + ".png", 44, 44, Fit::Exact});
    for (const char* label : {"screenResolution", "windowFull", "shader", "textureQuality", "graphics", "sound", "music"})
        e.push_back({std::string(label) + ".png", 400, 50, Fit::AtMost});
    for (const char* value : {"800", "1024", "1152", "768", "1280", "window", "fullscreen"})
        e.push_back({std::string(value) + ".png", 190, 50, Fit::AtMost});
    for (const char* value : {"on", "off", "low", "high"}) e.push_back({std::string(value) + ".png", 140, 50, Fit::AtMost});
    for (const char* colour : {"red", "orange", "yellow", "green", "aqua", "blue", "purple", "black", "white"})
        e.push_back({std::string(colour) + "Icon.png", 26, 26, Fit::Exact});
    for (const char* level : {"easy", "med", "hard"}) {
        e.push_back({std::string(level) + ".png", 100, 22, Fit::Exact});
        e.push_back({std::string(level) + "tran.png", 100, 22, Fit::Exact});
    }
    for (int i = 1; i <= 8; ++i) {
        e.push_back({"picture" + std::to_string(i) + ".jpg", 316, 236, Fit::Exact});
        e.push_back({"howtoplay" + std::to_string(i) + ".png", 300, 280, Fit::Exact});
    }
    for (int p = 1; p <= 4; ++p) {
        e.push_back({"p" + std::to_string(p) + ".png", 60, 30, Fit::AtMost});
        e.push_back({"player" + std::to_string(p) + ".png", 150, 40, Fit::Exact});
        e.push_back({"player" + std::to_string(p) + "turn.png", 300, 60, Fit::AtMost});
        e.push_back({"p" + std::to_string(p) + "win.png", 352, 70, Fit::Exact});
    }
    for (int d = 0; d <= 9; ++d) e.push_back({std::to_string(d) + ".png", 18, 40, Fit::Exact});
    for (int i = 0; i <= 24; ++i) e.push_back({"power_" + std::to_string(i) + ".png", 250, 60, Fit::Exact});
    for (int h = 1; h <= 18; ++h) e.push_back({"hole" + std::to_string(h) + ".png", 260, 60, Fit::AtMost});
    for (int par = 2; par <= 5; ++par) e.push_back({"par" + std::to_string(par) + ".png", 260, 60, Fit::AtMost});
    return e;
}

TEST(Pictures, EveryPictureHasTheSizeItsScreenLayoutNeeds)
{
    for (const Expected& e : expectedSizes()) {
        SCOPED_TRACE(e.name);
        Size s = headerSize(e.name);
        ASSERT_GT(s.width, 0) << "missing or unreadable";
        if (e.fit == Fit::Exact) {
            EXPECT_EQ(s.width, e.width);
            EXPECT_EQ(s.height, e.height);
        } else {
            EXPECT_LE(s.width, e.width);
            EXPECT_LE(s.height, e.height);
        }
    }
}

TEST(Pictures, CollapsedRowShowsOnlyItsTopStripAndIsClearBelow)
{
    Pixels strip = decode("playerTableCallapse.png");
    ASSERT_EQ(strip.height, 100);
    int opaqueTop = 0;
    for (int y = 0; y < strip.height; ++y)
        for (int x = 0; x < strip.width; ++x) {
            if (y >= 35) ASSERT_EQ(strip.alpha(x, y), 0) << "at " << x << "," << y;
            else if (strip.alpha(x, y) == 255) ++opaqueTop;
        }
    EXPECT_GT(opaqueTop, 700 * 35 * 8 / 10);
}

TEST(Pictures, StrokeDigitsBesideThePlayerPlateDoNotCoverIt)
{
    // The tens digit starts 3 px inside the plate's picture: those columns stay clear.
    for (int p = 1; p <= 4; ++p) {
        Pixels plate = decode("player" + std::to_string(p) + ".png");
        ASSERT_EQ(plate.width, 150);
        for (int y = 0; y < plate.height; ++y)
            for (int x = 147; x < 150; ++x) EXPECT_EQ(plate.alpha(x, y), 0) << "player" << p << " at " << x << "," << y;
    }
}

TEST(Pictures, CornerTutorialPagesLeaveThePowerMeterUncovered)
{
    // Pages 4 to 7 sit at (25, H - 280); the meter at (25, H - 90) is 250 x 60.
    for (int page = 4; page <= 7; ++page) {
        Pixels p = decode("howtoplay" + std::to_string(page) + ".png");
        ASSERT_EQ(p.height, 280);
        int covered = 0;
        for (int y = 190; y < 250; ++y)
            for (int x = 0; x < 250; ++x) covered += p.alpha(x, y) > 8;
        EXPECT_EQ(covered, 0) << "howtoplay" << page;
    }
}

TEST(Pictures, TransparentPicturesHaveClearCornersAndVisibleInk)
{
    const char* names[] = {"play.png", "back.png", "arrowLeft.png", "collapse.png", "0.png", "7.png", "plus.png",
                           "birdie.png", "par.png", "gold.png", "redIcon.png", "colorSelector.png", "modeSelector.png",
                           "cursor.png", "cursorHand.png", "tallowick.png", "player1turn.png", "camtop.png"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        Pixels p = decode(name);
        ASSERT_GT(p.width, 0);
        EXPECT_EQ(p.alpha(p.width - 1, p.height - 1), 0);
        int ink = 0;
        for (size_t i = 3; i < p.rgba.size(); i += 4) ink += p.rgba[i] == 255;
        EXPECT_GT(ink, 20);
    }
    Pixels blank = decode("blank.png");
    for (size_t i = 3; i < blank.rgba.size(); i += 4) ASSERT_EQ(blank.rgba[i], 0);
}

TEST(Pictures, CursorsPointFromTheirTopLeftCorner)
{
    for (const char* name : {"cursor.png", "cursorHand.png"}) {
        Pixels p = decode(name);
        ASSERT_EQ(p.width, 32);
        int nearTip = 0;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) nearTip += p.alpha(x, y) > 128;
        EXPECT_GT(nearTip, 3) << name;
    }
}

TEST(Pictures, HoverPicturesAreLitAndPressedPicturesDarker)
{
    struct States {
        const char* normal;
        const char* other;
        bool lit;
    };
    const States states[] = {
        {"play.png", "playhover.png", true},         {"optionButton.png", "optionButtonPress.png", true},
        {"howtoplay.png", "howtoplayhover.png", true}, {"credits.png", "creditshover.png", true},
        {"quitb.png", "quitbhover.png", true},       {"back.png", "backhover.png", true},
        {"next.png", "nexthover.png", true},         {"startButton.png", "startButtonPress.png", true},
        {"yes.png", "yeshover.png", true},           {"no.png", "nohover.png", true},
        {"arrowLeft.png", "arrowLeftHover.png", true}, {"arrowRight.png", "arrowRightHover.png", true},
        {"back.png", "backpress.png", false},        {"arrowLeft.png", "arrowLeftPress.png", false},
        {"arrowRight.png", "arrowRightPress.png", false},
    };
    for (const States& s : states) {
        SCOPED_TRACE(std::string(s.normal) + " / " + s.other);
        double normal = decode(s.normal).brightness(), other = decode(s.other).brightness();
        if (s.lit) EXPECT_GT(other, normal * 1.12);
        else EXPECT_LT(other, normal * 0.85);
    }
}

TEST(Pictures, PowerMeterFillsStepByStep)
{
    // Each picture differs from the empty meter in more pixels than the one before.
    Pixels empty = decode("power_0.png");
    int previous = 0;
    for (int i = 1; i <= 24; ++i) {
        Pixels p = decode("power_" + std::to_string(i) + ".png");
        ASSERT_EQ(p.rgba.size(), empty.rgba.size());
        int changed = 0;
        for (size_t k = 0; k < p.rgba.size(); k += 4) {
            int d = std::abs(p.rgba[k] - empty.rgba[k]) + std::abs(p.rgba[k + 1] - empty.rgba[k + 1]) +
                    std::abs(p.rgba[k + 2] - empty.rgba[k + 2]);
            changed += d > 60;
        }
        EXPECT_GT(changed, previous) << "power_" << i;
        previous = changed;
    }
}

TEST(Pictures, LetterboxBarIsBlack)
{
    Pixels bar = decode("black_cutscreen.jpg");
    ASSERT_EQ(bar.width, 1280);
    int bright = 0;
    for (size_t i = 0; i < bar.rgba.size(); i += 4) bright += bar.rgba[i] + bar.rgba[i + 1] + bar.rgba[i + 2] > 12;
    EXPECT_EQ(bright, 0);
}

}  // namespace
