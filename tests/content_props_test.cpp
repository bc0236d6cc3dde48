// The larger props (fences, wagons, the train, the trough and the tank) and the turning
// blades: each variant builds within its triangle budget at the size a hole expects,
// stands on its origin with its faces outwards, the containers hold their water inside
// their rims, the blades fill their holes' boxes round the hub, and the game's catalogue
// finds every model and texture under the names the generator writes.
#include <gtest/gtest.h>

#include <irrlicht.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "content/course/hole_meshes.h"
#include "content/model/mesh.h"
#include "content/town/blades.h"
#include "content/town/props.h"
#include "course/holes/hole_table.h"
#include "course/holes/scenery.h"

using model::Mesh;
using model::Vec3;
using town::PropKind;

namespace {

constexpr float kGroundTolerance = 0.03f;    // a prop's lowest point may sit this far off y 0
constexpr float kBladeFit = 0.03f;           // the blade fills its box to within 3 % on every axis

struct PropCase {
    const char* name;
    PropKind kind;
    int variant;
    size_t budget;                            // triangles
    Vec3 least, most;                         // the size of its bounding box, in units
};

const PropCase kProps[] = {
    {"post-and-rail fence", PropKind::Fence, 0, 1500, {3.6f, 1.0f, 0.1f}, {4.6f, 1.6f, 1.0f}},
    {"picket fence", PropKind::Fence, 1, 1500, {3.6f, 1.0f, 0.1f}, {4.6f, 1.6f, 1.0f}},
    {"broken fence", PropKind::Fence, 2, 1500, {3.6f, 1.0f, 0.1f}, {4.8f, 1.6f, 1.5f}},
    {"covered wagon", PropKind::Wagon, 0, 1800, {1.6f, 2.4f, 4.5f}, {2.6f, 3.4f, 6.5f}},
    {"buckboard", PropKind::Wagon, 1, 1800, {1.6f, 1.4f, 3.5f}, {2.6f, 2.4f, 6.0f}},
    {"train on its track", PropKind::Train, 0, 4000, {3.0f, 3.5f, 20.0f}, {5.0f, 5.5f, 30.0f}},
    {"track alone", PropKind::Train, 1, 4000, {3.0f, 0.3f, 30.0f}, {5.0f, 0.6f, 45.0f}},
    {"water tower", PropKind::WaterContainer, 0, 1500, {3.0f, 5.0f, 2.0f}, {6.0f, 8.0f, 4.0f}},
    {"trough", PropKind::WaterContainer, 1, 1500, {2.0f, 0.5f, 0.8f}, {4.0f, 1.8f, 1.6f}},
    {"tank on its stand", PropKind::WaterContainer, 2, 1500, {2.4f, 1.4f, 2.4f}, {3.6f, 2.6f, 3.6f}},
};

// Volume by the divergence theorem: positive when the closed parts face out (two-sided
// boards and open shells add nothing either way).
float signedVolume(const Mesh& mesh)
{
    float volume = 0;
    for (const model::Surface& s : mesh.surfaces)
        for (size_t f = 0; f + 2 < s.indices.size(); f += 3) {
            const Vec3 a = s.vertices[s.indices[f]].position, b = s.vertices[s.indices[f + 1]].position,
                       c = s.vertices[s.indices[f + 2]].position;
            volume += model::dot(a, model::cross(b, c)) / 6.0f;
        }
    return volume;
}

// Corners whose normal points against their triangle's face (lit from behind).
int normalsAgainstFaces(const Mesh& mesh)
{
    int wrong = 0;
    for (const model::Surface& s : mesh.surfaces)
        for (size_t f = 0; f + 2 < s.indices.size(); f += 3) {
            const Vec3 a = s.vertices[s.indices[f]].position, b = s.vertices[s.indices[f + 1]].position,
                       c = s.vertices[s.indices[f + 2]].position;
            const Vec3 n = model::cross(b - a, c - a);
            if (model::length(n) < 1e-9f) continue;
            for (int k = 0; k < 3; ++k)
                if (model::dot(n, s.vertices[s.indices[f + k]].normal) <= 0) ++wrong;
        }
    return wrong;
}

// The nearest hit of a ray on the mesh's triangles (either side), as a distance along it.
std::optional<float> castRay(const Mesh& mesh, Vec3 from, Vec3 dir)
{
    std::optional<float> best;
    for (const model::Surface& s : mesh.surfaces)
        for (size_t f = 0; f + 2 < s.indices.size(); f += 3) {
            const Vec3 a = s.vertices[s.indices[f]].position, b = s.vertices[s.indices[f + 1]].position,
                       c = s.vertices[s.indices[f + 2]].position;
            const Vec3 e1 = b - a, e2 = c - a, p = model::cross(dir, e2);
            const float det = model::dot(e1, p);
            if (std::fabs(det) < 1e-12f) continue;
            const Vec3 t = from - a;
            const float u = model::dot(t, p) / det;
            if (u < 0 || u > 1) continue;
            const Vec3 q = model::cross(t, e1);
            const float v = model::dot(dir, q) / det;
            if (v < 0 || u + v > 1) continue;
            const float d = model::dot(e2, q) / det;
            if (d > 1e-5f && (!best || d < *best)) best = d;
        }
    return best;
}

std::string contents(const std::string& relative) { return std::string(TALLOWICK_RUN_DIR) + "/Contents/" + relative; }

}  // namespace

