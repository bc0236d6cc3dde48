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

// The front end: splash, main menu, course select, options, player set-up, credits,
// quit dialog, how-to-play pages, loading sign and cursors, with the three copies the
// splash's preload list names.
constexpr Asset kFrontEndPictures[] = {
    {"Textures/1-18.png", Texture}, {"Textures/1-9.png", Texture}, {"Textures/1024.png", Texture},
    {"Textures/1152.png", Texture}, {"Textures/1280.png", Texture}, {"Textures/768.png", Texture},
    {"Textures/800.png", Texture}, {"Textures/9-18.png", Texture}, {"Textures/aquaIcon.png", Texture},
    {"Textures/arrowLeft.png", Texture}, {"Textures/arrowLeftHover.png", Texture},
    {"Textures/arrowLeftPress.png", Texture}, {"Textures/arrowRight.png", Texture},
    {"Textures/arrowRightHover.png", Texture}, {"Textures/arrowRightPress.png", Texture},
    {"Textures/back.png", Texture}, {"Textures/backhover.png", Texture}, {"Textures/backpress.png", Texture},
    {"Textures/blackIcon.png", Texture}, {"Textures/blueIcon.png", Texture}, {"Textures/buck.png", Texture},
    {"Textures/collapse.png", Texture}, {"Textures/colorSelector.png", Texture}, {"Textures/computer.png", Texture},
    {"Textures/computerFade.png", Texture}, {"Textures/coursenametxt.png", Texture},
    {"Textures/coursese1text.png", Texture}, {"Textures/courseseltext.png", Texture},
    {"Textures/credits.png", Texture}, {"Textures/creditshover.png", Texture}, {"Textures/creditsmenu.png", Texture},
    {"Textures/cursor.png", Texture}, {"Textures/cursorHand.png", Texture}, {"Textures/diffSelect.png", Texture},
    {"Textures/easy.png", Texture}, {"Textures/easytran.png", Texture}, {"Textures/fullscreen.png", Texture},
    {"Textures/graphics.png", Texture}, {"Textures/greenIcon.png", Texture}, {"Textures/hard.png", Texture},
    {"Textures/hardtran.png", Texture}, {"Textures/high.png", Texture}, {"Textures/holesnumtxt.png", Texture},
    {"Textures/howtoplay.png", Texture}, {"Textures/howtoplay1.png", Texture}, {"Textures/howtoplay2.png", Texture},
    {"Textures/howtoplay3.png", Texture}, {"Textures/howtoplay4.png", Texture}, {"Textures/howtoplay5.png", Texture},
    {"Textures/howtoplay6.png", Texture}, {"Textures/howtoplay7.png", Texture}, {"Textures/howtoplay8.png", Texture},
    {"Textures/howtoplayhover.png", Texture}, {"Textures/human.png", Texture}, {"Textures/loading.png", Texture},
    {"Textures/low.png", Texture}, {"Textures/med.png", Texture}, {"Textures/medtran.png", Texture},
    {"Textures/menuBack.png", Texture}, {"Textures/menuBackground.jpg", Texture}, {"Textures/menuImage.png", Texture},
    {"Textures/menuback.png", Texture}, {"Textures/modeSelector.png", Texture}, {"Textures/music.png", Texture},
    {"Textures/next.png", Texture}, {"Textures/nexthover.png", Texture}, {"Textures/no.png", Texture},
    {"Textures/nohover.png", Texture}, {"Textures/off.png", Texture}, {"Textures/on.png", Texture},
    {"Textures/optionBack.png", Texture}, {"Textures/optionButton.png", Texture},
    {"Textures/optionButtonPress.png", Texture}, {"Textures/optionback.png", Texture},
    {"Textures/optionstext.png", Texture}, {"Textures/orangeIcon.png", Texture}, {"Textures/p1.png", Texture},
    {"Textures/p2.png", Texture}, {"Textures/p3.png", Texture}, {"Textures/p4.png", Texture},
    {"Textures/picture1.jpg", Texture}, {"Textures/picture2.jpg", Texture}, {"Textures/picture3.jpg", Texture},
    {"Textures/picture4.jpg", Texture}, {"Textures/picture5.jpg", Texture}, {"Textures/picture6.jpg", Texture},
    {"Textures/picture7.jpg", Texture}, {"Textures/picture8.jpg", Texture}, {"Textures/picturebox.png", Texture},
    {"Textures/play.png", Texture}, {"Textures/playerTable.png", Texture},
    {"Textures/playerTableCallapse.png", Texture}, {"Textures/playerseltext.png", Texture},
    {"Textures/playhover.png", Texture}, {"Textures/purpleIcon.png", Texture}, {"Textures/quit.png", Texture},
    {"Textures/quitb.png", Texture}, {"Textures/quitbhover.png", Texture}, {"Textures/quorvel.jpg", Texture},
    {"Textures/quorvellarge.jpg", Texture}, {"Textures/quorvelsmall.jpg", Texture}, {"Textures/redIcon.png", Texture},
    {"Textures/restart.png", Texture}, {"Textures/screenResolution.png", Texture}, {"Textures/shader.png", Texture},
    {"Textures/sound.png", Texture}, {"Textures/startButton.png", Texture},
    {"Textures/startButtonPress.png", Texture}, {"Textures/tallowick.png", Texture},
    {"Textures/textureQuality.png", Texture}, {"Textures/whiteIcon.png", Texture}, {"Textures/window.png", Texture},
    {"Textures/windowFull.png", Texture}, {"Textures/yellowIcon.png", Texture}, {"Textures/yes.png", Texture},
    {"Textures/yeshover.png", Texture},
};

