#include "presentation/textures.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <unordered_set>

#include "app/game_state.h"
#include "app/replay.h"

namespace {

using TextureSet = std::unordered_set<irr::video::ITexture*>;

// Textures asked for by name since the sweep began: what the hole being built uses.
TextureSet askedFor;

void addMaterialTextures(const irr::video::SMaterial& material, TextureSet& used)
{
    for (irr::u32 layer = 0; layer < irr::video::MATERIAL_MAX_TEXTURES; ++layer)
        if (irr::video::ITexture* t = material.getTexture(layer)) used.insert(t);
}

// Hidden nodes too: the sky box is drawn by the backdrop, hidden from the engine.
void addNodeTextures(irr::scene::ISceneNode* node, TextureSet& used)
{
    for (irr::u32 m = 0; m < node->getMaterialCount(); ++m) addMaterialTextures(node->getMaterial(m), used);
    for (irr::scene::ISceneNode* child : node->getChildren()) addNodeTextures(child, used);
}

// The buffers as they are: an animated mesh's getMesh(frame) would move its joints.
void addMeshCacheTextures(irr::scene::IMeshCache* cache, TextureSet& used)
{
    for (irr::u32 i = 0; i < cache->getMeshCount(); ++i) {
        const irr::scene::IAnimatedMesh* mesh = cache->getMeshByIndex(i);
        if (!mesh) continue;
        for (irr::u32 b = 0; b < mesh->getMeshBufferCount(); ++b)
            addMaterialTextures(mesh->getMeshBuffer(b)->getMaterial(), used);
    }
}

// The OpenGL driver keeps a second copy of every texture's pixels in system memory
// besides GL's own, and reads it again only to upload after a lock for writing, which
// the game never does: its whole pages go back to the system at once (they read as
// zeros should anything look). A third of the memory of a hole's textures.
void releasePixelCopy(irr::video::ITexture* loaded)
{
    if (game.engine.driver->getDriverType() != irr::video::EDT_OPENGL || loaded->isRenderTarget()) return;
    const void* pixels = loaded->lock(irr::video::ETLM_READ_ONLY);
    const size_t bytes = size_t(loaded->getPitch()) * loaded->getSize().Height;
    loaded->unlock();
    if (!pixels) return;
    const uintptr_t page = uintptr_t(sysconf(_SC_PAGESIZE));
    const uintptr_t first = (uintptr_t(pixels) + page - 1) & ~(page - 1);
    const uintptr_t end = (uintptr_t(pixels) + bytes) & ~(page - 1);
    if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED);
}

}  // namespace

irr::video::ITexture* texture(const std::string& file)
{
    irr::video::IVideoDriver* driver = game.engine.driver;
    const irr::u32 before = driver->getTextureCount();
    irr::video::ITexture* loaded = driver->getTexture(("../Contents/Textures/" + file).c_str());
    if (!loaded) return nullptr;
    if (driver->getTextureCount() > before) releasePixelCopy(loaded);
    askedFor.insert(loaded);
    return loaded;
}

void beginTextureSweep() { askedFor.clear(); }

int sweepUnusedTextures()
{
    irr::video::IVideoDriver* driver = game.engine.driver;
    irr::scene::ISceneManager* scene = game.engine.sceneManager;
    TextureSet used = askedFor;
    askedFor.clear();
    if (!driver || !scene) return 0;
    addNodeTextures(scene->getRootSceneNode(), used);
    addMeshCacheTextures(scene->getMeshCache(), used);
    int removed = 0;
    for (irr::u32 i = driver->getTextureCount(); i-- > 0;) {
        irr::video::ITexture* t = driver->getTextureByIndex(i);
        // More than the driver's own reference: a GUI image, a font or the like holds it.
        if (!t || used.count(t) || t->getReferenceCount() > 1 || t->isRenderTarget()) continue;
        driver->removeTexture(t);
        ++removed;
    }
    return removed;
}

irr::video::ITexture* picture(const std::string& file)
{
    irr::video::IVideoDriver* driver = game.engine.driver;
    const bool mipMaps = driver->getTextureCreationFlag(irr::video::ETCF_CREATE_MIP_MAPS);
    driver->setTextureCreationFlag(irr::video::ETCF_CREATE_MIP_MAPS, false);
    irr::video::ITexture* loaded = texture(file);
    driver->setTextureCreationFlag(irr::video::ETCF_CREATE_MIP_MAPS, mipMaps);
    return loaded;
}

irr::gui::IGUIImage* addImage(const std::string& file, int x, int y)
{
    irr::gui::IGUIImage* image = game.engine.gui->addImage(picture(file), irr::core::position2di(x, y), true, nullptr, -1);
    // The NULL driver's textures have no size; take it from the file so that buttons keep their areas.
    if (replayNullVideo()) {
        irr::video::IImage* picture = game.engine.driver->createImageFromFile(("../Contents/Textures/" + file).c_str());
        if (picture) {
            const irr::core::dimension2du size = picture->getDimension();
            image->setRelativePosition(irr::core::recti(x, y, x + int(size.Width), y + int(size.Height)));
            picture->drop();
        }
    }
    return image;
}

void setPicture(irr::gui::IGUIImage* image, const std::string& file)
{
    if (image) image->setImage(picture(file));
}

void setVisible(irr::gui::IGUIImage* image, bool visible)
{
    if (image) image->setVisible(visible);
}

bool isVisible(irr::gui::IGUIImage* image) { return image && image->isVisible(); }

void moveImage(irr::gui::IGUIImage* image, int x, int y)
{
    if (!image) return;
    const irr::core::recti r = image->getRelativePosition();
    image->setRelativePosition(irr::core::recti(x, y, x + r.getWidth(), y + r.getHeight()));
}

void setEmissive(irr::scene::ISceneNode* node, irr::u32 grey)
{
    if (node && node->getMaterialCount() > 0)
        node->getMaterial(0).EmissiveColor = irr::video::SColor(0, grey, grey, grey);
}
