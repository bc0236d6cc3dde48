// How a hole is written down. A plan is data: the content tool turns it into the
// four meshes every hole has (hole_N_grass.b3d, hole_N_bricks.b3d, hole_N_cup.b3d,
// hole_N_ground.b3d), the hole's own props (hole_N_cactus.b3d, ...; hole_N_water.b3d
// for a water container's stream) and its sand texture (terrianN.jpg).
//
// Coordinates are the hole's frame: y up, the tee at the origin, strokes towards +z
// at aim 0, +x on the right of a player looking down the hole.
//
// A green is a ribbon of grass laid along a centre line through waypoints. Each
// waypoint gives the inner width between the border walls, the height of the grass
// on the centre line, a cross slope and a dish; between waypoints every value blends
// smoothly (a monotone cubic: equal neighbours give an exactly level stretch, a change
// gives a ramp with rounded ends), and the centre line bends round each inner waypoint
// on an arc. Brick walls border the whole ribbon except where a gap opens them; humps
// and mounds shape the grass, blocks and posts stand on it. A hole may have several
// greens (joined by pipes, say); the cup is on the one that covers its position.
//
//   HolePlan holeOnePlan()
//   {
//       return {
//           .number = 1,
//           .cup = {0.232f, -0.5f, 26.731f},        // the hole table's cup position and depth
//           .cupDepth = -0.9f,
//           .greens = {{
//               .path = {
//                   {.at = {0, -2.5f}, .width = 5},                   // behind the tee
//                   {.at = {0, 6}, .width = 5},                       // a level tee box
//                   {.at = {0.3f, 12}, .width = 4, .height = -0.5f},  // a ramp down
//                   {.at = {0.232f, 30}, .width = 6.5f, .height = -0.5f},
//               },
//               .humps = {{.at = 18, .length = 2.5f, .height = 0.15f}},
//           }},
//           .blocks = {{.at = {0.45f, 16.5f}, .size = {1.3f, 0.45f}}},
//           .terrain = {.level = -2.2f, .plots = {{.at = {-10, 43}, .radius = 10.5f, .height = 4.7f}}},
//           .props = {{.kind = PropKind::Cactus, .at = {12, 4}, .variant = 1}},
//       };
//   }
//   REGISTER_HOLE_PLAN(hole_01, holeOnePlan);
//
// What the game relies on, and the generator checks (it stops with a message naming
// the hole): the cup lies on a green, at least 1.5 units inside its walls and ends,
// with the grass level all round its rim at the cup's height; bends are wider than
// half the green. Keep the tee level at height 0 from x -2 to 2 (the balls drop there),
// and give the buildings of the hole flat plots at the heights they are placed at:
// buildings stand on their origin (the windmill stands 16 below its hub at scale 8).
// Slopes steeper than about 4 % carry a slow ball on (it stops at the foot or a wall);
// use them for ramps, and level ground where balls should come to rest.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "content/model/math.h"
#include "content/town/props.h"
#include "content/town/sand_texture.h"