// Drawn over play: player plates, digits, banners, power meter, camera icons, fly-over
// caption and letterbox, scorecard, medals, hole titles and par plates.
constexpr Asset kHudPictures[] = {
    {"Textures/0.png", Texture}, {"Textures/1.png", Texture}, {"Textures/2.png", Texture},
    {"Textures/3.png", Texture}, {"Textures/4.png", Texture}, {"Textures/5.png", Texture},
    {"Textures/6.png", Texture}, {"Textures/7.png", Texture}, {"Textures/8.png", Texture},
    {"Textures/9.png", Texture}, {"Textures/albatross.png", Texture}, {"Textures/birdie.png", Texture},
    {"Textures/black_cutscreen.jpg", Texture}, {"Textures/blank.png", Texture}, {"Textures/bogie.png", Texture},
    {"Textures/bucktext.png", Texture}, {"Textures/camnormal.png", Texture}, {"Textures/camtop.png", Texture},
    {"Textures/copper.png", Texture}, {"Textures/doublebogie.png", Texture}, {"Textures/eagle.png", Texture},
    {"Textures/gold.png", Texture}, {"Textures/hole1.png", Texture}, {"Textures/hole10.png", Texture},
    {"Textures/hole11.png", Texture}, {"Textures/hole12.png", Texture}, {"Textures/hole13.png", Texture},
    {"Textures/hole14.png", Texture}, {"Textures/hole15.png", Texture}, {"Textures/hole16.png", Texture},
    {"Textures/hole17.png", Texture}, {"Textures/hole18.png", Texture}, {"Textures/hole2.png", Texture},
    {"Textures/hole3.png", Texture}, {"Textures/hole4.png", Texture}, {"Textures/hole5.png", Texture},
    {"Textures/hole6.png", Texture}, {"Textures/hole7.png", Texture}, {"Textures/hole8.png", Texture},
    {"Textures/hole9.png", Texture}, {"Textures/holeinone.png", Texture}, {"Textures/minus.png", Texture},
    {"Textures/outofbounds.png", Texture}, {"Textures/p1win.png", Texture}, {"Textures/p2win.png", Texture},
    {"Textures/p3win.png", Texture}, {"Textures/p4win.png", Texture}, {"Textures/par.png", Texture},
    {"Textures/par2.png", Texture}, {"Textures/par3.png", Texture}, {"Textures/par4.png", Texture},
    {"Textures/par5.png", Texture}, {"Textures/player1.png", Texture}, {"Textures/player1turn.png", Texture},
    {"Textures/player2.png", Texture}, {"Textures/player2turn.png", Texture}, {"Textures/player3.png", Texture},
    {"Textures/player3turn.png", Texture}, {"Textures/player4.png", Texture}, {"Textures/player4turn.png", Texture},
    {"Textures/plus.png", Texture}, {"Textures/power_0.png", Texture}, {"Textures/power_1.png", Texture},
    {"Textures/power_10.png", Texture}, {"Textures/power_11.png", Texture}, {"Textures/power_12.png", Texture},
    {"Textures/power_13.png", Texture}, {"Textures/power_14.png", Texture}, {"Textures/power_15.png", Texture},
    {"Textures/power_16.png", Texture}, {"Textures/power_17.png", Texture}, {"Textures/power_18.png", Texture},
    {"Textures/power_19.png", Texture}, {"Textures/power_2.png", Texture}, {"Textures/power_20.png", Texture},
    {"Textures/power_21.png", Texture}, {"Textures/power_22.png", Texture}, {"Textures/power_23.png", Texture},
    {"Textures/power_24.png", Texture}, {"Textures/power_3.png", Texture}, {"Textures/power_4.png", Texture},
    {"Textures/power_5.png", Texture}, {"Textures/power_6.png", Texture}, {"Textures/power_7.png", Texture},
    {"Textures/power_8.png", Texture}, {"Textures/power_9.png", Texture}, {"Textures/practice.png", Texture},
    {"Textures/silver.png", Texture}, {"Textures/tie.png", Texture}, {"Textures/toomany.png", Texture},
    {"Textures/total.png", Texture}, {"Textures/triplebogie.png", Texture},
};

