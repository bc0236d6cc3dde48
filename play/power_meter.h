// The power meter: how holding SPACE fills it, which of its 25 pictures it
// shows, and which swing a power selects.
#pragma once

#include <cstdint>
#include <string>

constexpr double kMaxPower = 13000.0;
constexpr double kPowerPerSecond = 6000.0;  // the fill rate, whatever the frame rate

// Picture index 1..24 for a power, or -1 where the picture does not change
// (500 or below, and the step from 6500 to 7000).
int32_t meterPictureIndex(double power);
std::string meterPictureName(int32_t index);  // "power_7.png"

struct MeterFill {
    double power;
    int32_t powerBand;
    int32_t pictureIndex;  // -1: keep the current picture
};
// One frame of filling at the frame-rate figure `fps` (0 is treated as 1).
MeterFill fillMeter(double power, int32_t powerBand, int32_t fps);
