// The shader materials on the OpenGL driver (Mesa's software GL under Xvfb): the
// programs compile, a broken program leaves its surfaces on the plain material,
// and the callbacks send the constants the programs read.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

#include "app/game_state.h"
#include "presentation/shaders.h"
#include "tests/support/game_run.h"
#include "tests/support/gl_game.h"

namespace {

namespace fs = std::filesystem;
using irr::video::E_MATERIAL_TYPE;

constexpr bool kShaders = true;  // the window's game has shaders on

// Runs createShaderMaterials and gives what it wrote on standard output.
std::string createCapturingOutput()
{
    std::ostringstream out;
    std::streambuf* saved = std::cout.rdbuf(out.rdbuf());
    createShaderMaterials();
    std::cout.rdbuf(saved);
    return out.str();
}

struct Getter {
    const char* name;
    E_MATERIAL_TYPE (*material)();
    E_MATERIAL_TYPE base;
    int32_t ShaderMaterialIds::*id;
};

const Getter kGetters[] = {
    {"normal", normalMaterial, irr::video::EMT_SOLID, &ShaderMaterialIds::normalMaterial},
    {"bump", bumpMaterial, irr::video::EMT_SOLID, &ShaderMaterialIds::bumpMaterial},
    {"specular", specularMaterial, irr::video::EMT_SOLID, &ShaderMaterialIds::specularMaterial},
    {"specular reflection", specularReflectionMaterial, irr::video::EMT_REFLECTION_2_LAYER,
     &ShaderMaterialIds::specularReflectionMaterial},
    {"plastic", plasticMaterial, irr::video::EMT_SOLID, &ShaderMaterialIds::plasticMaterial},
    {"waterH", waterHMaterial, irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL, &ShaderMaterialIds::waterHMaterial},
    {"waterV", waterVMaterial, irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL, &ShaderMaterialIds::waterVMaterial},
};

int count(const std::string& text, const std::string& part)
{
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

}  // namespace

TEST(ShaderMaterials, AllSevenProgramsCompileAndLinkOnTheGlDriver)
{
    GlGame gl("", kShaders);
    ASSERT_TRUE(gl.ready()) << "no OpenGL window (run under Xvfb)";
    ASSERT_TRUE(game.engine.driver->queryFeature(irr::video::EVDF_ARB_GLSL));
    const std::string out = createCapturingOutput();
    EXPECT_EQ(out, "");
    for (const std::string& line : gl.log.errors) ADD_FAILURE() << "engine log: " << line;

    std::set<int32_t> ids;
    for (const Getter& g : kGetters) {
        const int32_t id = game.shaderMaterials.*g.id;
        EXPECT_GT(id, int32_t(irr::video::EMT_ONETEXTURE_BLEND)) << g.name;
        EXPECT_EQ(g.material(), E_MATERIAL_TYPE(id)) << g.name;
        ids.insert(id);
        // The base material decides whether the surface is drawn with the transparent ones.
        irr::video::IMaterialRenderer* renderer = game.engine.driver->getMaterialRenderer(irr::u32(id));
        ASSERT_NE(renderer, nullptr) << g.name;
        EXPECT_EQ(renderer->isTransparent(), g.base == irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL) << g.name;
    }
    EXPECT_EQ(ids.size(), 7u) << "seven materials, the two specular ones apart";
    EXPECT_TRUE(shaderMaterialsActive());

    // One frame with a node of every material: setting the constants logs nothing either.
    irr::scene::ISceneManager* smgr = game.engine.sceneManager;
    smgr->addCameraSceneNode(nullptr, {0, 2, -6}, {0, 0, 0});
    for (size_t i = 0; i < std::size(kGetters); ++i) {
        irr::scene::ISceneNode* cube = smgr->addCubeSceneNode(1.0f, nullptr, -1, {float(i) - 3.0f, 0, 0});
        setMaterialType(cube, kGetters[i].material());
    }
    game.engine.driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
    smgr->drawAll();
    game.engine.driver->endScene();
    for (const std::string& line : gl.log.errors) ADD_FAILURE() << "engine log while drawing: " << line;
}

TEST(ShaderMaterials, ABrokenOrMissingProgramLeavesItsSurfacesOnTheBaseMaterial)
{
    RunTree source;  // its Contents/ is the build's
    const fs::path contents = source.path("BrokenContents");
    fs::create_directories(contents / "Shaders");
    for (const fs::directory_entry& file : fs::directory_iterator(source.path("Contents/Shaders")))
        fs::copy_file(file.path(), contents / "Shaders" / file.path().filename());
    std::ofstream(contents / "Shaders/normal.golf", std::ios::trunc)
        << readFile(source.path("Contents/Shaders/normal.golf")) << "\nvoid broken( {\n";
    std::ofstream(contents / "Shaders/specular.golf", std::ios::trunc) << "#version 120\nvoid main() {}\n";
    fs::remove(contents / "Shaders/plastic.golf");

    GlGame gl(contents.string(), kShaders);
    ASSERT_TRUE(gl.ready()) << "no OpenGL window (run under Xvfb)";
    const std::string out = createCapturingOutput();

    struct Row { const char* file; int lines; };
    for (Row row : {Row{"normal.golf", 1}, Row{"specular.golf", 1}, Row{"plastic.golf", 1}, Row{"bump.golf", 0}})
        EXPECT_EQ(count(out, std::string("Shaders/") + row.file), row.lines) << row.file << " in:\n" << out;
    EXPECT_EQ(count(out, "did not compile"), 1) << out;
    EXPECT_EQ(count(out, "not found"), 1) << out;
    int compilerMessages = 0;
    for (const std::string& line : gl.log.errors) compilerMessages += count(line, "failed to compile");
    EXPECT_EQ(compilerMessages, 1) << "the compiler's message once";

    for (const Getter& g : kGetters) {
        const bool broken = std::string(g.name).starts_with("specular") || g.name == std::string("normal") ||
                            g.name == std::string("plastic");
        EXPECT_EQ(g.material() == g.base, broken) << g.name;
    }
    EXPECT_FALSE(shaderMaterialsActive()) << "without the normal material the normal textures stay off";
}

TEST(ShaderMaterials, ShadersOffCreateNothing)
{
    GlGame gl("", kShaders);
    ASSERT_TRUE(gl.ready()) << "no OpenGL window (run under Xvfb)";
    game.options.shadersEnabled = 0;
    EXPECT_EQ(createCapturingOutput(), "");
    for (const Getter& g : kGetters) {
        EXPECT_EQ(game.shaderMaterials.*g.id, 0) << g.name;
        EXPECT_EQ(g.material(), g.base) << g.name;
    }
    EXPECT_FALSE(shaderMaterialsActive());
}

namespace {

// Draws the scene at engine time `ms` and reads the picture back.
std::vector<uint8_t> drawAt(uint32_t ms)
{
    irr::video::IVideoDriver* driver = game.engine.driver;
    game.engine.device->getTimer()->setTime(ms);
    driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
    game.engine.sceneManager->drawAll();
    const irr::core::dimension2du size = driver->getScreenSize();
    std::vector<uint8_t> pixels(size_t(size.Width) * size.Height * 4);
    glReadBuffer(GL_BACK);  // the front buffer reads black under Xvfb
    glReadPixels(0, 0, GLsizei(size.Width), GLsizei(size.Height), GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    driver->endScene();
    return pixels;
}

}  // namespace

TEST(ShaderMaterials, WaterMovesWithTheEngineTimerAndScenerySitsStill)
{
    GlGame gl("", kShaders);
    ASSERT_TRUE(gl.ready()) << "no OpenGL window (run under Xvfb)";
    createShaderMaterials();
    irr::video::IVideoDriver* driver = game.engine.driver;
    irr::scene::ISceneManager* smgr = game.engine.sceneManager;
    smgr->addCameraSceneNode(nullptr, {0, 3, -3}, {0, 0, 0});
    irr::scene::IMesh* plane = smgr->addHillPlaneMesh("surface", {1, 1}, {4, 4}, nullptr, 0, {0, 0}, {1, 1});
    irr::scene::ISceneNode* surface = smgr->addMeshSceneNode(plane);
    surface->setMaterialTexture(0, driver->getTexture("../Contents/Textures/water.png"));
    surface->setMaterialTexture(1, driver->getTexture("../Contents/Textures/waternormal.jpg"));

    struct Row { const char* name; E_MATERIAL_TYPE (*material)(); bool moves; };
    for (Row row : {Row{"waterH", waterHMaterial, true}, Row{"waterV", waterVMaterial, true},
                    Row{"normal", normalMaterial, false}}) {
        setMaterialType(surface, row.material());
        const std::vector<uint8_t> before = drawAt(20000), after = drawAt(20500);
        size_t changed = 0;
        for (size_t i = 0; i < before.size(); ++i) changed += std::abs(int(before[i]) - int(after[i])) > 8;
        if (row.moves) EXPECT_GT(changed, before.size() / 200) << row.name << " moves in 500 ms";
        else EXPECT_EQ(changed, 0u) << row.name;
    }
}

namespace {

// Records what a callback sends, in order.
struct RecordingServices : irr::video::IMaterialRendererServices {
    struct Sent {
        std::string name;
        std::vector<float> values;
        bool pixel;
    };
    std::vector<Sent> sent;

