// The town's shared buildings and the per-hole props, with their textures.
#pragma once

#include <cstdint>

#include "course/holes/hole_definition.h"

Placement placed(float scale, float x, float y, float z, float yaw = 0);
Placement placed3(const float scale[3], const float position[3], const float rotation[3]);

SceneryItem windmillBase(const Placement& place);
SceneryItem windmillBlades(const Placement& place);
SceneryItem brokenWindmill(const Placement& place);
SceneryItem outhouse(const Placement& place);
SceneryItem house(const Placement& place);
SceneryItem houseGlass(const Placement& place, const char* model = "house_glass.b3d");
SceneryItem horsePost(const Placement& place);
SceneryItem townSign(const Placement& place);
SceneryItem saloon(const char* model, const Placement& place);  // saloon.b3d, saloon2.b3d, saloon3.b3d
SceneryItem saloonGlass(const Placement& place);
SceneryItem mineMill(const char* model, const Placement& place);  // the names differ in letter case
SceneryItem mineMillGlass(const Placement& place);

// Props modelled in the hole's own frame: hole_N_<name>.b3d at the origin.
enum class Prop { Barrels, Box, Longhorn, WagonWheels, Cactus, Brush, Fence, MineCart, Wagon, Train,
                  WaterContainer };
SceneryItem prop(int32_t hole, Prop kind);
// A hole model with an unusual name ("hole_7_watercontanier.b3d") and the water-container look.
SceneryItem waterContainer(const char* model);
