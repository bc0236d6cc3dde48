#include "content/manifest.h"

#include <set>

namespace {

using enum AssetKind;

// Balls, putters and the splash (built with every hole).
constexpr Asset kBallsAndPutters[] = {
    {"Models/ball.b3d", Mesh},
    {"Models/putterHandle.b3d", Mesh},
    {"Models/putterShaft.b3d", Mesh},
    {"Textures/redball.jpg", Texture},
    {"Textures/orangeball.jpg", Texture},
    {"Textures/yellowball.jpg", Texture},
    {"Textures/greenball.jpg", Texture},
    {"Textures/indgoball.jpg", Texture},
    {"Textures/blueball.jpg", Texture},
    {"Textures/purpleball.jpg", Texture},
    {"Textures/blackball.jpg", Texture},
    {"Textures/whiteball.jpg", Texture},
    {"Textures/redTrans.jpg", Texture},
    {"Textures/orangeTrans.jpg", Texture},
    {"Textures/yellowTrans.jpg", Texture},
    {"Textures/greenTrans.jpg", Texture},
    {"Textures/indgoTrans.jpg", Texture},
    {"Textures/blueTrans.jpg", Texture},
    {"Textures/purpleTrans.jpg", Texture},
    {"Textures/whiteTrans.jpg", Texture},
    {"Textures/redputter.jpg", Texture},
    {"Textures/orangeputter.jpg", Texture},
    {"Textures/yellowputter.jpg", Texture},
    {"Textures/greenputter.jpg", Texture},
    {"Textures/indgoputter.jpg", Texture},
    {"Textures/blueputter.jpg", Texture},
    {"Textures/purpleputter.jpg", Texture},
    {"Textures/blackputter.jpg", Texture},
    {"Textures/whiteputter.jpg", Texture},
    {"Textures/metal.jpg", Texture},
    {"Particles/water.jpg", Texture},
};

// The flag in the cup and the pin of the turning blades (hole builders).
constexpr Asset kFlagAndPin[] = {
    {"Models/flagpole.b3d", Mesh},
    {"Models/flag.b3d", Mesh},
    {"Models/pin.b3d", Mesh},
    {"Textures/white.jpg", Texture},
    {"Textures/metal.jpg", Texture},
    {"Textures/flag.jpg", Texture},
};

// The sound bank's effects, and the file that stands in for switched-off entries.
constexpr Asset kSoundBank[] = {
    {"Sounds/holeinone.wav", Sound},   {"Sounds/ball.wav", Sound},       {"Sounds/par.wav", Sound},
    {"Sounds/eagle.wav", Sound},       {"Sounds/birdie.wav", Sound},     {"Sounds/albatross.wav", Sound},
    {"Sounds/putt.wav", Sound},        {"Sounds/click.wav", Sound},      {"Sounds/cup.wav", Sound},
    {"Sounds/hardgrass.wav", Sound},   {"Sounds/softgrass.wav", Sound},  {"Sounds/brickhard.wav", Sound},
    {"Sounds/bricksoft.wav", Sound},   {"Sounds/watersplash.wav", Sound}, {"Sounds/watervoice.wav", Sound},
    {"Sounds/sand.wav", Sound},        {"Sounds/flag.wav", Sound},       {"Sounds/bogey.wav", Sound},
    {"Sounds/sagrunsounds.wav", Sound}, {"Sounds/metal.wav", Sound},     {"Sounds/hardpipes.wav", Sound},
    {"Sounds/softpipes.wav", Sound},   {"Sounds/silence.wav", Sound},
};

// The sound bank's music entries: course tracks, fly-over and title.
constexpr Asset kMusic[] = {
    {"Music/music1.wav", Sound}, {"Music/music2.wav", Sound}, {"Music/music3.wav", Sound},
    {"Music/cut.wav", Sound},    {"Music/title.wav", Sound},
};

constexpr AssetGroup kGroups[] = {
    {"balls, putters and splash", kBallsAndPutters},
    {"flag and blade pin", kFlagAndPin},
    {"sound bank", kSoundBank},
    {"music", kMusic},
};

}  // namespace

std::span<const AssetGroup> assetGroups() { return kGroups; }

std::vector<Asset> allAssets()
{
    std::vector<Asset> all;
    std::set<std::string> seen;
    for (const AssetGroup& group : kGroups)
        for (const Asset& asset : group.assets)
            if (seen.insert(asset.path).second) all.push_back(asset);
    return all;
}

const char* kindName(AssetKind kind)
{
    switch (kind) {
    case Texture: return "texture";
    case Mesh: return "mesh";
    case Sound: return "sound";
    case Shader: return "shader";
    }
    return "?";
}
