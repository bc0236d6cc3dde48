// The hole generator: every registered plan becomes hole_N_grass.b3d (with
// hole_N_grassview.b3d, the same grass in fewer cells for drawing; pipes likewise), hole_N_bricks.b3d,
// hole_N_cup.b3d and hole_N_ground.b3d, and one hole_N_<prop>.b3d per kind of prop the
// plan scatters (with hole_N_water.b3d for a water container's falling water), and the
// hole's sand texture terrianN.jpg.
#include <map>
#include <stdexcept>
#include <string>

#include "content/course/bricks.h"
#include "content/course/hole_meshes.h"
#include "content/course/pipes.h"
#include "content/course/sand.h"
#include "content/model/b3d.h"
#include "content/output.h"
#include "content/registry.h"

namespace course {

namespace {

constexpr float kPropSink = 0.05f;  // props stand this far into the sand, so that no gap shows under them

std::string where(const HolePlan& plan) { return "hole plan " + std::to_string(plan.number); }

}  // namespace

std::vector<std::function<HolePlan()>>& holePlans()
{
    static std::vector<std::function<HolePlan()>> plans;
    return plans;
}

HoleMeshes buildHole(const HolePlan& plan)
{
    std::vector<Ribbon> ribbons;
    for (const Green& g : plan.greens) ribbons.emplace_back(g, where(plan));
    int cupGreen = -1;
    for (size_t g = 0; g < ribbons.size() && cupGreen < 0; ++g)
        if (ribbons[g].covers({plan.cup.x, plan.cup.z})) cupGreen = int(g);
    if (cupGreen < 0) throw std::runtime_error(where(plan) + ": the cup lies on no green");

    std::vector<GreenSurface> greens;
    HoleMeshes hole;
    for (size_t g = 0; g < ribbons.size(); ++g) {
        greens.push_back(buildGreen(ribbons[g], plan, int(g) == cupGreen, where(plan)));
        hole.grass.add(greens.back().grass);
        hole.drawnGrass.add(greens.back().drawn);
    }
    const Sand sand(plan, ribbons, greens);
    const auto sandHeight = [&](Vec2 p) { return sand.height(p); };
    hole.bricks = buildBricks(plan, ribbons, greens, sandHeight, where(plan));
    hole.cup = buildCup(greens[cupGreen].rim, cupDepthBelowRim(plan));
    hole.ground = sand.mesh();

    for (const PropSpot& spot : plan.props) {
        const float standsAt = spot.height > -1e8f ? spot.height : sand.height(spot.at) - kPropSink;
        const model::Transform place =
            model::Transform().scale(spot.scale).rotateY(spot.yaw).translate({spot.at.x, standsAt, spot.at.y});
        const std::string name = spot.model.empty() ? town::propFileName(spot.kind) : spot.model;
        hole.props[name].add(town::propModel(spot.kind, spot.variant).transform(place));
        model::Mesh water = town::propWater(spot.kind, spot.variant);
        if (!water.surfaces.empty()) hole.props[spot.water.empty() ? "water" : spot.water].add(water.transform(place));
    }
    for (const Pipe& pipe : plan.pipes) {
        (pipe.slick ? hole.slickPipes : hole.pipes).add(buildPipe(pipe, where(plan)));
        (pipe.slick ? hole.drawnSlickPipes : hole.drawnPipes).add(buildPipe(pipe, where(plan), true));
    }
    return hole;
}

namespace {

void generateHoles(ContentOutput& output)
{
    for (const auto& makePlan : holePlans()) {
        const HolePlan plan = makePlan();
        const HoleMeshes hole = buildHole(plan);
        const std::string prefix = "Models/hole_" + std::to_string(plan.number) + "_";
        output.write(prefix + "grass.b3d", model::writeB3d(hole.grass));
        output.write(prefix + "grassview.b3d", model::writeB3d(hole.drawnGrass));
        output.write(prefix + "bricks.b3d", model::writeB3d(hole.bricks));
        output.write(prefix + "cup.b3d", model::writeB3d(hole.cup));
        output.write(prefix + "ground.b3d", model::writeB3d(hole.ground));
        for (const auto& [name, mesh] : hole.props) output.write(prefix + name + ".b3d", model::writeB3d(mesh));
        if (!hole.pipes.surfaces.empty()) {
            output.write(prefix + "pipes.b3d", model::writeB3d(hole.pipes));
            output.write(prefix + "pipesview.b3d", model::writeB3d(hole.drawnPipes));
        }
        if (!hole.slickPipes.surfaces.empty()) {
            output.write(prefix + "slickpipes.b3d", model::writeB3d(hole.slickPipes));
            output.write(prefix + "slickpipesview.b3d", model::writeB3d(hole.drawnSlickPipes));
        }
        output.write("Textures/terrian" + std::to_string(plan.number) + ".jpg",
                     encodeJpeg(town::sandPicture(plan.terrain.look), 90));
    }
}

}  // namespace

}  // namespace course

REGISTER_GENERATOR(course_holes, course::generateHoles);
