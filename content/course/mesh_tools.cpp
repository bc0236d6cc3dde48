#include "content/course/mesh_tools.h"

#include <utility>

namespace course {

using model::Vec3;

void upwardTriangle(model::Surface& surface, uint32_t a, uint32_t b, uint32_t c)
{
    const Vec3 pa = surface.vertices[a].position, pb = surface.vertices[b].position, pc = surface.vertices[c].position;
    if (model::cross(pb - pa, pc - pa).y < 0) std::swap(b, c);
    surface.triangle(a, b, c);
}

void facingQuad(model::Surface& surface, uint32_t a, uint32_t b, uint32_t c, uint32_t d, Vec3 facing)
{
    const Vec3 pa = surface.vertices[a].position, pb = surface.vertices[b].position, pc = surface.vertices[c].position,
               pd = surface.vertices[d].position;
    // The quad's normal from its diagonals, which stays right when one corner pair coincides.
    if (model::dot(model::cross(pc - pa, pd - pb), facing) < 0) std::swap(b, d);
    surface.quad(a, b, c, d);
}

void smoothNormals(model::Surface& surface)
{
    std::vector<Vec3> sum(surface.vertices.size());
    for (size_t f = 0; f + 2 < surface.indices.size(); f += 3) {
        const uint32_t a = surface.indices[f], b = surface.indices[f + 1], c = surface.indices[f + 2];
        const Vec3 n = model::cross(surface.vertices[b].position - surface.vertices[a].position,
                                    surface.vertices[c].position - surface.vertices[a].position);
        sum[a] += n;
        sum[b] += n;
        sum[c] += n;
    }
    for (size_t v = 0; v < sum.size(); ++v) surface.vertices[v].normal = model::normalized(sum[v]);
}

}  // namespace course
