#include "play/result_words.h"

ResultWord resultWord(int32_t code, int32_t par)
{
    if (code == kTooManyStrokes) return {"toomany.png", Sound::watervoice, 130};
    // A one-stroke hole is always a hole in one, whatever the par.
    if (code == 1 - par) return {"holeinone.png", Sound::holeinone, 120};
    switch (code) {
    case -3: return {"albatross.png", Sound::albatross, 110};
    case -2: return {"eagle.png", Sound::eagle, 80};
    case -1: return {"birdie.png", Sound::birdie, 80};
    case 0: return {"par.png", Sound::par, 40};
    case 1: return {"bogie.png", Sound::bogey, 50};
    case 2: return {"doublebogie.png", Sound::bogey, 90};
    case 3: return {"triplebogie.png", Sound::bogey, 80};
    default: return {"", Sound::bogey, 0};
    }
}