TEST(Props, EveryVariantStandsOnItsOriginWithinItsBudgetAndSize)
{
    for (const PropCase& c : kProps) {
        const Mesh mesh = town::propModel(c.kind, c.variant);
        const model::Bounds box = mesh.bounds();
        ASSERT_FALSE(box.empty()) << c.name;
        EXPECT_LE(mesh.triangleCount(), c.budget) << c.name;
        EXPECT_NEAR(box.min.y, 0.0f, kGroundTolerance) << c.name << " does not stand on the ground at its origin";
        EXPECT_LE(box.min.x, 0.0f) << c.name << " does not stand over its origin";
        EXPECT_GE(box.max.x, 0.0f) << c.name;
        EXPECT_LE(box.min.z, 0.0f) << c.name;
        EXPECT_GE(box.max.z, 0.0f) << c.name;
        const Vec3 size = box.size();
        EXPECT_TRUE(size.x >= c.least.x && size.x <= c.most.x) << c.name << " is " << size.x << " wide";
        EXPECT_TRUE(size.y >= c.least.y && size.y <= c.most.y) << c.name << " is " << size.y << " tall";
        EXPECT_TRUE(size.z >= c.least.z && size.z <= c.most.z) << c.name << " is " << size.z << " deep";
    }
}

TEST(Props, EveryVariantFacesOutwards)
{
    for (const PropCase& c : kProps) {
        const Mesh mesh = town::propModel(c.kind, c.variant);
        const Vec3 size = mesh.bounds().size();
        EXPECT_GT(signedVolume(mesh), 1e-4f * size.x * size.y * size.z) << c.name << " has parts turned inside out";
        EXPECT_EQ(normalsAgainstFaces(mesh), 0) << c.name;
    }
}

TEST(Props, VariantsWrapAndOtherKindsKeepTheirShapes)
{
    struct Same {
        PropKind kind;
        int variant, wrapsTo;
    };
    for (const Same& s : {Same{PropKind::Fence, 3, 0}, Same{PropKind::Fence, -2, 2}, Same{PropKind::Wagon, 2, 0},
                          Same{PropKind::Train, 3, 1}, Same{PropKind::WaterContainer, 4, 1}}) {
        EXPECT_EQ(town::propModel(s.kind, s.variant).triangleCount(), town::propModel(s.kind, s.wrapsTo).triangleCount())
            << town::propFileName(s.kind) << " variant " << s.variant;
    }
    EXPECT_NE(town::propModel(PropKind::Fence, 0).triangleCount(), town::propModel(PropKind::Fence, 1).triangleCount());
    EXPECT_NE(town::propModel(PropKind::Wagon, 0).triangleCount(), town::propModel(PropKind::Wagon, 1).triangleCount());
    for (PropKind kind : {PropKind::Fence, PropKind::Wagon, PropKind::Train, PropKind::Barrels})
        EXPECT_TRUE(town::propWater(kind, 0).surfaces.empty()) << town::propFileName(kind) << " should hold no water";
}

TEST(Props, TheTowersWaterFallsIntoItsTrough)
{
    const Mesh water = town::propWater(PropKind::WaterContainer, 0);
    const Mesh tower = town::propModel(PropKind::WaterContainer, 0);
    const model::Bounds stream = water.bounds();
    EXPECT_GT(stream.size().y, 2.0f) << "the stream should fall from the spout to the trough";
    // Straight below the stream's foot lies the trough's floor.
    const Vec3 foot{stream.centre().x, stream.min.y + 0.01f, stream.centre().z};
    const std::optional<float> floor = castRay(tower, foot, {0, -1, 0});
    ASSERT_TRUE(floor.has_value());
    EXPECT_LT(*floor, 0.8f);
}

