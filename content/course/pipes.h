// Pipes: tubes a ball rolls through, from one green to another. The centre line
// runs straight from point to point, each inner corner rounded over up to 1.5
// units either side; the tube is open at both ends, with a lip round each mouth.
#pragma once

#include <string>

#include "content/course/hole_plan.h"
#include "content/model/mesh.h"

namespace course {

// Throws std::runtime_error (naming `where`) for a pipe of fewer than two points
// or a radius too small for the ball. `forDrawing`: the same tube with the rings inside
// its straight runs left out (the ball rolls on the full one).
model::Mesh buildPipe(const Pipe& pipe, const std::string& where, bool forDrawing = false);

}  // namespace course
