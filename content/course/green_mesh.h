// The grass of a green and the cup sunk into it. The grass is one welded grid over
// the ribbon (rows across the centre line, the same number of columns all the way),
// so that neighbouring triangles share their corners exactly: no seams for the ball
// to hop on. Round the cup a block of cells is replaced by rings that close on a
// circle, the rim, where the cup's wall begins.
#pragma once

#include <string>
#include <vector>

#include "content/course/ribbon.h"
#include "content/model/mesh.h"

namespace course {

constexpr float kCupRadius = 0.6f;   // inner radius: room for a ball (0.25) beside the pole (0.05)
constexpr float kBallRadius = 0.25f;

// One corner of a green's border, with its place on the ribbon.
struct OutlinePoint {
    Vec3 position;
    float s = 0, side = 0;
    Side edge = Side::Right;  // the border the edge starting here belongs to
};

struct GreenSurface {
    model::Mesh grass;
    // The same grass for drawing: long straight, evenly sloped stretches in long cells,
    // every vertex of `grass` within 2 mm of it; the cup's rings as in `grass`.
    model::Mesh drawn;
    std::vector<OutlinePoint> outline;  // closed: the right border out, the end, the left border back, the start
    std::vector<Vec3> rim;              // the cup's rim, round the cup (empty on a green without the cup)
};

// Throws std::runtime_error (naming `where`) when the cup cannot sit where the plan puts it.
GreenSurface buildGreen(const Ribbon& ribbon, const HolePlan& plan, bool holdsCup, const std::string& where);

// How deep the cup is below its rim: a ball resting on the floor lies below the cup depth.
float cupDepthBelowRim(const HolePlan& plan);
// The cup's wall (facing in) from the rim down to a level floor (facing up).
model::Mesh buildCup(const std::vector<Vec3>& rim, float depthBelowRim);

}  // namespace course
