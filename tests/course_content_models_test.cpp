// The course's generated models load the way the hole builder and the collision
// builder need them, and keep the conventions their placements rely on.
#include <gtest/gtest.h>

#include <irrlicht.h>

#include <string>
#include <vector>

using namespace irr;

namespace {

constexpr u32 kHoleTriangleBudget = 40000;  // a hole's own meshes and props, for 60 frames a second on software GL

std::string contents(const std::string& relative) { return std::string(TALLOWICK_RUN_DIR) + "/Contents/" + relative; }

class Models : public testing::Test {
protected:
    Models() : device(createDevice(video::EDT_NULL)) {}
    ~Models() override { device->drop(); }

    scene::IMesh* load(const std::string& model)
    {
        scene::IAnimatedMesh* mesh = device->getSceneManager()->getMesh(contents("Models/" + model).c_str());
        return mesh ? mesh->getMesh(0) : nullptr;
    }

    static u32 triangles(scene::IMesh* mesh)
    {
        u32 n = 0;
        for (u32 b = 0; b < mesh->getMeshBufferCount(); ++b) n += mesh->getMeshBuffer(b)->getIndexCount() / 3;
        return n;
    }

    IrrlichtDevice* device;
};

const char* const kHoleModels[][13] = {
    {"hole_0_grass.b3d", "hole_0_bricks.b3d", "hole_0_cup.b3d", "hole_0_ground.b3d", "hole_0_barrels.b3d",
     "hole_0_box.b3d", "hole_0_longhorn.b3d", "hole_0_wagonwheels.b3d", "hole_0_cactus.b3d", "hole_0_brush.b3d",
     "hole_0_minecart.b3d", "hole_0_watercontainer.b3d", "hole_0_water.b3d"},
    {"hole_1_grass.b3d", "hole_1_bricks.b3d", "hole_1_cup.b3d", "hole_1_ground.b3d", "hole_1_barrels.b3d",
     "hole_1_longhorn.b3d", "hole_1_wagonwheels.b3d", "hole_1_cactus.b3d", "hole_1_brush.b3d"},
};

const char* const kSharedModels[] = {"windmill_base.b3d", "windmill_blades.3ds", "outhouse.b3d", "house1.b3d",
                                     "house_glass.b3d", "horsePost.b3d", "townsign.b3d"};

const char* const kTextures[] = {
    "grass.jpg", "brick.jpg", "brickNormal.jpg", "black.jpg", "water.png", "waternormal.jpg", "water1.jpg",
    "water2.jpg", "wall1.jpg", "pipes.jpg", "pipesnormal.jpg", "glass.jpg", "glassnormal.jpg", "terrian0.jpg",
    "terrian1.jpg", "top1.jpg", "left1.jpg", "right1.jpg", "front1.jpg", "back1.jpg", "windmill.jpg",
    "windmillnormal.jpg", "outhouse.jpg", "outhousenormal.jpg", "saloon1.jpg", "saloonnormal.jpg", "fence.jpg",
    "fencenormal.jpg", "townsign.jpg", "barrel.jpg", "barrelnormal.jpg", "box.jpg", "boxnormal.jpg",
    "longhorn_skull.jpg", "longhorn_skullnormal.jpg", "wheel.jpg", "wheelnormal.jpg", "cactus.jpg",
    "cactusnormal.jpg", "brush_1.png", "minecart.jpg", "minecartnormal.jpg",
};

}  // namespace

TEST_F(Models, EveryCourseModelLoadsWithTheCollisionBuildersLayout)
{
    std::vector<std::string> files(std::begin(kSharedModels), std::end(kSharedModels));
    for (const auto& hole : kHoleModels)
        for (const char* file : hole)
            if (file) files.push_back(file);
    for (const std::string& file : files) {
        scene::IMesh* mesh = load(file);
        ASSERT_NE(mesh, nullptr) << file << " does not load: run the content tool";
        EXPECT_GT(triangles(mesh), 0u) << file;
        for (u32 b = 0; b < mesh->getMeshBufferCount(); ++b) {
            scene::IMeshBuffer* buffer = mesh->getMeshBuffer(b);
            EXPECT_EQ(buffer->getVertexType(), video::EVT_STANDARD) << file << " buffer " << b;
            EXPECT_EQ(buffer->getIndexType(), video::EIT_16BIT) << file << " buffer " << b;
            EXPECT_EQ(buffer->getIndexCount() % 3, 0u) << file << " buffer " << b;
        }
    }
}

TEST_F(Models, EachHoleStaysWithinItsTriangleBudget)
{
    for (const auto& hole : kHoleModels) {
        u32 total = 0;
        for (const char* file : hole)
            if (file)
                if (scene::IMesh* mesh = load(file)) total += triangles(mesh);
        EXPECT_GT(total, 0u) << hole[0];
        EXPECT_LT(total, kHoleTriangleBudget) << hole[0];
    }
}

TEST_F(Models, BuildingsStandOnTheirOrigin)
{
    for (const char* file : {"outhouse.b3d", "house1.b3d", "horsePost.b3d", "townsign.b3d"}) {
        scene::IMesh* mesh = load(file);
        ASSERT_NE(mesh, nullptr) << file;
        const core::aabbox3df box = mesh->getBoundingBox();
        EXPECT_NEAR(box.MinEdge.Y, 0.0f, 0.02f) << file << " does not stand on the ground at its origin";
        EXPECT_LT(std::abs(box.getCenter().X), 0.25f * box.getExtent().X) << file << " is not centred on its origin";
        EXPECT_LT(std::abs(box.getCenter().Z), 0.35f * box.getExtent().Z) << file << " is not centred on its origin";
    }
}

TEST_F(Models, WindmillTurnsAboutItsHubAndStandsTwoUnitsBelowIt)
{
    scene::IMesh* blades = load("windmill_blades.3ds");
    scene::IMesh* base = load("windmill_base.b3d");
    ASSERT_NE(blades, nullptr);
    ASSERT_NE(base, nullptr);
    const core::aabbox3df wheel = blades->getBoundingBox();
    EXPECT_NEAR(wheel.getCenter().X, 0.0f, 0.02f);
    EXPECT_NEAR(wheel.getCenter().Y, 0.0f, 0.02f);
    EXPECT_LT(wheel.getExtent().Z, 0.2f * wheel.getExtent().X) << "the wheel should lie across the z axis it turns about";
    EXPECT_NEAR(base->getBoundingBox().MinEdge.Y, -2.0f, 0.1f) << "a windmill placed at y 16 with scale 8 must stand on y 0";
}

TEST_F(Models, EveryCourseTextureLoads)
{
    for (const char* file : kTextures) {
        video::IImage* image = device->getVideoDriver()->createImageFromFile(contents(std::string("Textures/") + file).c_str());
        ASSERT_NE(image, nullptr) << file;
        EXPECT_GE(image->getDimension().Width, 64u) << file;
        EXPECT_GE(image->getDimension().Height, 64u) << file;
        image->drop();
    }
}