TEST(Props, TroughAndTankHoldLevelWaterJustBelowTheirRims)
{
    constexpr float kRimAbove = 0.25f;  // the rim stands at most this far above the water
    constexpr float kWallNear = 0.12f;  // the walls are this close to the water's edge
    for (int variant : {1, 2}) {
        SCOPED_TRACE(variant == 1 ? "trough" : "tank");
        const Mesh water = town::propWater(PropKind::WaterContainer, variant);
        const Mesh vessel = town::propModel(PropKind::WaterContainer, variant);
        ASSERT_FALSE(water.surfaces.empty());
        const model::Bounds surface = water.bounds();
        EXPECT_LT(surface.size().y, 1e-4f) << "the water is not level";
        EXPECT_GT(surface.size().x, 0.5f);
        EXPECT_GT(surface.size().z, 0.5f);
        const float level = surface.min.y;
        for (const model::Vertex& v : water.surfaces[0].vertices)
            EXPECT_GT(v.normal.y, 0.99f) << "the water should face up";
        // Floor below the middle, above the ground.
        const Vec3 middle = surface.centre();
        const std::optional<float> down = castRay(vessel, middle, {0, -1, 0});
        ASSERT_TRUE(down.has_value());
        EXPECT_LT(*down, level - 0.05f) << "no floor above the ground under the water";
        // Every edge point of the water has the wall just beyond it and the rim just above.
        for (const model::Vertex& v : water.surfaces[0].vertices) {
            Vec3 out = v.position - middle;
            out.y = 0;
            if (model::length(out) < 0.2f) continue;  // a middle point of the surface
            out = model::normalized(out);
            const std::optional<float> wall = castRay(vessel, v.position, out);
            ASSERT_TRUE(wall.has_value()) << "water spills out at " << v.position.x << ", " << v.position.z;
            EXPECT_LT(*wall, kWallNear);
            // Looking down on the wall's top from the highest the rim may stand, it is found above the water.
            const Vec3 above = v.position + out * (*wall + 0.02f) + Vec3{0, kRimAbove, 0};
            const std::optional<float> rim = castRay(vessel, above, {0, -1, 0});
            ASSERT_TRUE(rim.has_value());
            EXPECT_LT(*rim, kRimAbove) << "the rim is below the water";
        }
    }
}

TEST(Props, GameCatalogueFindsThePropsUnderTheirFileNames)
{
    struct Pair {
        PropKind kind;
        Prop prop;
    };
    for (const Pair& p : {Pair{PropKind::Fence, Prop::Fence}, Pair{PropKind::Wagon, Prop::Wagon}, Pair{PropKind::Train, Prop::Train},
                          Pair{PropKind::WaterContainer, Prop::WaterContainer}, Pair{PropKind::Box, Prop::Box}}) {
        EXPECT_EQ(prop(17, p.prop).model, "hole_17_" + std::string(town::propFileName(p.kind)) + ".b3d");
    }
    EXPECT_EQ(prop(9, Prop::Fence).texture, "fence.jpg");
    EXPECT_EQ(prop(13, Prop::Wagon).texture, "wagon.jpg");
    EXPECT_EQ(prop(17, Prop::Train).normal, "trainnormal.jpg");
}

TEST(Props, WagonAndTrainTexturesAreWritten)
{
    struct Texture {
        const char* file;
        irr::u32 size;
    };
    irr::IrrlichtDevice* device = irr::createDevice(irr::video::EDT_NULL);
    for (const Texture& t : {Texture{"wagon.jpg", 512}, Texture{"wagonnormal.jpg", 512}, Texture{"train.jpg", 1024},
                             Texture{"trainnormal.jpg", 1024}}) {
        irr::video::IImage* image = device->getVideoDriver()->createImageFromFile(contents(std::string("Textures/") + t.file).c_str());
        ASSERT_NE(image, nullptr) << t.file << " is missing: run the content tool";
        EXPECT_EQ(image->getDimension().Width, t.size) << t.file;
        EXPECT_EQ(image->getDimension().Height, t.size) << t.file;
        image->drop();
    }
    device->drop();
}

