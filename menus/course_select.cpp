#include "menus/screens.h"

void handleCourseSelect(MyEventReceiver) {}
