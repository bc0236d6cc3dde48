// Renders one scenery model the way a hole shows it (lit by the hole's directional
// light, emissive grey 178 on its first material, its colour texture on layer 0) from
// four sides into one PNG, for looking at generated buildings without building a hole.
//
//   model_viewer OUT.png CONTENTS_DIR MODEL TEXTURE [--glass MODEL] [--scale S] [--rotate X Y Z]
//
// Built by hand (not part of the project's build):
//   g++ -std=c++20 -O1 -isystem <build>/irrlicht-headers tools/model_viewer.cpp -lIrrlicht -lGL -o model_viewer
// and run under Xvfb.
#include <irrlicht.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace irr;

namespace {

constexpr u32 kWidth = 1280, kHeight = 960;  // four views of 640 x 480 pixels
constexpr u32 kEmissiveGrey = 178;
constexpr f32 kViewDistance = 1.7f;  // camera distance in sizes of the model's bounding box

struct Options {
    std::string out, contents, model, texture, glass;
    f32 scale = 1;
    core::vector3df rotation;
};

bool parse(int argc, char** argv, Options& o)
{
    if (argc < 5) return false;
    o.out = argv[1];
    o.contents = argv[2];
    o.model = argv[3];
    o.texture = argv[4];
    for (int i = 5; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--glass" && i + 1 < argc) o.glass = argv[++i];
        else if (a == "--scale" && i + 1 < argc) o.scale = f32(std::atof(argv[++i]));
        else if (a == "--rotate" && i + 3 < argc) {
            o.rotation.X = f32(std::atof(argv[++i]));
            o.rotation.Y = f32(std::atof(argv[++i]));
            o.rotation.Z = f32(std::atof(argv[++i]));
        } else return false;
    }
    return true;
}

scene::IMeshSceneNode* addModel(scene::ISceneManager* smgr, video::IVideoDriver* driver, const Options& o,
                            const std::string& model, const std::string& texture)
{
    scene::IAnimatedMesh* mesh = smgr->getMesh((o.contents + "/Models/" + model).c_str());
    if (!mesh) {
        std::fprintf(stderr, "cannot load %s\n", model.c_str());
        return nullptr;
    }
    scene::IMeshSceneNode* node = smgr->addMeshSceneNode(mesh->getMesh(0));
    node->setMaterialTexture(0, driver->getTexture((o.contents + "/Textures/" + texture).c_str()));
    node->setScale({o.scale, o.scale, o.scale});
    node->setRotation(o.rotation);
    if (o.scale < 0) node->setMaterialFlag(video::EMF_BACK_FACE_CULLING, false);  // as the hole builder does
    node->getMaterial(0).EmissiveColor = video::SColor(0, kEmissiveGrey, kEmissiveGrey, kEmissiveGrey);
    return node;
}

}  // namespace

int main(int argc, char** argv)
{
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: model_viewer OUT.png CONTENTS MODEL TEXTURE [--glass M] [--scale S] [--rotate X Y Z]\n");
        return 2;
    }
    IrrlichtDevice* device = createDevice(video::EDT_OPENGL, {kWidth, kHeight});
    if (!device) return 1;
    video::IVideoDriver* driver = device->getVideoDriver();
    scene::ISceneManager* smgr = device->getSceneManager();
    scene::IMeshSceneNode* node = addModel(smgr, driver, o, o.model, o.texture);
    if (!node) return 1;
    if (!o.glass.empty()) addModel(smgr, driver, o, o.glass, "glass.jpg");
    node->updateAbsolutePosition();
    const core::aabbox3df box = node->getTransformedBoundingBox();
    const core::vector3df centre = box.getCenter();
    const f32 size = box.getExtent().getLength();
    // The sand the model stands on.
    scene::IMesh* plane = smgr->getGeometryCreator()->createPlaneMesh({size * 2, size * 2}, {1, 1});
    scene::IMeshSceneNode* ground = smgr->addMeshSceneNode(plane, nullptr, -1, {centre.X, box.MinEdge.Y, centre.Z});
    plane->drop();
    ground->setMaterialFlag(video::EMF_LIGHTING, false);
    smgr->getMeshManipulator()->setVertexColors(ground->getMesh(), video::SColor(255, 214, 184, 136));
    const core::aabbox3df model = node->getMesh()->getBoundingBox();
    std::printf("%s: x %.2f..%.2f  y %.2f..%.2f  z %.2f..%.2f (model units)\n", o.model.c_str(), model.MinEdge.X,
                model.MaxEdge.X, model.MinEdge.Y, model.MaxEdge.Y, model.MinEdge.Z, model.MaxEdge.Z);
    scene::ILightSceneNode* light = smgr->addLightSceneNode(nullptr, {0, 0, 0}, video::SColorf(1, 1, 1), 100);
    light->setLightType(video::ELT_DIRECTIONAL);
    light->setRotation({45, 30, 0});
    scene::ICameraSceneNode* camera = smgr->addCameraSceneNode();
    camera->setAspectRatio(4.0f / 3.0f);
    const core::vector3df views[4] = {{-0.6f, 0.45f, -1}, {0.9f, 0.3f, -0.5f}, {0.7f, 0.5f, 1}, {-0.2f, 1.6f, -0.5f}};
    driver->beginScene(true, true, video::SColor(255, 150, 180, 210));
    for (int v = 0; v < 4; ++v) {
        driver->setViewPort(core::rect<s32>((v % 2) * 640, (v / 2) * 480, (v % 2) * 640 + 640, (v / 2) * 480 + 480));
        core::vector3df view = views[v];
        camera->setPosition(centre + view.normalize() * size * kViewDistance * 0.5f);
        camera->setTarget(centre);
        camera->setFarValue(size * 10);
        camera->setNearValue(size * 0.01f);
        smgr->drawAll();
    }
    driver->setViewPort(core::rect<s32>(0, 0, kWidth, kHeight));
    // Read the back buffer before the swap: the front buffer reads black under Xvfb.
    std::vector<uint8_t> pixels(size_t(kWidth) * kHeight * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
    driver->endScene();
    video::IImage* shot = driver->createImage(video::ECF_A8R8G8B8, {kWidth, kHeight});
    auto* target = static_cast<uint8_t*>(shot->lock());
    const size_t row = size_t(kWidth) * 4;
    for (u32 y = 0; y < kHeight; ++y) {
        uint8_t* out = target + (kHeight - 1 - y) * row;  // GL rows run bottom-up
        std::copy_n(pixels.data() + y * row, row, out);
        for (size_t x = 3; x < row; x += 4) out[x] = 255;
    }
    shot->unlock();
    const bool ok = driver->writeImageToFile(shot, o.out.c_str());
    shot->drop();
    device->drop();
    return ok ? 0 : 1;
}
