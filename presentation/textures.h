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

// A hole change hands back the textures the hole before used and the next does not:
// the driver would otherwise keep every hole's pictures, in system memory and in GL,
// for the rest of the match. Call the first before the build and the second after it.
void beginTextureSweep();
// Removes from the driver every texture that was not asked for since beginTextureSweep,
// is on no material of the scene or of the mesh cache, is held by nothing else (a GUI
// image, a font) and is no render target. Whatever is asked for again later loads afresh.
// Returns how many textures went.
int sweepUnusedTextures();
