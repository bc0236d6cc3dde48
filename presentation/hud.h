// The HUD over a hole: player panels with stroke counts, banners, power meter,
// camera icon, letterbox of the fly-over, the scorecard, medals and winner.
#pragma once

#include <cstdint>

void buildHud();
// The current player's stroke digits in the panel (also the total on the scorecard).
void drawStrokeCount(int32_t value);
// The current player's hole-score digits on the scorecard.
void drawHoleScore(int32_t value);
// The result banner for a result code (strokes minus par, or the stroke limit), with its sound.
void showHoleResult(int32_t code);
// The end-of-hole scorecard, and on the last hole the medals and the winner.
void showScorecard();
// Shows the panels of the taking-part players and the play pictures (end of the fly-over).
void showPlayHud();
// Hides the panels, digits, meter, camera icon and hole pictures (end of the hole).
void hidePlayHud();
void showTurnBanner(int32_t player);
