// Shader materials for scenery, cup, flagpole, putter and water.
#pragma once

void createShaderMaterials();
