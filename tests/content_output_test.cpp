// The content tool's output: text files read back through the engine's file system,
// and files whose bytes did not change are left alone (so builds stay incremental).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include <unistd.h>

#include "content/model/engine_load.h"
#include "content/output.h"

namespace {

struct ScratchFolder {
    std::filesystem::path root;
    ScratchFolder() : root(std::filesystem::temp_directory_path() / ("tallowick_output_" + std::to_string(::getpid()))) {}
    ~ScratchFolder() { std::filesystem::remove_all(root); }
};

}  // namespace

TEST(ContentOutput, TextFilesReadBackThroughTheEngineUnchanged)
{
    ScratchFolder scratch;
    ContentOutput output;
    output.root = scratch.root.string();
    const std::string text = "// a shader program\nuniform float time;\n\nvoid main() {}\n";
    output.write("Shaders/example.golf", text);

    EngineLoader engine;
    irr::io::IReadFile* file = engine.device()->getFileSystem()->createAndOpenFile(output.path("Shaders/example.golf").c_str());
    ASSERT_NE(file, nullptr);
    std::string back(size_t(file->getSize()), '\0');
    file->read(back.data(), irr::u32(back.size()));
    file->drop();
    EXPECT_EQ(back, text);
}

TEST(ContentOutput, UnchangedFilesAreNotRewritten)
{
    ScratchFolder scratch;
    ContentOutput output;
    output.root = scratch.root.string();
    output.write("Textures/a.png", std::vector<uint8_t>{1, 2, 3});
    const auto written = std::filesystem::last_write_time(output.path("Textures/a.png"));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));

    output.write("Textures/a.png", std::vector<uint8_t>{1, 2, 3});
    EXPECT_EQ(output.filesWritten, 1);
    EXPECT_EQ(output.filesUnchanged, 1);
    EXPECT_EQ(std::filesystem::last_write_time(output.path("Textures/a.png")), written);

    output.write("Textures/a.png", std::vector<uint8_t>{1, 2, 4});
    EXPECT_EQ(output.filesWritten, 2);
    std::ifstream in(output.path("Textures/a.png"), std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()), std::string("\1\2\4"));
}
