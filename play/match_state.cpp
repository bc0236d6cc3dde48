#include "play/match_state.h"

#include <cstring>

const char* colourFileWord(int32_t colourCode)
{
    // Indigo's files are spelled "indgo".
    static const char* const kWords[] = {"", "red", "orange", "yellow", "green", "indgo",
                                         "blue", "purple", "black", "white"};
    if (colourCode < 1 || colourCode > 9) return "";
    return kWords[colourCode];
}

int32_t successorHole(int32_t currentHole)
{
    if (currentHole >= 0 && currentHole <= 9) return currentHole + 1;
    struct Step { int32_t from, to; };
    static const Step kBackNine[] = {{10, 15}, {15, 13}, {13, 12}, {12, 14},
                                     {14, 16}, {16, 11}, {11, 17}, {17, 18}};
    for (const Step& step : kBackNine)
        if (step.from == currentHole) return step.to;
    return kNoSuccessor;
}

void resetMatch(MatchState& match)
{
    match.playerCount = 1;
    match.currentPlayer = 1;
    match.currentHole = -1;
    std::memset(match.holeStrokes, 0, sizeof match.holeStrokes);
    std::memset(match.totalToPar, 0, sizeof match.totalToPar);
    std::memset(match.holedOut, 0, sizeof match.holedOut);
    std::memset(match.isComputer, 0, sizeof match.isComputer);
    match.difficulty[2] = 0;
}

void startMatchRange(MatchState& match)
{
    switch (match.courseChoice) {
    case kFrontNine: match.currentHole = 0; match.lastHole = 9; break;
    case kBackNine: match.currentHole = 9; match.lastHole = 18; break;
    default: match.currentHole = 0; match.lastHole = 18; break;
    }
}
