// Every generator of the content tool registers itself here by name; the tool
// runs them all (or the ones named on its command line) in name order.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct ContentOutput;

using GeneratorFunction = std::function<void(ContentOutput&)>;

struct GeneratorEntry {
    std::string name;
    GeneratorFunction run;
};

std::vector<GeneratorEntry>& generatorRegistry();

struct GeneratorRegistration {
    GeneratorRegistration(const char* name, GeneratorFunction run)
    {
        generatorRegistry().push_back({name, std::move(run)});
    }
};

// REGISTER_GENERATOR(sounds, generateSounds) in one .cpp file of the generator.
#define REGISTER_GENERATOR(name, function) \
    static GeneratorRegistration generatorRegistration_##name(#name, function)
