#include "content/art/decode.h"

#include <fstream>
#include <iterator>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#include <stb_image.h>

bool pictureSize(const std::vector<uint8_t>& bytes, int& width, int& height)
{
    int channels = 0;
    width = height = 0;
    return !bytes.empty() && stbi_info_from_memory(bytes.data(), int(bytes.size()), &width, &height, &channels) == 1;
}

Image decodePicture(const std::vector<uint8_t>& bytes)
{
    int w = 0, h = 0, channels = 0;
    if (bytes.empty()) return {};
    unsigned char* pixels = stbi_load_from_memory(bytes.data(), int(bytes.size()), &w, &h, &channels, 4);
    if (!pixels) return {};
    Image image(w, h);
    for (size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = {pixels[i * 4] / 255.0f, pixels[i * 4 + 1] / 255.0f, pixels[i * 4 + 2] / 255.0f,
                           pixels[i * 4 + 3] / 255.0f};
    stbi_image_free(pixels);
    return image;
}

std::vector<uint8_t> readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
