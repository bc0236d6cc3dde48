// The match record: hole order, ranges and the reset.
#include <gtest/gtest.h>

#include <vector>

#include "play/match_state.h"

namespace {

std::vector<int> holesPlayed(int courseChoice)
{
    MatchState match;
    match.courseChoice = courseChoice;
    startMatchRange(match);
    std::vector<int> holes;
    while (match.currentHole != match.lastHole && holes.size() < 30) {
        match.currentHole = successorHole(match.currentHole);
        holes.push_back(match.currentHole);
    }
    return holes;
}

}  // namespace

TEST(MatchState, EachCourseChoicePlaysItsHolesInOrder)
{
    EXPECT_EQ(holesPlayed(kFrontNine), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(holesPlayed(kBackNine), (std::vector<int>{10, 15, 13, 12, 14, 16, 11, 17, 18}));
    EXPECT_EQ(holesPlayed(kAllEighteen),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 13, 12, 14, 16, 11, 17, 18}));
}

TEST(MatchState, HolesWithoutSuccessorAndTheirIds)
{
    EXPECT_EQ(successorHole(18), kNoSuccessor);
    EXPECT_EQ(successorHole(-1), kNoSuccessor);
    EXPECT_EQ(successorHole(-2), kNoSuccessor);
    EXPECT_EQ(successorHole(0), 1);
}

TEST(MatchState, ResetKeepsColoursAndCourseChoice)
{
    MatchState match;
    match.playerCount = 4;
    match.currentPlayer = 3;
    match.courseChoice = kBackNine;
    match.currentHole = 12;
    for (int p = 1; p <= 4; ++p) {
        match.ballColour[p] = 10 - p;
        match.holeStrokes[p] = p;
        match.totalToPar[p] = -p;
        match.holedOut[p] = 1;
        match.isComputer[p] = 1;
        match.difficulty[p] = 3;
    }
    resetMatch(match);
    EXPECT_EQ(match.playerCount, 1);
    EXPECT_EQ(match.currentPlayer, 1);
    EXPECT_EQ(match.currentHole, -1);
    EXPECT_EQ(match.courseChoice, kBackNine);
    EXPECT_EQ(match.difficulty[2], 0);
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(match.ballColour[p], 10 - p);
        EXPECT_EQ(match.holeStrokes[p], 0);
        EXPECT_EQ(match.totalToPar[p], 0);
        EXPECT_EQ(match.holedOut[p], 0);
        EXPECT_EQ(match.isComputer[p], 0);
    }
}

TEST(MatchState, ColourWordsFollowTheTextureNames)
{
    const char* expected[] = {"", "red", "orange", "yellow", "green", "indgo", "blue", "purple", "black", "white"};
    for (int code = 0; code <= 9; ++code) EXPECT_STREQ(colourFileWord(code), expected[code]);
    EXPECT_STREQ(colourFileWord(10), "");
}
