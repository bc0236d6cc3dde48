// Helpers of the front-end scenario tests: mouse clicks as script lines and the
// dump's `gui` list (visible images, drawing order).
#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "tests/support/game_run.h"

struct GuiImage {
    std::string tex;
    int x = 0;
    int y = 0;
};

inline std::vector<GuiImage> guiImages(const std::string& dump)
{
    const std::string list = jsonValue(dump, "gui");
    std::vector<GuiImage> images;
    for (size_t i = 0;; ++i) {
        const std::string element = jsonElement(list, i);
        if (element.empty() || element[0] != '{') break;
        std::string tex = jsonValue(element, "tex");
        if (tex.size() >= 2) tex = tex.substr(1, tex.size() - 2);
        images.push_back({tex, int(jsonNumber(element, "x")), int(jsonNumber(element, "y"))});
    }
    return images;
}

// The engine's texture cache ignores letter case ("menuBack.png" finds the
// preloaded "menuback.png"), so picture names compare without it.
inline bool sameName(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return std::tolower(uint8_t(x)) == std::tolower(uint8_t(y)); });
}

// The first visible image showing `tex`; a null position ({"", -1, -1}) when none does.
inline GuiImage findImage(const std::string& dump, const std::string& tex)
{
    for (const GuiImage& image : guiImages(dump))
        if (sameName(image.tex, tex)) return image;
    return {"", -1, -1};
}

inline bool shows(const std::string& dump, const std::string& tex) { return !findImage(dump, tex).tex.empty(); }

inline int countImages(const std::string& dump, const std::string& tex)
{
    int n = 0;
    for (const GuiImage& image : guiImages(dump)) n += sameName(image.tex, tex);
    return n;
}

// Moves there, presses, releases: one click, with a pass between each event.
inline std::string click(int x, int y)
{
    return "mouse " + std::to_string(x) + " " + std::to_string(y) + "\nframes 1\nlmb down\nframes 1\nlmb up\nframes 1\n";
}

// A press that is still held after the pass that delivered it.
inline std::string press(int x, int y)
{
    return "mouse " + std::to_string(x) + " " + std::to_string(y) + "\nframes 1\nlmb down\nframes 1\n";
}

constexpr const char* kToMainMenu = "wait mainMenuActive 1\nframes 1\n";

// Whether the dump's `played` list names the sound.
inline bool played(const std::string& dump, const std::string& sound)
{
    return jsonValue(dump, "played").find("\"" + sound + "\"") != std::string::npos;
}
