// What a hole change leaves in the video driver: the next hole's textures and the
// pictures on screen, nothing of the hole before, not even its vertex buffers. A hole
// after others looks as it does first in a match; and a picture whose system-memory
// copy was released still draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <GL/gl.h>
#include <irrlicht.h>

#include "app/game_state.h"
#include "app/hole_loading.h"
#include "app/replay.h"
#include "course/holes/hole_builder.h"
#include "presentation/textures.h"
#include "tests/support/game_run.h"
#include "tests/support/gl_game.h"
#include "tests/support/headless_game.h"

namespace fs = std::filesystem;

namespace {

std::map<std::string, irr::video::ITexture*> driverTextures()
{
    std::map<std::string, irr::video::ITexture*> out;
    irr::video::IVideoDriver* driver = game.engine.driver;
    for (irr::u32 i = 0; i < driver->getTextureCount(); ++i) {
        irr::video::ITexture* t = driver->getTextureByIndex(i);
        out[textureFileName(t)] = t;
    }
    return out;
}

std::set<std::string> names(const std::map<std::string, irr::video::ITexture*>& textures)
{
    std::set<std::string> out;
    for (const auto& [name, t] : textures) out.insert(name);
    return out;
}

void setUpMatch(int hole)
{
    game.match.currentHole = hole;
    game.match.lastHole = 18;
    game.screen.holeActive = 1;
}

// The textures of `hole` built on its own, first thing in a run.
std::set<std::string> texturesOfHoleAlone(int hole)
{
    HeadlessGame headless;
    setUpMatch(hole);
    EXPECT_TRUE(headless.build(hole));
    return names(driverTextures());
}

std::set<std::string> without(std::set<std::string> all, const std::set<std::string>& gone)
{
    for (const std::string& name : gone) all.erase(name);
    return all;
}

}  // namespace

TEST(HoleChangeMemory, AfterAChangeTheDriverHoldsTheNextHolesTexturesAndTheScreensPicturesOnly)
{
    // Front nine, back nine, and a change between holes of different towns and terrains.
    const int changes[][2] = {{1, 2}, {9, 10}, {16, 11}, {17, 18}};
    // On screen through the change: the cursor and the loading image.
    const std::set<std::string> onScreen = {"cursorHand.png", "loading.png"};
    for (const auto& [from, to] : changes) {
        SCOPED_TRACE("hole " + std::to_string(from) + " to " + std::to_string(to));
        const std::set<std::string> alone = texturesOfHoleAlone(to);
        HeadlessGame headless;
        setUpMatch(from);
        ASSERT_TRUE(headless.build(from));
        const auto before = driverTextures();
        changeHole();  // the fade out starts
        showLoadingImage();  // the fade has ended
        game.screen.holeLoadPending = 1;
        changeHole();  // the build behind the loading image
        ASSERT_EQ(game.match.currentHole, to);
        const auto after = driverTextures();
        EXPECT_EQ(without(names(after), onScreen), without(alone, onScreen));
        for (const std::string& name : onScreen) EXPECT_EQ(after.count(name), 1u) << name;
        // What both holes use stays loaded: the same texture, not a fresh load.
        int shared = 0;
        for (const auto& [name, t] : before) {
            if (!after.count(name)) continue;
            EXPECT_EQ(after.at(name), t) << name << " was loaded again";
            ++shared;
        }
        EXPECT_GT(shared, 0);
        // Every picture of the HUD is still in the driver's list.
        for (irr::gui::IGUIElement* e : game.engine.gui->getRootGUIElement()->getChildren()) {
            if (e->getType() != irr::gui::EGUIET_IMAGE) continue;
            irr::video::ITexture* t = static_cast<irr::gui::IGUIImage*>(e)->getImage();
            if (!t) continue;
            EXPECT_EQ(after.count(textureFileName(t)), 1u) << textureFileName(t);
        }
    }
}

