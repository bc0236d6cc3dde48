#include "play/power_meter.h"

#include <cmath>

namespace {

constexpr double kStep = 500.0;             // each picture covers one step of power
constexpr double kMediumSwingFrom = 4500.0; // the meter passing this selects the medium swing
constexpr double kLongSwingFrom = 8500.0;   // and this the long one

}  // namespace

int32_t meterPictureIndex(double power)
{
    if (power <= kStep || power > kMaxPower) return -1;
    const int32_t step = int32_t(std::ceil(power / kStep)) - 1;  // (500, 1000] is step 1
    if (step <= 12) return step;
    if (step == 13) return -1;  // 6500..7000 keeps power_12
    return step - 1;
}

std::string meterPictureName(int32_t index) { return "power_" + std::to_string(index) + ".png"; }

MeterFill fillMeter(double power, int32_t powerBand, int32_t fps)
{
    if (fps <= 0) fps = 1;
    if (power == 0) powerBand = 1;
    power += double(int32_t(kPowerPerSecond / fps));
    const int32_t picture = meterPictureIndex(power);
    if (power > kMediumSwingFrom && power <= kMediumSwingFrom + kStep) powerBand = 2;
    if (power > kLongSwingFrom && power <= kLongSwingFrom + kStep) powerBand = 3;
    if (power > kMaxPower) power = kMaxPower;
    return {power, powerBand, picture};
}
