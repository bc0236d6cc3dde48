// The player set-up: four rows, one per player. Row 1 is always open and
// human; rows 2 to 4 open and close one by one, each a human or a computer of
// some difficulty, each with a ball colour. Start packs the open rows into
// players 2, 3, ... and starts the match.
#include <cstdlib>
#include <vector>

#include "app/game_state.h"
#include "menus/menu_common.h"
#include "menus/screens.h"
#include "presentation/textures.h"

namespace {

constexpr int kRowTop[5] = {0, -210, -90, 35, 160};  // top edge of rows 1..4, from H/2
constexpr int kStripRightInset = 10;   // pixels of the closed strip's right edge that do not open it
constexpr int kStripBottomInset = 65;  // likewise at its bottom
constexpr int kMediumDifficulty = 2;
constexpr const char* kLabels[5] = {"", "p1.png", "p2.png", "p3.png", "p4.png"};

constexpr const char* kColourIcons[kColourCount + 1] = {
    "", "redIcon.png", "orangeIcon.png", "yellowIcon.png", "greenIcon.png", "aquaIcon.png",
    "blueIcon.png", "purpleIcon.png", "blackIcon.png", "whiteIcon.png"};
constexpr int kColourColumnX[3] = {-100, -70, -40};
constexpr int kColourRowY[3] = {10, 40, 70};  // from the row's top

// The difficulty icons (x +10), their pictures for a human and a computer row,
// and where the difficulty marker sits on each (the icon's centre less these).
struct DifficultyIcon { int dy; const char* human; const char* computer; int markerDx; int markerDy; };
constexpr DifficultyIcon kDifficultyIcons[4] = {
    {0, "", "", 0, 0},
    {20, "easytran.png", "easy.png", 32, 14},
    {45, "medtran.png", "med.png", 28, 14},
    {70, "hardtran.png", "hard.png", 33, 14},
};
constexpr int kDifficultyIconX = 10;

// Markers sit on an icon's centre less these offsets.
constexpr int kColourMarkerDx = 13, kColourMarkerDy = 13;
constexpr int kKindMarkerDx = 34, kKindMarkerDy = 29;

PlayerSetupElements& setup() { return game.menu.playerSetup; }

void addColourIcons(PlayerRowElements& row, int top)
{
    for (int c = 1; c <= kColourCount; ++c)
        row.colour[c] = addCentred(kColourIcons[c], kColourColumnX[(c - 1) % 3], top + kColourRowY[(c - 1) / 3]);
}

void addKindAndDifficultyIcons(PlayerRowElements& row, int top, const char* computerPicture)
{
    row.human = addCentred("human.png", -280, top + 30);
    row.computer = addCentred(computerPicture, -190, top + 30);
    for (int d = 1; d <= 3; ++d)
        row.difficulty[d] = addCentred(kDifficultyIcons[d].human, kDifficultyIconX, top + kDifficultyIcons[d].dy);
}

void addClosedStrip(int p) { setup().rows[p].strip = addCentred("playerTableCallapse.png", -350, kRowTop[p]); }

void addColourMarker(PlayerRowElements& row, int32_t colour)
{
    row.colourMarker = addOnCentre("colorSelector.png", row.colour[colour], kColourMarkerDx, kColourMarkerDy);
}

void buildFirstRow()
{
    PlayerRowElements& row = setup().rows[1];
    const int top = kRowTop[1];
    row.table = addCentred("playerTable.png", -350, top);
    row.label = addCentred(kLabels[1], -348, top + 5);
    addColourIcons(row, top);
    addKindAndDifficultyIcons(row, top, "computerFade.png");
    game.match.ballColour[1] = std::rand() % kColourCount + 1;
    addColourMarker(row, game.match.ballColour[1]);
    row.kindMarker = addOnCentre("modeSelector.png", row.human, kKindMarkerDx, kKindMarkerDy);
}

void openRow(int p)
{
    PlayerSetupElements& s = setup();
    PlayerRowElements& row = s.rows[p];
    const int top = kRowTop[p];
    s.rowOpen[p] = 1;
    removeImage(row.strip);
    row.table = addCentred("playerTable.png", -350, top);
    row.label = addCentred(kLabels[p], -341, top + 5);
    addColourIcons(row, top);
    addKindAndDifficultyIcons(row, top, "computer.png");
    const DifficultyIcon& medium = kDifficultyIcons[kMediumDifficulty];
    row.difficultyMarker =
        addOnCentre("diffSelect.png", row.difficulty[kMediumDifficulty], medium.markerDx, medium.markerDy);
    row.difficultyMarker->setVisible(false);
    row.close = addCentred("collapse.png", -335, top + 60);
    row.kindMarker = addOnCentre("modeSelector.png", row.human, kKindMarkerDx, kKindMarkerDy);
    game.match.playerCount += 1;
    game.match.ballColour[p] = std::rand() % kColourCount + 1;
    addColourMarker(row, game.match.ballColour[p]);
    // Row 4's table reaches down over back and start; they stay on top so they can be seen.
    for (MenuImage button : {s.back.image, s.start.image})
        if (button) button->getParent()->bringToFront(button);
    playSound(Sound::putt2);
}

void closeRow(int p)
{
    PlayerSetupElements& s = setup();
    PlayerRowElements& row = s.rows[p];
    s.rowOpen[p] = 0;
    for (MenuImage* image : {&row.table, &row.label, &row.human, &row.computer, &row.colourMarker,
                             &row.kindMarker, &row.difficultyMarker, &row.close})
        removeImage(*image);
    for (MenuImage& icon : row.colour) removeImage(icon);
    for (MenuImage& icon : row.difficulty) removeImage(icon);
    addClosedStrip(p);
    MatchState& match = game.match;
    match.playerCount -= 1;
    match.ballColour[p] = 0;
    match.isComputer[p] = 0;
    s.rowHovered[p] = 0;
    playSound(Sound::putt2);
}

bool overAny(MenuImage const* images, int first, int last)
{
    for (int i = first; i <= last; ++i)
        if (mouseOver(images[i])) return true;
    return false;
}

bool openRowHovered(int p)
{
    const PlayerRowElements& row = setup().rows[p];
    return overAny(row.colour, 1, kColourCount) || mouseOver(row.human) || mouseOver(row.computer) ||
           mouseOver(row.close) || (game.match.isComputer[p] && overAny(row.difficulty, 1, 3));
}

void setKind(int p, bool computer)
{
    PlayerRowElements& row = setup().rows[p];
    placeOnCentre(row.kindMarker, computer ? row.computer : row.human, kKindMarkerDx, kKindMarkerDy);
    setVisible(row.difficultyMarker, computer);
    game.match.isComputer[p] = computer;
    for (int d = 1; d <= 3; ++d)
        setPicture(row.difficulty[d], computer ? kDifficultyIcons[d].computer : kDifficultyIcons[d].human);
    if (!computer) return;
    game.match.difficulty[p] = kMediumDifficulty;
    // The marker follows the value, so a row switched to computer shows medium.
    const DifficultyIcon& medium = kDifficultyIcons[kMediumDifficulty];
    placeOnCentre(row.difficultyMarker, row.difficulty[kMediumDifficulty], medium.markerDx, medium.markerDy);
}

// Choosing a colour on any open row.
void updateColourIcons(int p, const MyEventReceiver& input)
{
    PlayerRowElements& row = setup().rows[p];
    for (int c = 1; c <= kColourCount; ++c) {
        if (!clicked(row.colour[c], input)) continue;
        game.match.ballColour[p] = c;
        placeOnCentre(row.colourMarker, row.colour[c], kColourMarkerDx, kColourMarkerDy);
        playSound(Sound::click);
    }
}

void updateRow(int p, const MyEventReceiver& input)
{
    PlayerSetupElements& s = setup();
    PlayerRowElements& row = s.rows[p];
    if (!s.rowOpen[p] && clicked(shrunkRect(row.strip, kStripRightInset, kStripBottomInset), input)) openRow(p);
    if (!s.rowOpen[p]) return;
    s.rowHovered[p] = openRowHovered(p);
    if (clicked(row.close, input)) {
        closeRow(p);
        return;
    }
    if (clicked(row.human, input)) {
        setKind(p, false);
        playSound(Sound::click);
    }
    if (clicked(row.computer, input)) {
        setKind(p, true);
        playSound(Sound::click);
    }
    for (int d = 1; d <= 3 && game.match.isComputer[p]; ++d) {
        if (!clicked(row.difficulty[d], input)) continue;
        game.match.difficulty[p] = d;
        placeOnCentre(row.difficultyMarker, row.difficulty[d], kDifficultyIcons[d].markerDx,
                      kDifficultyIcons[d].markerDy);
        playSound(Sound::click);
    }
    updateColourIcons(p, input);
}

// The open rows, in row order, become players 2, 3, ...; the slots above are closed.
void packOpenRows()
{
    MatchState& match = game.match;
    struct Seat { int32_t colour; uint8_t computer; int32_t difficulty; };
    std::vector<Seat> open;
    for (int p = 2; p <= kMaxPlayers; ++p)
        if (match.isComputer[p] || match.ballColour[p] != 0)
            open.push_back({match.ballColour[p], match.isComputer[p], match.difficulty[p]});
    if (open.empty() || open.size() == kMaxPlayers - 1) return;
    for (int p = 2; p <= kMaxPlayers; ++p) {
        const bool taken = size_t(p - 2) < open.size();
        const Seat seat = taken ? open[p - 2] : Seat{0, 0, 0};
        match.ballColour[p] = seat.colour;
        match.isComputer[p] = seat.computer;
        match.difficulty[p] = seat.difficulty;
    }
}

void startFromSetup()
{
    PlayerSetupElements& s = setup();
    game.screen.startRequested = 1;
    packOpenRows();
    startMatchRange(game.match);
    for (int p = 2; p <= kMaxPlayers; ++p) s.rowOpen[p] = 0;
}

void backToCourseSelect()
{
    game.screen.courseSelectActive = 1;
    for (int p = 2; p <= kMaxPlayers; ++p) setup().rowOpen[p] = 0;
    game.match.playerCount = 1;
    clearMenuGui();
    buildCourseSelect();
    createCursorImage(0, 0);
    game.screen.playerSetupActive = 0;
}

}  // namespace

