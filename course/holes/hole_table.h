// The course: one row per hole (the practice hole and 1..18) with what every
// rule keyed on the hole reads, and the turning blades of holes 5, 8 and 18.
#pragma once

#include <cstdint>

struct HoleRow {
    int32_t hole;            // -1 practice, 1..18
    int32_t par;
    const char* banner;      // the hole's title picture: its place in the playing order
    const char* terrain;     // terrain texture
    float cup[3];            // the flagpole stands here; the green's height at the cup
    float cupDepth;          // a ball whose centre is this far above the cup height, or lower, is in
    bool pipes;
    bool slickPipes;
    bool blade;
    float waterLevel;        // a ball below it is in the water
    bool waterPlaneTextured;
};

// The row of a hole id (-1 or 1..18), or null.
const HoleRow* holeRow(int32_t hole);
// The model number of a hole in file names: 0 for the practice hole.
int32_t holeFileNumber(int32_t hole);

struct BladeRow {
    int32_t hole;
    float box[3];
    float position[3];      // the blade and its pivot
    float spin[3];          // angular velocity held every step, radians per second
};
const BladeRow* bladeRow(int32_t hole);
