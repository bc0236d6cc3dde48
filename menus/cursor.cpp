#include "menus/screens.h"

void updateCursor() {}
