// Every file under Contents/ that the game references, grouped by what uses it.
// The content tool must make each of them, and a test checks that each exists
// and loads. To add files: add rows to a group's table in manifest.cpp, or a new
// table and one line in the list of groups.
#pragma once

#include <span>
#include <string>
#include <vector>

enum class AssetKind {
    Texture,  // .png or .jpg the engine loads as a texture (size must not be 0 x 0)
    Mesh,     // .b3d or .3ds: standard 36-byte vertices, 16-bit indices
    Sound,    // .wav that ALUT loads (effects and music)
    Shader,   // a shader program's text
};

struct Asset {
    const char* path;  // relative to Contents/, e.g. "Textures/redball.jpg"
    AssetKind kind;
};

struct AssetGroup {
    const char* usedBy;  // what loads these files
    std::span<const Asset> assets;
};

std::span<const AssetGroup> assetGroups();
// Every entry once, in group order (a file several groups use is listed once).
std::vector<Asset> allAssets();
const char* kindName(AssetKind kind);
