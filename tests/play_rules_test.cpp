// Pure rules of play: turn rotation, first player, power meter, result words, medals.
#include <gtest/gtest.h>

#include "play/medals.h"
#include "play/power_meter.h"
#include "play/result_words.h"
#include "play/turn_rotation.h"

namespace {

int32_t next(int32_t current, int32_t count, std::initializer_list<int> finished)
{
    uint8_t holedOut[kMaxPlayers + 1] = {};
    for (int p : finished) holedOut[p] = 1;
    return nextPlayer(current, count, holedOut);
}

}  // namespace

TEST(TurnRotation, PlayersTakeStrokesInTurnAndFinishedPlayersAreSkipped)
{
    struct Row { int32_t current, count; std::initializer_list<int> finished; int32_t expected; };
    const Row rows[] = {
        {1, 1, {}, 1},        {1, 2, {}, 2},        {2, 2, {}, 1},
        {2, 2, {1}, 2},       {1, 2, {2}, 1},       // after one holes out, the other plays on
        {1, 3, {}, 2},        {3, 3, {}, 1},        {3, 3, {2}, 3},  // only 2 finished: 3 keeps the turn
        {1, 3, {2}, 3},       {1, 3, {1, 3}, 2},    {2, 3, {2, 3}, 1}, {3, 3, {1, 2}, 3},
        {4, 4, {}, 1},        {2, 4, {3}, 4},       {1, 4, {1, 2}, 3}, {3, 4, {3, 4}, 1},
        {4, 4, {4, 1}, 2},    {1, 4, {1, 2, 3}, 4}, {4, 4, {2, 3, 4}, 1}, {2, 4, {4, 1, 2}, 3},
    };
    for (const Row& row : rows) EXPECT_EQ(next(row.current, row.count, row.finished), row.expected)
        << "current " << row.current << " of " << row.count;
}

TEST(TurnRotation, TheMostStrokesTeeOffFirstOnTheNextHole)
{
    struct Row { int32_t strokes[kMaxPlayers + 1]; int32_t count, expected; };
    const Row rows[] = {
        {{0, 3, 3, 0, 0}, 2, 1}, {{0, 3, 5, 0, 0}, 2, 2}, {{0, 2, 4, 4, 1}, 4, 2},
        {{0, 1, 1, 1, 1}, 4, 1}, {{0, 0, 0, 0, 0}, 1, 1}, {{0, 2, 0, 0, 7}, 2, 1},  // player 4 not playing
    };
    for (const Row& row : rows) EXPECT_EQ(firstPlayerOfNextHole(row.strokes, row.count), row.expected);
}

TEST(PowerMeter, PicturesFollowThePowerInStepsOfFiveHundred)
{
    struct Row { double power; int32_t picture; };
    const Row rows[] = {{0, -1},     {100, -1},    {500, -1},    {500.5, 1},   {1000, 1},
                        {1001, 2},   {6500, 12},   {6600, -1},   {7000, -1},   {7001, 13},
                        {8600, 16},  {12500, 23},  {12501, 24},  {13000, 24},  {13100, -1}};
    for (const Row& row : rows) EXPECT_EQ(meterPictureIndex(row.power), row.picture) << row.power;
    EXPECT_EQ(meterPictureName(24), "power_24.png");
}

TEST(PowerMeter, FillingIsPerSecondAndSelectsTheSwing)
{
    MeterFill fill = fillMeter(0, 0, 60);
    EXPECT_EQ(fill.power, 100);
    EXPECT_EQ(fill.powerBand, 1);
    EXPECT_EQ(fill.pictureIndex, -1) << "one frame leaves the empty meter";

    // Holding for 3 s at 60 and at 30 frames per second reaches the cap on the last picture.
    for (int fps : {60, 30}) {
        MeterFill f{0, 0, -1};
        int32_t shown = 0;
        for (int i = 0; i < 3 * fps; ++i) {
            f = fillMeter(f.power, f.powerBand, fps);
            if (f.pictureIndex > 0) shown = f.pictureIndex;
        }
        EXPECT_EQ(f.power, kMaxPower) << fps;
        EXPECT_EQ(f.powerBand, 3) << fps;
        EXPECT_EQ(shown, 24) << fps;
    }
    // At 4 frames per second the power jumps over (4500, 5000] and keeps the short swing.
    MeterFill slow{0, 0, -1};
    for (int i = 0; i < 4; ++i) slow = fillMeter(slow.power, slow.powerBand, 4);
    EXPECT_EQ(slow.power, 6000);
    EXPECT_EQ(slow.powerBand, 1);
    EXPECT_EQ(fillMeter(0, 0, 0).power, 6000) << "a rate of 0 counts as 1";
}

