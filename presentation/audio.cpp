#include "presentation/audio.h"

#include <iostream>

#include <AL/al.h>
#include <AL/alut.h>

#include "app/game_state.h"

void startAudio()
{
    if (alutInit(nullptr, nullptr) != AL_TRUE) {
        std::cerr << "No audio device (" << alutGetErrorString(alutGetError())
                  << "): playing without sound" << std::endl;
        game.audioAvailable = 0;
        return;
    }
    alGetError();
    game.audioAvailable = 1;
}

bool audioAvailable() { return game.audioAvailable != 0; }

void stopAudio()
{
    if (game.audioAvailable) alutExit();
    game.audioAvailable = 0;
}
