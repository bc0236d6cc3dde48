// The 27-entry sound bank: one OpenAL buffer and source per entry.
#pragma once

void loadSoundBank();
// The main loop keeps the title music going on every front-end screen after the splash.
void keepTitleMusicPlaying();
