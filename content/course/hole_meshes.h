// A plan built into the meshes of its hole (before they are written as files).
#pragma once

#include <map>
#include <string>

#include "content/course/hole_plan.h"
#include "content/model/mesh.h"

namespace course {

struct HoleMeshes {
    model::Mesh grass, bricks, cup, ground;
    model::Mesh drawnGrass;                 // hole_N_grassview.b3d: the grass the game draws (it rolls on `grass`)
    model::Mesh pipes, slickPipes;          // hole_N_pipes.b3d, hole_N_slickpipes.b3d (when the plan has any)
    model::Mesh drawnPipes, drawnSlickPipes;  // hole_N_pipesview.b3d, hole_N_slickpipesview.b3d: drawn, not rolled on
    std::map<std::string, model::Mesh> props;  // hole_N_<name>.b3d: props of a kind, water containers' water
};

// Throws std::runtime_error naming the hole when the plan cannot be built as written.
HoleMeshes buildHole(const HolePlan& plan);

}  // namespace course
