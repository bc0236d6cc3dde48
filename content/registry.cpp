#include "content/registry.h"

std::vector<GeneratorEntry>& generatorRegistry()
{
    static std::vector<GeneratorEntry> registry;
    return registry;
}
