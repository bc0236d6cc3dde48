#include "presentation/sound_bank.h"

void loadSoundBank() {}
void keepTitleMusicPlaying() {}
