#include "play/medals.h"

#include <algorithm>

namespace {

std::string winBanner(int32_t player) { return std::string(1, 'p').append(std::to_string(player)).append("win.png"); }

FinalResult threePlayers(const int32_t t[kMaxPlayers + 1])
{
    FinalResult r;
    for (int32_t w = 1; w <= 3; ++w) {
        const int32_t a = w == 1 ? 2 : 1, b = w == 3 ? 2 : 3;  // the other two, in order
        if (!(t[w] < t[a] && t[w] < t[b])) continue;
        r.medal[w] = kGold;
        r.banner = winBanner(w);
        if (t[a] != t[b]) {
            r.medal[t[a] < t[b] ? a : b] = kSilver;
            r.medal[t[a] < t[b] ? b : a] = kCopper;
        } else if (w == 3) {
            r.medal[1] = kSilver;
            r.medal[2] = kCopper;
        } else {
            r.medal[3] = kSilver;
            r.medal[a == 3 ? b : a] = kCopper;
        }
        return r;
    }
    if (t[1] == t[2] && t[2] == t[3]) {
        r.medal[1] = r.medal[2] = r.medal[3] = kGold;
    } else {
        const int32_t low = std::min({t[1], t[2], t[3]});
        for (int32_t p = 1; p <= 3; ++p) r.medal[p] = t[p] == low ? kGold : kCopper;
    }
    r.banner = "tie.png";
    return r;
}

FinalResult fourPlayers(const int32_t t[kMaxPlayers + 1])
{
    int32_t order[4] = {1, 2, 3, 4};
    std::stable_sort(order, order + 4, [&](int32_t a, int32_t b) { return t[a] < t[b]; });
    FinalResult r;
    int32_t place = 1;
    for (int32_t i = 0; i < 4; ++i) {
        if (i > 0 && t[order[i]] != t[order[i - 1]]) place = i + 1;  // a group takes its first member's place
        r.medal[order[i]] = place <= 3 ? Medal(place) : kNoMedal;
    }
    r.banner = t[order[0]] == t[order[1]] ? "tie.png" : winBanner(order[0]);
    return r;
}

}  // namespace

const char* medalPicture(Medal medal)
{
    switch (medal) {
    case kGold: return "gold.png";
    case kSilver: return "silver.png";
    case kCopper: return "copper.png";
    default: return "";
    }
}

FinalResult finalResult(const int32_t totalToPar[kMaxPlayers + 1], int32_t playerCount)
{
    FinalResult r;
    switch (playerCount) {
    case 1:
        r.medal[1] = kGold;
        r.banner = winBanner(1);
        return r;
    case 2:
        if (totalToPar[1] == totalToPar[2]) {
            r.medal[1] = r.medal[2] = kGold;
            r.banner = "tie.png";
            return r;
        }
        {
            const int32_t winner = totalToPar[1] < totalToPar[2] ? 1 : 2;
            r.medal[winner] = kGold;
            r.medal[3 - winner] = kSilver;
            r.banner = winBanner(winner);
        }
        return r;
    case 3: return threePlayers(totalToPar);
    default: return fourPlayers(totalToPar);
    }
}
