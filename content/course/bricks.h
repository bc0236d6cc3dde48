// The brick walls that border every green, and the brick blocks and pillars that
// stand on them. The inner face of a wall rises from just below the grass along the
// green's own border, so that no gap opens between grass and wall; the outer face
// reaches down into the sand.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "content/course/green_mesh.h"

namespace course {

constexpr float kWallThickness = 0.35f;

// The grass height at (x, z) on whichever green covers it; false when none does.
bool grassHeightAt(const std::vector<Ribbon>& ribbons, Vec2 p, float& height);

model::Mesh buildBricks(const HolePlan& plan, const std::vector<Ribbon>& ribbons,
                        const std::vector<GreenSurface>& greens, const std::function<float(Vec2)>& sand,
                        const std::string& where);

}  // namespace course
