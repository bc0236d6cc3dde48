// Sorts the hole's bodies into material groups and sets the contact values and
// contact handler of every ball/surface pair. The last step of every hole build.
#pragma once

void setupMaterials();
