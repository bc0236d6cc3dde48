// tallowick_content CONTENTS_DIR [GENERATOR...]: writes the game's Contents/ tree.
// tallowick_content --contact-sheet OUT.png CONTENTS_DIR: every texture on one sheet, for review.
// tallowick_content --art-samples OUT.png: the art library's surfaces, for review.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "content/manifest.h"
#include "content/output.h"
#include "content/registry.h"
#include "content/review.h"

namespace {

constexpr int kMissingNamed = 5;  // manifest entries named in the warning; the rest are counted

void reportMissing(const ContentOutput& output)
{
    std::vector<std::string> missing;
    for (const Asset& asset : allAssets())
        if (!std::filesystem::exists(output.path(asset.path))) missing.push_back(asset.path);
    if (missing.empty()) return;
    std::printf("content: warning: %zu files of the manifest were not made:", missing.size());
    for (size_t i = 0; i < missing.size() && i < kMissingNamed; ++i) std::printf(" %s", missing[i].c_str());
    std::printf("%s\n", missing.size() > kMissingNamed ? " ..." : "");
}

int generate(int argc, char** argv)
{
    ContentOutput output;
    output.root = argv[1];
    std::vector<GeneratorEntry> generators = generatorRegistry();
    std::sort(generators.begin(), generators.end(),
              [](const GeneratorEntry& a, const GeneratorEntry& b) { return a.name < b.name; });
    const auto start = std::chrono::steady_clock::now();
    for (const GeneratorEntry& generator : generators) {
        bool wanted = argc == 2;
        for (int i = 2; i < argc; ++i) wanted = wanted || generator.name == argv[i];
        if (!wanted) continue;
        const auto begun = std::chrono::steady_clock::now();
        generator.run(output);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begun).count();
        std::printf("content: %-16s %8.0f ms\n", generator.name.c_str(), ms);
    }
    const double total = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("content: %d files written, %d unchanged, %.0f ms\n", output.filesWritten,
                output.filesUnchanged, total);
    if (argc == 2) reportMissing(output);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    try {
        if (mode == "--contact-sheet" && argc == 4) {
            int count = writeContactSheet(argv[3], argv[2]);
            std::printf("content: contact sheet of %d textures written to %s\n", count, argv[2]);
            return 0;
        }
        if (mode == "--art-samples" && argc == 3) {
            writeArtSamples(argv[2]);
            return 0;
        }
        if (argc >= 2 && mode.rfind("--", 0) != 0) return generate(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "content: %s\n", error.what());
        return 1;
    }
    std::fprintf(stderr,
                 "usage: tallowick_content CONTENTS_DIR [GENERATOR...]\n"
                 "       tallowick_content --contact-sheet OUT.png CONTENTS_DIR\n"
                 "       tallowick_content --art-samples OUT.png\n");
    return 2;
}
