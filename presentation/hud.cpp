#include "presentation/hud.h"

#include <cstdlib>
#include <string>

#include "app/game_state.h"
#include "play/medals.h"
#include "play/result_words.h"
#include "presentation/sound_bank.h"
#include "presentation/textures.h"

namespace {

constexpr int kPanelRows[kMaxPlayers + 1] = {0, 75, 125, 175, 225};  // y of each player's panel

int W() { return game.options.screenWidth; }
int H() { return game.options.screenHeight; }
int scorecardRow(int32_t player) { return H() / 2 - 150 + 50 * (player - 1); }

std::string digit(int32_t value) { return std::to_string(value) + ".png"; }

irr::gui::IGUIImage* hidden(irr::gui::IGUIImage* image)
{
    setVisible(image, false);
    return image;
}

// Ones digit always, tens digit from 10 on (it keeps blank.png below 10).
void drawNumber(irr::gui::IGUIImage* ones, irr::gui::IGUIImage* tens, int32_t value)
{
    const int32_t n = std::abs(value);
    setPicture(ones, digit(n % 10));
    if (n >= 10) {
        setPicture(tens, digit((n / 10) % 10));
        setVisible(tens, true);
    }
}

void buildPlayerPanels()
{
    HudElements& hud = game.hud;
    for (int32_t p = 1; p <= game.match.playerCount; ++p) {
        hud.playerLabel[p] = hidden(addImage("player" + std::to_string(p) + ".png", W() - 210, kPanelRows[p]));
        hud.strokeOnes[p] = hidden(addImage("0.png", W() - 45, kPanelRows[p]));
        hud.strokeTens[p] = hidden(addImage("blank.png", W() - 63, kPanelRows[p]));
    }
}

void buildScorecard()
{
    HudElements& hud = game.hud;
    hud.totalHeader = hidden(addImage("total.png", W() / 2 + 90, H() / 2 - 190));
    for (int32_t p = 1; p <= game.match.playerCount; ++p) {
        const int row = scorecardRow(p);
        hud.scoreOnes[p] = hidden(addImage("0.png", W() / 2, row));
        hud.scoreTens[p] = hidden(addImage("blank.png", W() / 2 - 20, row));
        hud.scoreSign[p] = hidden(addImage("plus.png", W() / 2 - 40, row));
        hud.totalSign[p] = hidden(addImage("plus.png", W() / 2 + 100, row));
        hud.medal[p] = nullptr;
    }
    hud.winnerBanner = nullptr;
}

void showFinalResult()
{
    HudElements& hud = game.hud;
    const FinalResult result = finalResult(game.match.totalToPar, game.match.playerCount);
    for (int32_t p = 1; p <= game.match.playerCount; ++p)
        if (result.medal[p] != kNoMedal)
            hud.medal[p] = addImage(medalPicture(result.medal[p]), W() / 2 - 290, H() / 2 - 155 + 50 * (p - 1));
    const bool tie = result.banner == "tie.png";
    hud.winnerBanner = addImage(result.banner, W() / 2 - (tie ? 34 : 176), H() / 2 + 155);
}

}  // namespace

void buildHud()
{
    HudElements& hud = game.hud;
    hud = HudElements{};
    buildPlayerPanels();
    hud.turnBanner = hidden(addImage("player2turn.png", W() / 3 - 35, H() / 2 + 20));
    hud.letterboxTop = addImage("black_cutscreen.jpg", 0, -940);
    hud.letterboxBottom = addImage("black_cutscreen.jpg", 0, H() - 60);
    hud.flyCaption = addImage("bucktext.png", W() - 346, H() - 130);
    hud.cameraIcon = hidden(addImage("camnormal.png", W() - 135, H() - 125));
    hud.powerMeter = hidden(addImage("power_0.png", 25, H() - 90));
    hud.resultBanner = hidden(addImage("player2turn.png", W() / 2 - 120, H() / 2 - 20));
    hud.resultTens = hidden(addImage("blank.png", W() / 2 - 120, H() / 3));
    hud.resultPlus = hidden(addImage("plus.png", W() / 2 - 140, H() / 3));
    hud.outOfBounds = hidden(addImage("outofbounds.png", W() / 2 - 100, H() / 3));
    buildScorecard();
}

