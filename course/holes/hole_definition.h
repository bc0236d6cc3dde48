// What makes one hole: its scenery in build order, its water meshes, its fly-over
// path. Each hole file fills one of these; buildHole
// (hole_builder.h) builds any of them in the same straight-line order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "play/cameras.h"

struct Placement {
    float scale[3] = {1, 1, 1};
    float position[3] = {0, 0, 0};
    float rotation[3] = {0, 0, 0};  // degrees
};

enum class SceneryLook {
    Normal,          // colour and normal texture; the normal-map shader
    Bump,            // the cacti: stronger relief
    Brush,           // alpha-tested brush, unlit, no shader
    WindmillBlades,  // turns slowly about its z axis
};

struct SceneryItem {
    std::string model;    // file in Contents/Models
    std::string texture;  // colour texture
    std::string normal;   // normal texture ("" for none)
    SceneryLook look = SceneryLook::Normal;
    Placement place;
};

struct WaterItem {
    std::string model;
    bool falling;  // falling water (streaks down) or a level surface
};

struct HoleDefinition {
    int32_t hole;                      // -1 practice, 1..18
    std::vector<SceneryItem> scenery;  // in build order
    std::vector<WaterItem> water;
    const FlySegment* flyPath;         // three segments, numbered 3, 2, 1 in flying order
    std::string pipesNormal = "pipesnormal.jpg";
    bool slickPipesFirst = false;      // hole 8 builds its slick pipes before its pipes
    bool flagAtFixedHeight = false;    // the practice flag flies at y = 2
};