TEST(ResultWords, TheBannerDependsOnTheScoreAndThePar)
{
    struct Row { int32_t code, par; const char* picture; Sound sound; int32_t offset; };
    const Row rows[] = {
        {-4, 5, "holeinone.png", Sound::holeinone, 120}, {-3, 4, "holeinone.png", Sound::holeinone, 120},
        {-3, 5, "albatross.png", Sound::albatross, 110}, {-2, 3, "holeinone.png", Sound::holeinone, 120},
        {-2, 4, "eagle.png", Sound::eagle, 80},          {-2, 5, "eagle.png", Sound::eagle, 80},
        {-1, 2, "holeinone.png", Sound::holeinone, 120}, {-1, 3, "birdie.png", Sound::birdie, 80},
        {0, 2, "par.png", Sound::par, 40},               {1, 3, "bogie.png", Sound::bogey, 50},
        {2, 4, "doublebogie.png", Sound::bogey, 90},     {3, 5, "triplebogie.png", Sound::bogey, 80},
        {4, 3, "", Sound::bogey, 0},                     {12, 2, "", Sound::bogey, 0},
        {kTooManyStrokes, 3, "toomany.png", Sound::watervoice, 130},
    };
    for (const Row& row : rows) {
        ResultWord word = resultWord(row.code, row.par);
        EXPECT_EQ(word.picture, row.picture) << row.code << " on par " << row.par;
        EXPECT_EQ(word.sound, row.sound) << row.code << " on par " << row.par;
        EXPECT_EQ(word.offset, row.offset) << row.code << " on par " << row.par;
    }
}

TEST(Medals, LowerTotalsWinAndTiesShareTheMedal)
{
    struct Row { int32_t totals[kMaxPlayers + 1]; int32_t count; Medal medals[4]; const char* banner; };
    const Row rows[] = {
        {{0, 7, 0, 0, 0}, 1, {kGold}, "p1win.png"},
        {{0, 3, -1, 0, 0}, 2, {kSilver, kGold}, "p2win.png"},
        {{0, 2, 2, 0, 0}, 2, {kGold, kGold}, "tie.png"},
        {{0, 1, 4, 2, 0}, 3, {kGold, kCopper, kSilver}, "p1win.png"},
        {{0, 1, 5, 5, 0}, 3, {kGold, kCopper, kSilver}, "p1win.png"},
        {{0, 5, 1, 5, 0}, 3, {kCopper, kGold, kSilver}, "p2win.png"},
        {{0, 5, 5, 1, 0}, 3, {kSilver, kCopper, kGold}, "p3win.png"},
        {{0, 4, 4, 4, 0}, 3, {kGold, kGold, kGold}, "tie.png"},
        {{0, 2, 9, 2, 0}, 3, {kGold, kCopper, kGold}, "tie.png"},
        {{0, 2, 2, 5, 5}, 4, {kGold, kGold, kCopper, kCopper}, "tie.png"},
        {{0, 3, 1, 2, 4}, 4, {kCopper, kGold, kSilver, kNoMedal}, "p2win.png"},
        {{0, 6, 1, 3, 3}, 4, {kNoMedal, kGold, kSilver, kSilver}, "p2win.png"},
        {{0, 0, 0, 0, 0}, 4, {kGold, kGold, kGold, kGold}, "tie.png"},
    };
    for (const Row& row : rows) {
        FinalResult result = finalResult(row.totals, row.count);
        for (int p = 1; p <= row.count; ++p) EXPECT_EQ(result.medal[p], row.medals[p - 1]) << "player " << p;
        EXPECT_EQ(result.banner, row.banner);
    }
    EXPECT_STREQ(medalPicture(kCopper), "copper.png");
}
