// The sand round the greens (hole_N_ground.b3d): rolling dunes about the plan's
// level, flat plots where buildings stand, banks that rise or fall to meet the
// walls just below the grass, and under the greens a floor deep enough to clear the
// cup. The game draws it unlit, so its shading (sun, shade at the foot of the walls,
// haze towards the horizon) is baked into the vertex colours.
#pragma once

#include <vector>

#include "content/course/green_mesh.h"
#include "content/model/mesh.h"

namespace course {

class Sand {
public:
    Sand(const HolePlan& plan, const std::vector<Ribbon>& ribbons, const std::vector<GreenSurface>& greens);

    float height(Vec2 p) const;
    model::Mesh mesh() const;

private:
    struct Border {
        float distance = 1e30f;  // from the inner face of the nearest wall, negative on the grass
        float edgeHeight = 0;    // the grass at the nearest point of the border
        int green = -1;
    };
    Border border(Vec2 p) const;
    float natural(Vec2 p) const;
    std::vector<float> axis(float low, float high) const;

    const HolePlan& plan_;
    const std::vector<Ribbon>& ribbons_;
    const std::vector<GreenSurface>& greens_;
    std::vector<model::Bounds> boxes_;  // each green's outline, grown by the apron
    Vec2 centre_;
    model::Bounds all_;    // the greens with their aprons
    model::Bounds walls_;  // the greens' borders
    float floorDrop_ = 2;
};

}  // namespace course