void drawStrokeCount(int32_t value)
{
    const int32_t p = game.match.currentPlayer;
    drawNumber(game.hud.strokeOnes[p], game.hud.strokeTens[p], value);
}

void drawHoleScore(int32_t value)
{
    const int32_t p = game.match.currentPlayer;
    drawNumber(game.hud.scoreOnes[p], game.hud.scoreTens[p], value);
}

void showHoleResult(int32_t code)
{
    HudElements& hud = game.hud;
    const ResultWord word = resultWord(code, game.match.holePar);
    setVisible(hud.resultBanner, true);
    playSound(word.sound);
    if (!word.picture.empty()) {
        setPicture(hud.resultBanner, word.picture);
        moveImage(hud.resultBanner, W() / 2 - word.offset, H() / 3);
        return;
    }
    // Four or more over par: a plus sign and the number in digit pictures.
    const int32_t n = std::abs(code);
    setPicture(hud.resultBanner, digit(n % 10));
    moveImage(hud.resultBanner, W() / 2 - 10, H() / 3);
    moveImage(hud.resultPlus, W() / 2 - 50, H() / 3);
    setVisible(hud.resultPlus, true);
    if (n >= 10) {
        setPicture(hud.resultTens, digit((n / 10) % 10));
        moveImage(hud.resultTens, W() / 2 - 30, H() / 3);
        setVisible(hud.resultTens, true);
    }
}

void showScorecard()
{
    HudElements& hud = game.hud;
    MatchState& match = game.match;
    setVisible(hud.totalHeader, true);
    for (int32_t p = 1; p <= match.playerCount; ++p) {
        match.currentPlayer = p;
        match.totalToPar[p] += match.holeStrokes[p] - match.holePar;
        const int row = scorecardRow(p);
        moveImage(hud.playerLabel[p], W() / 2 - 250, row);
        setVisible(hud.playerLabel[p], true);
        const int32_t score = match.holeStrokes[p] - match.holePar;
        setPicture(hud.scoreSign[p], score >= 0 ? "plus.png" : "minus.png");
        setVisible(hud.scoreSign[p], true);
        drawHoleScore(score);
        setVisible(hud.scoreOnes[p], true);
        setVisible(hud.scoreTens[p], std::abs(score) >= 10);
        moveImage(hud.strokeOnes[p], W() / 2 + 140, row);
        moveImage(hud.strokeTens[p], W() / 2 + 120, row);
        setPicture(hud.strokeTens[p], "blank.png");
        drawStrokeCount(match.totalToPar[p]);
        setVisible(hud.strokeOnes[p], true);
        setVisible(hud.strokeTens[p], std::abs(match.totalToPar[p]) >= 10);
        setPicture(hud.totalSign[p], match.totalToPar[p] >= 0 ? "plus.png" : "minus.png");
        setVisible(hud.totalSign[p], true);
    }
    if (match.currentHole == match.lastHole) showFinalResult();
}

void showPlayHud()
{
    HudElements& hud = game.hud;
    for (int32_t p = 1; p <= game.match.playerCount; ++p) {
        setVisible(hud.playerLabel[p], true);
        setVisible(hud.strokeOnes[p], true);
        setVisible(hud.strokeTens[p], true);
    }
    setVisible(hud.letterboxTop, false);
    setVisible(hud.letterboxBottom, false);
    setVisible(hud.flyCaption, false);
    setVisible(hud.cameraIcon, true);
    setVisible(hud.powerMeter, true);
    setVisible(hud.holeTitle, true);
    setVisible(hud.parImage, true);
}

void hidePlayHud()
{
    HudElements& hud = game.hud;
    for (int32_t p = 1; p <= game.match.playerCount; ++p) {
        setVisible(hud.playerLabel[p], false);
        setVisible(hud.strokeOnes[p], false);
        setVisible(hud.strokeTens[p], false);
    }
    setVisible(hud.powerMeter, false);
    setVisible(hud.cameraIcon, false);
    setVisible(hud.holeTitle, false);
    setVisible(hud.parImage, false);
}

void showTurnBanner(int32_t player)
{
    setPicture(game.hud.turnBanner, "player" + std::to_string(player) + "turn.png");
    setVisible(game.hud.turnBanner, true);
    game.turn.turnBannerShowing = 1;
    game.turn.turnBannerStart = game.engine.device->getTimer()->getTime();
}
