#include "content/output.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

void ContentOutput::write(const std::string& relative, const std::vector<uint8_t>& bytes)
{
    const std::filesystem::path target = path(relative);
    std::filesystem::create_directories(target.parent_path());
    {
        std::ifstream in(target, std::ios::binary);
        if (in) {
            std::vector<uint8_t> existing((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            if (existing == bytes) {
                ++filesUnchanged;
                return;
            }
        }
    }
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + target.string());
    ++filesWritten;
}

void ContentOutput::write(const std::string& relative, const std::string& text)
{
    write(relative, std::vector<uint8_t>(text.begin(), text.end()));
}
