#include "presentation/shaders.h"

// Until the programs exist every node keeps its fixed-function material.
void createShaderMaterials() {}