    void setBasicRenderStates(const irr::video::SMaterial&, const irr::video::SMaterial&, bool) override {}
    bool setVertexShaderConstant(const irr::c8* name, const irr::f32* f, int n) override { return add(name, f, n, false); }
    bool setVertexShaderConstant(const irr::c8* name, const bool*, int n) override { return add(name, nullptr, n, false); }
    bool setVertexShaderConstant(const irr::c8* name, const irr::s32* v, int n) override { return addInts(name, v, n, false); }
    void setVertexShaderConstant(const irr::f32*, irr::s32, irr::s32) override { ADD_FAILURE() << "register constant"; }
    bool setPixelShaderConstant(const irr::c8* name, const irr::f32* f, int n) override { return add(name, f, n, true); }
    bool setPixelShaderConstant(const irr::c8* name, const bool*, int n) override { return add(name, nullptr, n, true); }
    bool setPixelShaderConstant(const irr::c8* name, const irr::s32* v, int n) override { return addInts(name, v, n, true); }
    void setPixelShaderConstant(const irr::f32*, irr::s32, irr::s32) override { ADD_FAILURE() << "register constant"; }
    irr::video::IVideoDriver* getVideoDriver() override { return game.engine.driver; }

    bool add(const char* name, const float* f, int n, bool pixel)
    {
        sent.push_back({name, f ? std::vector<float>(f, f + n) : std::vector<float>(size_t(n), NAN), pixel});
        return true;
    }
    bool addInts(const char* name, const irr::s32* v, int n, bool pixel)
    {
        sent.push_back({name, std::vector<float>(v, v + n), pixel});
        return true;
    }
};

std::string sequence(const RecordingServices& services)
{
    std::string text;
    for (const auto& s : services.sent)
        text += s.name + (s.pixel ? "/p" : "/v") + std::to_string(s.values.size()) + " ";
    return text;
}

}  // namespace

TEST(ShaderMaterials, EachCallbackSendsItsConstantsByNameInOrder)
{
    GlGame gl("", kShaders);
    ASSERT_TRUE(gl.ready()) << "no OpenGL window (run under Xvfb)";
    irr::video::IVideoDriver* driver = game.engine.driver;
    irr::core::matrix4 world, view, projection;
    world.setTranslation({3, -1, 7});
    world.setRotationDegrees({0, 30, 0});
    view.buildCameraLookAtMatrixLH({1, 5, -9}, {0, 0, 0}, {0, 1, 0});
    projection.buildProjectionMatrixPerspectiveFovLH(1.0f, 4.0f / 3.0f, 1.0f, 500.0f);
    driver->setTransform(irr::video::ETS_WORLD, world);
    driver->setTransform(irr::video::ETS_VIEW, view);
    driver->setTransform(irr::video::ETS_PROJECTION, projection);
    irr::scene::ICameraSceneNode* camera = game.engine.sceneManager->addCameraSceneNode(nullptr, {4, 6, -8});
    camera->updateAbsolutePosition();
    game.engine.device->getTimer()->setTime(123456);
    game.engine.device->getTimer()->stop();

    const std::string lit = "invWorld/v16 worldViewProj/v16 lightPos/v4 view/v4 lightCol/p4 diffusedPow/p1 "
                            "colourMap/p1 normalMap/p1 ";
    const std::string water = "invWorld/v16 worldViewProj/v16 time/p1 lightPos/v4 view/v4 lightCol/p4 "
                              "diffusedPow/p1 colourMap/p1 normalMap/p1 ";
    const std::string shiny = "inverseWorld/v16 worldViewProj/v16 lightPos/v3 view/v3 colourMap/p1 ";
    struct Row {
        const char* name;
        irr::video::IShaderConstantSetCallBack* callback;
        std::string sequence;
        float diffusedPow;
    };
    NormalMap normal(game.engine.device);
    BumpMap bump(game.engine.device);
    WaterMap waterMap(game.engine.device);
    SpecularMap specular(game.engine.device);
    PlasticMap plastic(game.engine.device);
    const Row rows[] = {{"NormalMap", &normal, lit, 1.2f},   {"BumpMap", &bump, lit, 1.1f},
                        {"WaterMap", &waterMap, water, 1.2f}, {"SpecularMap", &specular, shiny, 0},
                        {"PlasticMap", &plastic, shiny, 0}};

    irr::core::matrix4 inverse;
    ASSERT_TRUE(world.getInverse(inverse));
    const irr::core::matrix4 worldViewProj = projection * view * world;
    for (const Row& row : rows) {
        RecordingServices services;
        row.callback->OnSetConstants(&services, 0);
        ASSERT_EQ(sequence(services), row.sequence) << row.name;
        for (const auto& s : services.sent) {
            const std::vector<float>& v = s.values;
            if (s.name == "invWorld" || s.name == "inverseWorld" || s.name == "worldViewProj") {
                const irr::core::matrix4& expected = s.name == "worldViewProj" ? worldViewProj : inverse;
                for (int i = 0; i < 16; ++i) EXPECT_NEAR(v[size_t(i)], expected[i], 1e-4) << row.name << " " << s.name << i;
            } else if (s.name == "lightPos") {
                EXPECT_EQ(std::vector<float>(v.begin(), v.begin() + 3), (std::vector<float>{-200, 200, -50})) << row.name;
            } else if (s.name == "view") {
                EXPECT_EQ(std::vector<float>(v.begin(), v.begin() + 3), (std::vector<float>{4, 6, -8})) << row.name;
            } else if (s.name == "lightCol") {
                EXPECT_EQ(v, (std::vector<float>{0.8f, 0.8f, 0.7f, 1.0f})) << row.name;
            } else if (s.name == "diffusedPow") {
                EXPECT_FLOAT_EQ(v[0], row.diffusedPow) << row.name;
            } else if (s.name == "time") {
                EXPECT_FLOAT_EQ(v[0], 123456.0f);
            } else {
                EXPECT_EQ(v[0], s.name == "normalMap" ? 1.0f : 0.0f) << row.name << " " << s.name;
            }
        }
    }

    // A world matrix that cannot be inverted is sent as it is.
    irr::core::matrix4 flat;
    flat.setScale({1, 0, 1});
    driver->setTransform(irr::video::ETS_WORLD, flat);
    RecordingServices services;
    normal.OnSetConstants(&services, 0);
    ASSERT_FALSE(services.sent.empty());
    for (int i = 0; i < 16; ++i) EXPECT_EQ(services.sent[0].values[size_t(i)], flat[i]);
}
