// Every file the game references is made by the content tool and loads: textures
// have a size, meshes have the collision builder's layout, WAVs load through ALUT.
#include <gtest/gtest.h>

#include <AL/alut.h>

#include <filesystem>
#include <set>

#include "content/art/decode.h"
#include "content/manifest.h"
#include "content/model/engine_load.h"
#include "presentation/sound_bank.h"

namespace {

const std::string kContents = std::string(TALLOWICK_RUN_DIR) + "/Contents/";

bool endsWith(const std::string& s, const std::string& end)
{
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

bool startsWith(const std::string& s, const std::string& start) { return s.rfind(start, 0) == 0; }

// Why the file does not load as its kind says ("" when it does).
std::string loadProblem(const Asset& asset, EngineLoader& engine)
{
    const std::string path = kContents + asset.path;
    if (!std::filesystem::exists(path)) return "missing";
    switch (asset.kind) {
    case AssetKind::Texture: {
        int w = 0, h = 0;
        if (!pictureSize(readFileBytes(path), w, h)) return "not a picture";
        return w > 0 && h > 0 ? "" : "empty picture";
    }
    case AssetKind::Mesh: {
        irr::scene::IAnimatedMesh* mesh = engine.loadFile(path);
        return mesh ? collisionLayoutProblem(mesh->getMesh(0)) : "the engine cannot load it";
    }
    case AssetKind::Sound: {
        ALenum format = 0;
        void* data = nullptr;
        ALsizei size = 0, frequency = 0;
        ALboolean loop = AL_FALSE;
        std::string name = path;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        alutLoadWAVFile(reinterpret_cast<ALbyte*>(name.data()), &format, &data, &size, &frequency, &loop);
        const bool loaded = data != nullptr && size > 0 && frequency > 0;
        if (data) alutUnloadWAV(format, data, size, frequency);
#pragma GCC diagnostic pop
        return loaded ? "" : "ALUT cannot load it";
    }
    case AssetKind::Shader: return std::filesystem::file_size(path) > 0 ? "" : "empty";
    }
    return "unknown kind";
}

}  // namespace

TEST(AssetManifest, EveryEntryExistsAndLoads)
{
    ASSERT_TRUE(alutInitWithoutContext(nullptr, nullptr));
    EngineLoader engine;
    int checked = 0;
    for (const Asset& asset : allAssets()) {
        EXPECT_EQ(loadProblem(asset, engine), "") << kindName(asset.kind) << " " << asset.path;
        ++checked;
    }
    alutExit();
    EXPECT_GT(checked, 0);
}

TEST(AssetManifest, EntriesSitInTheFolderAndFormatOfTheirKind)
{
    struct Rule {
        AssetKind kind;
        std::vector<std::string> folders, extensions;
    };
    const Rule rules[] = {
        {AssetKind::Texture, {"Textures/", "Particles/"}, {".png", ".jpg"}},
        {AssetKind::Mesh, {"Models/"}, {".b3d", ".3ds"}},
        {AssetKind::Sound, {"Sounds/", "Music/"}, {".wav"}},
        {AssetKind::Shader, {"Shaders/"}, {".golf"}},
    };
    std::set<std::string> seen;
    for (const AssetGroup& group : assetGroups()) {
        EXPECT_FALSE(group.assets.empty()) << group.usedBy;
        std::set<std::string> inGroup;
        for (const Asset& asset : group.assets) {
            EXPECT_TRUE(inGroup.insert(asset.path).second) << asset.path << " twice in " << group.usedBy;
            seen.insert(asset.path);
            for (const Rule& rule : rules) {
                if (rule.kind != asset.kind) continue;
                bool folder = false, extension = false;
                for (const std::string& f : rule.folders) folder = folder || startsWith(asset.path, f);
                for (const std::string& e : rule.extensions) extension = extension || endsWith(asset.path, e);
                EXPECT_TRUE(folder && extension) << kindName(asset.kind) << " " << asset.path;
            }
        }
    }
    EXPECT_EQ(seen.size(), allAssets().size());
}

TEST(AssetManifest, ListsEveryFileTheSoundBankLoads)
{
    std::set<std::string> listed;
    for (const Asset& asset : allAssets()) listed.insert(asset.path);
    const std::string prefix = "../Contents/";
    for (int i = 0; i < kSoundCount; ++i)
        for (bool sound : {false, true})
            for (bool music : {false, true}) {
                std::string path = soundBankPath(Sound(i), sound, music);
                ASSERT_TRUE(startsWith(path, prefix)) << path;
                EXPECT_TRUE(listed.count(path.substr(prefix.size()))) << soundName(Sound(i)) << ": " << path;
            }
}
