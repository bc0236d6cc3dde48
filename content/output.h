// Where generated files go: paths are relative to Contents/ ("Textures/grass.jpg").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ContentOutput {
    std::string root;        // the Contents/ folder
    int filesWritten = 0;    // changed or new
    int filesUnchanged = 0;

    std::string path(const std::string& relative) const { return root + "/" + relative; }
    // Writes the bytes unless the file already holds exactly them.
    void write(const std::string& relative, const std::vector<uint8_t>& bytes);
    void write(const std::string& relative, const std::string& text);
};