void buildPlayerSetup()
{
    PlayerSetupElements& s = setup();
    s = PlayerSetupElements{};
    s.background = addMenuBackground();
    s.overlay = addMenuOverlay();
    s.panel = addCentred("optionback.png", -380, -270);
    s.title = addCentred("playerseltext.png", -187, -295);
    buildFirstRow();
    for (int p = 2; p <= kMaxPlayers; ++p) addClosedStrip(p);
    placeButton(s.back, halfWidth() + 115, halfHeight() + 210);
    placeButton(s.start, halfWidth() + 255, halfHeight() + 210);
    for (int p = 2; p <= kMaxPlayers; ++p) {
        game.match.ballColour[p] = 0;
        game.match.isComputer[p] = 0;
    }
}

void handlePlayerSetup(MyEventReceiver input)
{
    if (!game.screen.playerSetupActive) return;
    PlayerSetupElements& s = setup();
    for (int p = 2; p <= kMaxPlayers; ++p)
        if (!s.rowOpen[p]) s.rowHovered[p] = mouseOver(shrunkRect(s.rows[p].strip, kStripRightInset, kStripBottomInset));
    updateColourIcons(1, input);
    s.colourIconHovered = overAny(s.rows[1].colour, 1, kColourCount);
    for (int p = 2; p <= kMaxPlayers; ++p) updateRow(p, input);
    if (updateButton(s.start, input)) startFromSetup();
    if (updateButton(s.back, input)) {
        backToCourseSelect();
        game.menu.handCursorRequested = 1;  // the mouse is on back
        releaseClickLatch(input);
        return;
    }
    game.menu.handCursorRequested = s.start.hovered || s.back.hovered;
    releaseClickLatch(input);
}

bool playerSetupWantsHand()
{
    const PlayerSetupElements& s = game.menu.playerSetup;
    return s.colourIconHovered || s.rowHovered[2] || s.rowHovered[3] || s.rowHovered[4];
}