namespace {

// A PNG written by the harness, through a driver without a window.
struct Picture {
    irr::IrrlichtDevice* device = irr::createDevice(irr::video::EDT_NULL);
    irr::video::IImage* image = nullptr;
    explicit Picture(const std::string& path) { image = device->getVideoDriver()->createImageFromFile(path.c_str()); }
    ~Picture()
    {
        if (image) image->drop();
        device->drop();
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
};

// Pixels whose colour differs by more than a few levels in any channel.
int differingPixels(const irr::video::IImage& a, const irr::video::IImage& b)
{
    int differing = 0;
    for (irr::u32 y = 0; y < a.getDimension().Height; ++y)
        for (irr::u32 x = 0; x < a.getDimension().Width; ++x) {
            const irr::video::SColor p = a.getPixel(x, y), q = b.getPixel(x, y);
            const int d = std::max({std::abs(int(p.getRed()) - int(q.getRed())),
                                    std::abs(int(p.getGreen()) - int(q.getGreen())),
                                    std::abs(int(p.getBlue()) - int(q.getBlue()))});
            if (d > 8) ++differing;
        }
    return differing;
}

constexpr const char* kGiveUpHole =
    "frames 5\nkey RETURN down\nframes 2\nkey RETURN up\nwait introDone 1 3000\nframes 2\n"
    "key ESCAPE down\nframes 1\nkey ESCAPE up\nframes 2\nkey F down\nframes 1\nkey F up\n"
    "wait scorecardShowing 1 1200\nframes 10\nkey RETURN down\nframes 1\nkey RETURN up\n"
    "wait introDone 0 600\n";

// Skips the fly-over and takes a picture of the hole in play once the fades are over.
std::string playShot(const RunTree& tree, const std::string& name)
{
    return "frames 5\nkey RETURN down\nframes 2\nkey RETURN up\nwait introDone 1 3000\nframes 100\nshot " +
           tree.path(name) + "\nframes 2\n";
}

}  // namespace

TEST(HoleChangeMemory, AHoleAfterOthersLooksAsItDoesFirstInAMatchHudIncluded)
{
    RunTree tree;
    tree.writeOptions("0010011");  // shaders on, sound and music on
    std::string afterOthers = "seed 1\nstart 19 1\n";
    for (int hole = 1; hole < 4; ++hole) afterOthers += kGiveUpHole;
    GameRun changed = runScript(tree, afterOthers + playShot(tree, "after.png") + "quit\n", "--window 800x600");
    ASSERT_EQ(changed.status, 0) << changed.err;
    GameRun first = runScript(tree, "seed 1\nhole 4 1\n" + playShot(tree, "first.png") + "quit\n", "--window 800x600");
    ASSERT_EQ(first.status, 0) << first.err;
    Picture after(tree.path("after.png")), alone(tree.path("first.png"));
    ASSERT_TRUE(after.image && alone.image);
    ASSERT_EQ(after.image->getDimension(), alone.image->getDimension());
    const irr::core::dimension2du size = after.image->getDimension();
    // A missing or blank texture would change whole surfaces; the blades' and the water's
    // motion a few pixels.
    EXPECT_LT(differingPixels(*after.image, *alone.image), int(size.Width * size.Height / 200));
}

TEST(HoleChangeMemory, APictureDrawsWithItsOwnPixelsOnceTheEnginesCopyIsReleased)
{
    GlGame gl;
    ASSERT_TRUE(gl.ready());
    irr::video::IVideoDriver* driver = game.engine.driver;
    const char* file = "brick.jpg";
    irr::video::ITexture* loaded = picture(file);
    ASSERT_NE(loaded, nullptr);
    // The engine's own copy now reads as zeros (its pages went back to the system).
    const auto* copy = static_cast<const uint8_t*>(loaded->lock(irr::video::ETLM_READ_ONLY));
    ASSERT_NE(copy, nullptr);
    const size_t bytes = size_t(loaded->getPitch()) * loaded->getSize().Height;
    EXPECT_EQ(std::count(copy + 4096, copy + bytes - 4096, 0), std::ptrdiff_t(bytes - 8192));
    loaded->unlock();

    irr::video::IImage* original = driver->createImageFromFile(("../Contents/Textures/" + std::string(file)).c_str());
    ASSERT_NE(original, nullptr);
    const irr::core::recti area(0, 0, 320, 240);
    driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
    driver->draw2DImage(loaded, {0, 0}, area);
    std::vector<uint8_t> screen(size_t(area.getWidth()) * area.getHeight() * 4);
    glReadBuffer(GL_BACK);  // the front buffer reads black under Xvfb
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, area.getWidth(), area.getHeight(), GL_RGBA, GL_UNSIGNED_BYTE, screen.data());
    driver->endScene();
    int differing = 0;
    for (irr::s32 y = 0; y < area.getHeight(); y += 7)
        for (irr::s32 x = 0; x < area.getWidth(); x += 7) {
            const uint8_t* s = &screen[(size_t(area.getHeight() - 1 - y) * area.getWidth() + x) * 4];  // rows bottom-up
            const irr::video::SColor o = original->getPixel(x, y);
            if (std::abs(int(s[0]) - int(o.getRed())) > 2 || std::abs(int(s[1]) - int(o.getGreen())) > 2 ||
                std::abs(int(s[2]) - int(o.getBlue())) > 2)
                ++differing;
        }
    EXPECT_EQ(differing, 0);
    original->drop();
}

TEST(HoleChangeMemory, TheVertexBuffersOfTheHoleBeforeGoWithIt)
{
    GlGame gl;
    ASSERT_TRUE(gl.ready());
    setUpMatch(1);
    ASSERT_TRUE(holeBuilder(1));
    holeBuilder(1)();
    // Drawn once, the water's own copy of its plane gets a vertex buffer object.
    auto* water = static_cast<irr::scene::IMeshSceneNode*>(game.scene.waterPlane);
    ASSERT_NE(water, nullptr);
    irr::scene::IMeshBuffer* plane = water->getMesh()->getMeshBuffer(0);
    plane->grab();
    game.engine.driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
    game.engine.sceneManager->drawAll();
    game.engine.driver->endScene();
    EXPECT_GT(plane->getReferenceCount(), 2) << "the node's mesh and the driver hold it";
    changeHole();
    showLoadingImage();
    game.screen.holeLoadPending = 1;
    changeHole();
    ASSERT_EQ(game.match.currentHole, 2);
    EXPECT_EQ(plane->getReferenceCount(), 1) << "held by nothing but this test";
    plane->drop();
}