TEST(Props, AHolesPlanWritesEachKindAndItsWaterWhereThePlanPutsThem)
{
    constexpr float kStand = 0.5f, kTankScale = 1.5f;
    course::HolePlan plan;  // filled member by member: GCC 12 warns falsely on the whole aggregate
    plan.number = 90;
    plan.cup = {0, 0, 20};
    plan.cupDepth = -0.4f;
    plan.greens = {{.path = {{.at = {0, -2.5f}, .width = 5}, {.at = {0, 30}, .width = 5}}}};
    plan.props = {
        {.kind = PropKind::Fence, .at = {8, 5}, .yaw = 90, .height = kStand},
        {.kind = PropKind::Wagon, .at = {-9, 10}, .variant = 1, .height = kStand},
        {.kind = PropKind::Train, .at = {20, 10}, .height = kStand},
        {.kind = PropKind::WaterContainer, .at = {-10, 20}, .yaw = 90, .scale = kTankScale, .variant = 2,
         .model = "watercontainer1", .water = "water1", .height = kStand},
        {.kind = PropKind::WaterContainer, .at = {10, 20}, .variant = 1, .model = "watercontanier", .height = kStand},
    };
    const course::HoleMeshes hole = course::buildHole(plan);
    for (const char* name : {"fence", "wagon", "train", "watercontainer1", "water1", "watercontanier", "water"})
        EXPECT_EQ(hole.props.count(name), 1u) << "no hole_90_" << name << ".b3d";
    ASSERT_EQ(hole.props.count("fence"), 1u);
    const model::Bounds fence = hole.props.at("fence").bounds();
    EXPECT_GT(fence.size().z, 3.5f) << "the fence should run along z once turned a quarter";
    EXPECT_NEAR(fence.min.y, kStand, kGroundTolerance);

    struct Water {
        const char* file;
        Vec3 at;
        float scale;
        int variant;
    };
    for (const Water& w : {Water{"water1", {-10, kStand, 20}, kTankScale, 2}, Water{"water", {10, kStand, 20}, 1, 1}}) {
        ASSERT_EQ(hole.props.count(w.file), 1u);
        const model::Bounds water = hole.props.at(w.file).bounds();
        const float level = w.at.y + w.scale * town::propWater(PropKind::WaterContainer, w.variant).bounds().min.y;
        EXPECT_NEAR(water.min.y, level, 1e-3f) << w.file;
        EXPECT_NEAR(water.max.y, level, 1e-3f) << w.file << " is not level";
        EXPECT_NEAR(water.centre().x, w.at.x, 0.05f) << w.file;
        EXPECT_NEAR(water.centre().z, w.at.z, 0.05f) << w.file;
    }
}

TEST(Blades, EachFillsItsHolesBoxCentredOnTheHub)
{
    irr::IrrlichtDevice* device = irr::createDevice(irr::video::EDT_NULL);
    for (int hole : town::kBladeHoles) {
        SCOPED_TRACE("hole " + std::to_string(hole));
        const BladeRow* row = bladeRow(hole);
        ASSERT_NE(row, nullptr);
        const std::string file = contents("Models/hole_" + std::to_string(hole) + "_blade.b3d");
        irr::scene::IAnimatedMesh* mesh = device->getSceneManager()->getMesh(file.c_str());
        ASSERT_NE(mesh, nullptr) << file << " is missing: run the content tool";
        const irr::core::aabbox3df box = mesh->getMesh(0)->getBoundingBox();
        const irr::core::vector3df extent = box.getExtent(), centre = box.getCenter();
        for (int axis = 0; axis < 3; ++axis) {
            const float size = axis == 0 ? extent.X : axis == 1 ? extent.Y : extent.Z;
            EXPECT_NEAR(size, row->box[axis], kBladeFit * row->box[axis]) << "axis " << axis;
        }
        EXPECT_NEAR(centre.X, 0.0f, 0.01f);
        EXPECT_NEAR(centre.Y, 0.0f, 0.01f);
        EXPECT_NEAR(centre.Z, 0.0f, 0.01f);
        // It spins about the axis it is thin along: the paddle's long arms sweep round the hub.
        const float spinExtent = row->spin[0] != 0 ? extent.X : row->spin[2] != 0 ? extent.Z : extent.Y;
        EXPECT_LT(spinExtent, 0.5f * std::max(extent.X, std::max(extent.Y, extent.Z)));

        const Mesh built = town::bladeModel(hole);
        EXPECT_LE(built.triangleCount(), 1500u);
        EXPECT_GT(signedVolume(built), 0.0f);
        EXPECT_EQ(normalsAgainstFaces(built), 0);
    }
    device->drop();
}
