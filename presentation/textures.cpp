#include "presentation/textures.h"

#include "app/game_state.h"
#include "app/replay.h"

irr::video::ITexture* texture(const std::string& file)
{
    return game.engine.driver->getTexture(("../Contents/Textures/" + file).c_str());
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
