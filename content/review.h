// Review sheets: pictures for looking at the content, never shipped.
#pragma once

#include <string>

// One picture of every texture under Contents/Textures and Contents/Particles, with file names.
// Returns the number of pictures shown.
int writeContactSheet(const std::string& contentsDir, const std::string& outputPng);
// Every procedural surface of the art library, tiled 2 x 2 to show its seams, with its normal map.
void writeArtSamples(const std::string& outputPng);
