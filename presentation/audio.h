// The audio context. Without an audio device the game plays on silently:
// every sound call then does nothing.
#pragma once

// alutInit for the default device, then clears any pending error. Prints one
// line and leaves audio off when no device can be opened.
void startAudio();
bool audioAvailable();
// Closes the audio context at exit.
void stopAudio();