namespace course {

using model::Vec2;
using model::Vec3;

struct Waypoint {
    Vec2 at{};               // (x, z) of the centre line
    float width = 5.0f;    // between the inner faces of the border walls
    float height = 0.0f;   // of the grass on the centre line
    float bank = 0.0f;     // cross slope, height per unit across: positive lifts the right side
    float dish = 0.0f;     // the edges stand this much above the centre (a gutter); negative crowns
    float corner = 0.0f;   // radius of the bend at this waypoint; 0 chooses the width
};

// A smooth ridge across the whole green (a trough when the height is negative),
// centred `at` units along the centre line, `length` long from foot to foot.
struct Hump {
    float at = 0;
    float length = 2;
    float height = 0.2f;
};

// A round mound (or hollow) on the green, flat-footed at its radius.
struct Mound {
    Vec2 at{};
    float radius = 2;
    float height = 0.2f;
};

enum class Side { Left, Right, Start, End };

// An opening in a border wall. Along the left and right walls `from` and `to` are
// distances along the centre line; across the start and end walls, offsets from the
// centre line (negative on the left).
struct Gap {
    Side side = Side::Left;
    float from = 0;
    float to = 0;
};

struct Green {
    std::vector<Waypoint> path{};  // two or more, from the tee end
    std::vector<Hump> humps{};
    std::vector<Mound> mounds{};
    std::vector<Gap> gaps{};
};

// Brick obstacles standing on the grass: a block (size across x and z before it turns
// by yaw degrees) and a round pillar. Heights are above the grass.
struct Block {
    Vec2 at{};
    Vec2 size{1, 1};
    float yaw = 0;
    float height = 0.6f;
};

struct Post {
    Vec2 at{};
    float radius = 0.4f;
    float height = 0.8f;
};

// A flat round plot of sand at a fixed height (under a building, the top of a hill,
// the floor of a hollow), meeting the land around it over `falloff` units.
struct Plot {
    Vec2 at{};
    float radius = 4;
    float height = 0;
    float falloff = 8;
};

struct Terrain {
    float level = -1.5f;    // the sand's height away from the greens
    float dunes = 0.8f;     // relief of the rolling sand around that level
    float below = 0.35f;    // the sand meets the walls this far below the grass
    float apron = 5.0f;     // the bank from the walls to the sand's own level, in units from the walls
    std::vector<Plot> plots{};
    uint32_t seed = 1;
    town::SandLook look{};  // the hole's sand texture (terrianN.jpg)
};

// One prop in the hole's frame, standing on the sand; yaw turns it (degrees), variant picks its shape.
// Props of a kind go into hole_N_<kind>.b3d, and water containers' water into hole_N_water.b3d;
// `model` and `water` name other files for a hole that has two of them ("watercontainer1",
// "water1"), or a name the game looks up as written ("watercontanier").
struct PropSpot {
    town::PropKind kind = town::PropKind::Cactus;
    Vec2 at{};
    float yaw = 0;
    float scale = 1;
    int variant = 0;
    std::string model{};
    std::string water{};
    float height = -1e9f;  // stands at this height instead of on the sand (a tank on a wall, say)
};

// A tube a ball rolls through, from one green to another. `path` gives points of its
// centre line in the hole's frame (straight runs, corners rounded over up to 1.5
// units either side of each inner point); y is the centre's
// height, so a mouth whose floor lies on grass at height h has y = h + radius. Run the
// mouths through gaps in the walls, and keep the pipe falling all the way so that a
// ball never stops inside. A slick pipe is a frictionless chute (hole_N_slickpipes.b3d);
// the others make hole_N_pipes.b3d.
struct Pipe {
    std::vector<Vec3> path{};
    float radius = 0.45f;  // inside; the ball's radius is 0.25
    bool slick = false;
};

struct HolePlan {
    int number = 0;               // the model number: 0 for the practice hole
    Vec3 cup{};                     // the hole table's cup position: the flagpole and the grass height there
    float cupDepth = 0;           // the table's cup depth: a ball centre below it is in
    float wallHeight = 0.6f;      // above the grass
    std::vector<Green> greens{};
    std::vector<Block> blocks{};
    std::vector<Post> posts{};
    Terrain terrain{};
    std::vector<PropSpot> props{};
    std::vector<Pipe> pipes{};
};

// Every plan of the course, registered by the file that writes it.
std::vector<std::function<HolePlan()>>& holePlans();

struct HolePlanRegistration {
    explicit HolePlanRegistration(std::function<HolePlan()> plan) { holePlans().push_back(std::move(plan)); }
};

}  // namespace course

// REGISTER_HOLE_PLAN(hole_01, makeHoleOnePlan) once in the plan's file.
#define REGISTER_HOLE_PLAN(name, function) \
    static course::HolePlanRegistration holePlanRegistration_##name(function)
