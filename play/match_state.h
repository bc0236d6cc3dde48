// Who plays the match, in which colours, over which holes, and the scores.
// Per-player arrays are indexed by player number 1..4 (index 0 unused).
#pragma once

#include <cstdint>

constexpr int kMaxPlayers = 4;

// Ball colour codes 1..9 and the word each uses in texture file names.
enum BallColour : int32_t {
    kRed = 1, kOrange, kYellow, kGreen, kIndigo, kBlue, kPurple, kBlack, kWhite
};
const char* colourFileWord(int32_t colourCode);  // "red" ... "white"; "" outside 1..9

// Hole ranges offered by the course select.
enum CourseChoice : int32_t { kFrontNine = 19, kBackNine = 918, kAllEighteen = 118 };

// Hole ids besides 1..18.
constexpr int32_t kPracticeHoleId = -1;      // the practice hole plays as -1; also "back to the menu"
constexpr int32_t kPracticeRequestId = -2;   // the next load builds the practice hole
constexpr int32_t kNoSuccessor = 0;

struct MatchState {
    int32_t playerCount = 1;
    int32_t currentPlayer = 1;
    uint8_t isComputer[kMaxPlayers + 1] = {};  // players 2..4
    int32_t difficulty[kMaxPlayers + 1] = {};  // players 2..4: 1 easy, 2 medium, 3 hard
    int32_t ballColour[kMaxPlayers + 1] = {};
    int32_t courseChoice = kAllEighteen;
    int32_t currentHole = -1;
    int32_t lastHole = 18;
    int32_t holePar = 3;
    int32_t holeStrokes[kMaxPlayers + 1] = {};
    int32_t totalToPar[kMaxPlayers + 1] = {};
    uint8_t holedOut[kMaxPlayers + 1] = {};
};

// The hole built after `currentHole`: 0..9 go on by one, the back nine plays
// 10, 15, 13, 12, 14, 16, 11, 17, 18. Returns kNoSuccessor where none exists
// (after 18, and for -1 and -2, which the loader handles itself).
int32_t successorHole(int32_t currentHole);

// Back to "no match": one player, no computers, scores cleared; colours and
// the course choice keep their values.
void resetMatch(MatchState& match);

// Sets the first hole and the last one from the course choice.
void startMatchRange(MatchState& match);
