// The seam between the game and its clock, input and randomness.
//
// In normal play these pass straight through to the engine (and the loop is
// paced at 60 frames per second). In a scripted run (`--replay SCRIPT`) the
// engine timer is virtual and advances 1000/fps ms per pass, the frame-rate
// figure is the script's, the window's own input is ignored and the script's
// events reach the input receiver inside the device's run, and every srand
// uses the script's seed. `--record FILE` writes live input in script form.
// `--frame-log FILE` (scripted runs) times every pass in wall and CPU time, each
// labelled with the script's latest `mark NAME` (app/bench_log.h).
#pragma once

#include <cstdint>
#include <string>

#include <irrlicht.h>

// Parses the command line. Returns -1 to go on, or an exit status
// (2 for a malformed script, with the line named on stderr).
int replayParseArguments(int argc, char** argv);

bool replayMode();
// A scripted run with `--null-video`: the game runs on the engine's NULL driver.
bool replayNullVideo();
// A scripted run with `--window WxH`: the window's size, whatever the options file asks. A
// virtual X server offers the engine no list of modes, so larger sizes cannot be had otherwise.
bool replayWindowSize(int32_t& width, int32_t& height);

// The frame-rate figure the game reads (the driver's getFPS in normal play).
int32_t frameRate();
// Where the mouse is, as the menus read it.
irr::core::position2di mousePosition();
// srand with the current time, or with the script's seed.
void seedRandom();

// Called by start-up once the main device exists.
void replayAttachDevice(irr::IrrlichtDevice* device);
// Main-loop hooks: run the device (and deliver scripted events); before the
// frame is presented (screenshots); after each pass (script, pacing, dumps).
void replayBeginLoop();
bool runDevice();
void beforePresent();
// Saves the frame drawn so far (the back buffer, before endScene) as a picture file.
void captureBackBuffer(const std::string& path);
void afterPass();
// Prints the harness's closing line on stderr; called when the loop ends.
void replayFinish();

// Input receiver hooks.
bool replayAcceptsInput(const irr::SEvent& event);
void recordInputEvent(const irr::SEvent& event);

// The texture file name (without folder) an image shows, for dumps.
std::string textureFileName(irr::video::ITexture* texture);