// What every hole builder loads: hole surfaces, sky box, water, and the town's shared
// buildings with their colour and normal textures.
constexpr Asset kCourseShared[] = {
    {"Textures/grass.jpg", Texture}, {"Textures/brick.jpg", Texture}, {"Textures/brickNormal.jpg", Texture},
    {"Textures/black.jpg", Texture}, {"Textures/white.jpg", Texture}, {"Textures/flag.jpg", Texture},
    {"Textures/top1.jpg", Texture}, {"Textures/left1.jpg", Texture}, {"Textures/right1.jpg", Texture},
    {"Textures/front1.jpg", Texture}, {"Textures/back1.jpg", Texture}, {"Textures/water.png", Texture},
    {"Textures/waternormal.jpg", Texture}, {"Textures/water1.jpg", Texture}, {"Textures/water2.jpg", Texture},
    {"Textures/wall1.jpg", Texture}, {"Textures/pipes.jpg", Texture}, {"Textures/pipesnormal.jpg", Texture},
    {"Textures/glass.jpg", Texture}, {"Textures/glassnormal.jpg", Texture},
    {"Models/windmill_base.b3d", Mesh}, {"Models/windmill_blades.3ds", Mesh},
    {"Textures/windmill.jpg", Texture}, {"Textures/windmillnormal.jpg", Texture},
    {"Models/outhouse.b3d", Mesh}, {"Textures/outhouse.jpg", Texture}, {"Textures/outhousenormal.jpg", Texture},
    {"Models/house1.b3d", Mesh}, {"Models/house_glass.b3d", Mesh}, {"Textures/saloon1.jpg", Texture},
    {"Textures/saloonnormal.jpg", Texture}, {"Models/horsePost.b3d", Mesh}, {"Models/townsign.b3d", Mesh},
    {"Textures/fence.jpg", Texture}, {"Textures/fencenormal.jpg", Texture}, {"Textures/townsign.jpg", Texture},
    {"Textures/barrel.jpg", Texture}, {"Textures/barrelnormal.jpg", Texture}, {"Textures/box.jpg", Texture},
    {"Textures/boxnormal.jpg", Texture}, {"Textures/longhorn_skull.jpg", Texture},
    {"Textures/longhorn_skullnormal.jpg", Texture}, {"Textures/wheel.jpg", Texture},
    {"Textures/wheelnormal.jpg", Texture}, {"Textures/cactus.jpg", Texture}, {"Textures/cactusnormal.jpg", Texture},
    {"Textures/brush_1.png", Texture}, {"Textures/minecart.jpg", Texture}, {"Textures/minecartnormal.jpg", Texture},
    {"Models/saloon.b3d", Mesh}, {"Models/saloon2.b3d", Mesh}, {"Models/saloon3.b3d", Mesh},
    {"Models/saloonGlass.3ds", Mesh}, {"Textures/saloon.jpg", Texture}, {"Textures/top2.jpg", Texture},
    {"Models/minemill.b3d", Mesh}, {"Models/minemill1.b3d", Mesh}, {"Models/mineMill1.b3d", Mesh},
    {"Models/minemill2.b3d", Mesh}, {"Models/mineMill2.b3d", Mesh}, {"Models/minemill_glass.b3d", Mesh},
    {"Textures/mill.jpg", Texture}, {"Textures/mill1.jpg", Texture}, {"Textures/millnormal.jpg", Texture},
    {"Models/windmill_broken.3ds", Mesh}, {"Models/house_Glass.b3d", Mesh},
    {"Textures/wagon.jpg", Texture}, {"Textures/wagonnormal.jpg", Texture},
    {"Textures/train.jpg", Texture}, {"Textures/trainnormal.jpg", Texture},
    {"Models/hole_5_blade.b3d", Mesh}, {"Models/hole_8_blade.b3d", Mesh}, {"Models/hole_18_blade.b3d", Mesh},
};

