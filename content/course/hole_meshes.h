// A plan built into the meshes of its hole (before they are written as files).
#pragma once

#include <map>

#include "content/course/hole_plan.h"
#include "content/model/mesh.h"

namespace course {

struct HoleMeshes {
    model::Mesh grass, bricks, cup, ground;
    std::map<town::PropKind, model::Mesh> props;  // hole_N_<kind>.b3d
    model::Mesh water;                            // hole_N_water.b3d: the water containers' falling water
};

// Throws std::runtime_error naming the hole when the plan cannot be built as written.
HoleMeshes buildHole(const HolePlan& plan);

}  // namespace course
