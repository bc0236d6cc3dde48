// Pictures by file name from ../Contents/Textures/ (cached by the driver).
#pragma once

#include <string>

#include <irrlicht.h>

irr::video::ITexture* texture(const std::string& file);
// The same for a picture drawn flat on the screen, never minified: without mip maps,
// which cost a third more memory and, for some sizes, tens of milliseconds to build.
irr::video::ITexture* picture(const std::string& file);
// A GUI image with its alpha channel in use, no parent, id -1, top-left at (x, y).
irr::gui::IGUIImage* addImage(const std::string& file, int x, int y);
void setPicture(irr::gui::IGUIImage* image, const std::string& file);
void setVisible(irr::gui::IGUIImage* image, bool visible);
bool isVisible(irr::gui::IGUIImage* image);
// Material 0's emissive colour: alpha 0 and this grey level.
void setEmissive(irr::scene::ISceneNode* node, irr::u32 grey);
// Moves an image to a new top-left corner, keeping its size.
void moveImage(irr::gui::IGUIImage* image, int x, int y);