// The practice hole's and hole 1's own meshes, props and sand.
constexpr Asset kFirstHoles[] = {
    {"Models/hole_0_ground.b3d", Mesh}, {"Models/hole_0_bricks.b3d", Mesh}, {"Models/hole_0_grass.b3d", Mesh},
    {"Models/hole_0_grassview.b3d", Mesh},
    {"Models/hole_0_cup.b3d", Mesh}, {"Models/hole_0_barrels.b3d", Mesh}, {"Models/hole_0_box.b3d", Mesh},
    {"Models/hole_0_longhorn.b3d", Mesh}, {"Models/hole_0_wagonwheels.b3d", Mesh},
    {"Models/hole_0_cactus.b3d", Mesh}, {"Models/hole_0_brush.b3d", Mesh}, {"Models/hole_0_minecart.b3d", Mesh},
    {"Models/hole_0_watercontainer.b3d", Mesh}, {"Models/hole_0_water.b3d", Mesh}, {"Textures/terrian0.jpg", Texture},
    {"Models/hole_1_ground.b3d", Mesh}, {"Models/hole_1_bricks.b3d", Mesh}, {"Models/hole_1_grass.b3d", Mesh},
    {"Models/hole_1_grassview.b3d", Mesh},
    {"Models/hole_1_cup.b3d", Mesh}, {"Models/hole_1_barrels.b3d", Mesh}, {"Models/hole_1_longhorn.b3d", Mesh},
    {"Models/hole_1_wagonwheels.b3d", Mesh}, {"Models/hole_1_cactus.b3d", Mesh}, {"Models/hole_1_brush.b3d", Mesh},
    {"Textures/terrian1.jpg", Texture},
};

// The shader materials' programs (start-up).
constexpr Asset kShaderPrograms[] = {
    {"Shaders/normal.golf", Shader},  {"Shaders/bump.golf", Shader},   {"Shaders/specular.golf", Shader},
    {"Shaders/plastic.golf", Shader}, {"Shaders/waterH.golf", Shader}, {"Shaders/waterV.golf", Shader},
};

constexpr AssetGroup kGroups[] = {
    {"balls, putters and splash", kBallsAndPutters},
    {"flag and blade pin", kFlagAndPin},
    {"sound bank", kSoundBank},
    {"music", kMusic},
    {"front-end screens", kFrontEndPictures},
    {"HUD and scorecard", kHudPictures},
    {"course surfaces, sky and the town's buildings", kCourseShared},
    {"practice hole and hole 1", kFirstHoles},
    {"shader materials", kShaderPrograms},
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
