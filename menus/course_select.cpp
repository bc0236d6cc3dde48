#include "menus/screens.h"

// Built with the rest of the front end.
void buildCourseSelect() {}
void handleCourseSelect(MyEventReceiver) {}
