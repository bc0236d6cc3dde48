// The 7-byte settings file ../UserData/options.golf: seven ASCII digits,
// resolution code first, then the six flags. Default content "0010011".
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/game_state.h"

constexpr const char* kOptionsPath = "../UserData/options.golf";
constexpr int kOptionsFileSize = 7;
constexpr const char* kDefaultOptions = "0010011";
constexpr char kUnreadableByte = 'a';  // what a byte that cannot be read reads as

struct ScreenSize { int32_t width; int32_t height; };

// Size requested by a resolution code '0'..'4'; {0, 0} for any other byte.
ScreenSize resolutionForCode(char code);
// The code that stands for a size, or '0' when none does.
char codeForResolution(int32_t width, int32_t height);
// Codes 2..4 are applied only when the video card lists the size.
bool resolutionNeedsModeCheck(char code);

// Bytes 1..6: '0' or '1' (either case) set the flag, anything else keeps the default.
void applyOptionFlags(const char bytes[kOptionsFileSize], OptionsRecord& options);

// Lists every distinct mode size once, then applies the wanted size if listed,
// else 800 x 600, writing the log lines for it. Returns whether it was found.
bool checkVideoMode(ScreenSize wanted, const std::vector<ScreenSize>& modes,
                    OptionsRecord& options, std::ostream& log);

// The seven characters the options menu writes for these settings.
std::string encodeOptions(const OptionsRecord& options);

// Writes the file through the engine's file system, one byte at a time.
bool writeOptionsFile(irr::io::IFileSystem* fileSystem, const OptionsRecord& options);
// The same with the resolution code given (the options menu's choice, not the screen size).
std::string encodeOptions(char resolutionCode, const OptionsRecord& options);
bool writeOptionsFile(irr::io::IFileSystem* fileSystem, char resolutionCode, const OptionsRecord& options);
