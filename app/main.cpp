// Tallowick Mini Golf: start-up, then the main loop until the window closes.
#include "app/main_loop.h"
#include "app/replay.h"
#include "app/startup.h"
#include "presentation/audio.h"

int main(int argc, char** argv)
{
    const int argumentStatus = replayParseArguments(argc, argv);
    if (argumentStatus >= 0) return argumentStatus;
    if (!startUp()) return 1;
    runMainLoop();
    stopAudio();
    return 0;
}
