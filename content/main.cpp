// tallowick_content CONTENTS_DIR [GENERATOR...]: writes the game's Contents/ tree.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>

#include "content/output.h"
#include "content/registry.h"

std::vector<GeneratorEntry>& generatorRegistry()
{
    static std::vector<GeneratorEntry> registry;
    return registry;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: tallowick_content CONTENTS_DIR [GENERATOR...]\n");
        return 2;
    }
    ContentOutput output;
    output.root = argv[1];
    std::vector<GeneratorEntry> generators = generatorRegistry();
    std::sort(generators.begin(), generators.end(),
              [](const GeneratorEntry& a, const GeneratorEntry& b) { return a.name < b.name; });
    const auto start = std::chrono::steady_clock::now();
    try {
        for (const GeneratorEntry& generator : generators) {
            bool wanted = argc == 2;
            for (int i = 2; i < argc; ++i) wanted = wanted || generator.name == argv[i];
            if (!wanted) continue;
            const auto begun = std::chrono::steady_clock::now();
            generator.run(output);
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begun).count();
            std::printf("content: %-16s %8.0f ms\n", generator.name.c_str(), ms);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "content: %s\n", error.what());
        return 1;
    }
    const double total = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("content: %d files written, %d unchanged, %.0f ms\n", output.filesWritten,
                output.filesUnchanged, total);
    return 0;
}
