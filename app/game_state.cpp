#include "app/game_state.h"

GameState game;
