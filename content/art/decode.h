// Reading pictures back (PNG and JPEG): for the contact sheet and for tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "content/art/image.h"

// The picture's size from its header; false when the bytes are no picture stb can read.
bool pictureSize(const std::vector<uint8_t>& bytes, int& width, int& height);
// The decoded picture (empty, 0 x 0, when it cannot be read).
Image decodePicture(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> readFileBytes(const std::string& path);
