#include "app/options_file.h"

#include <cctype>

ScreenSize resolutionForCode(char code)
{
    switch (code) {
    case '0': return {800, 600};
    case '1': return {1024, 768};
    case '2': return {1152, 864};
    case '3': return {1280, 720};
    case '4': return {1280, 800};
    default: return {0, 0};
    }
}

char codeForResolution(int32_t width, int32_t height)
{
    for (char code = '0'; code <= '4'; ++code) {
        ScreenSize size = resolutionForCode(code);
        if (size.width == width && size.height == height) return code;
    }
    return '0';
}

bool resolutionNeedsModeCheck(char code)
{
    return code == '2' || code == '3' || code == '4';
}

void applyOptionFlags(const char bytes[kOptionsFileSize], OptionsRecord& options)
{
    uint8_t* flags[] = {&options.fullscreen, &options.shadersEnabled, &options.highTextureQuality,
                        &options.highGraphicsQuality, &options.soundEnabled, &options.musicEnabled};
    for (int i = 0; i < 6; ++i) {
        char byte = static_cast<char>(std::tolower(static_cast<unsigned char>(bytes[i + 1])));
        if (byte == '0') *flags[i] = 0;
        if (byte == '1') *flags[i] = 1;
    }
}

bool checkVideoMode(ScreenSize wanted, const std::vector<ScreenSize>& modes,
                    OptionsRecord& options, std::ostream& log)
{
    log << "--- Screen Resolution ---\n" << std::endl;
    log << " Checking Screen Resolution: " << wanted.width << " x " << wanted.height << std::endl;
    log << "Video Card supported Resolutions:\n" << std::endl;
    ScreenSize previous{0, 0};
    bool found = false;
    for (const ScreenSize& mode : modes) {
        if (mode.width != previous.width || mode.height != previous.height)
            log << mode.width << " X " << mode.height << std::endl;
        previous = mode;
        if (mode.width == wanted.width && mode.height == wanted.height) found = true;
    }
    if (found) {
        log << "\nScreen Resolution " << wanted.width << " x " << wanted.height << " supported\n"
            << std::endl;
        options.screenWidth = wanted.width;
        options.screenHeight = wanted.height;
    } else {
        log << "\nScreen Resolution " << wanted.width << " x " << wanted.height
            << " not supported... using default\n" << std::endl;
        options.screenWidth = 800;
        options.screenHeight = 600;
    }
    return found;
}

std::string encodeOptions(char resolutionCode, const OptionsRecord& options)
{
    std::string bytes(1, resolutionCode);
    for (uint8_t flag : {options.fullscreen, options.shadersEnabled, options.highTextureQuality,
                         options.highGraphicsQuality, options.soundEnabled, options.musicEnabled})
        bytes += flag ? '1' : '0';
    return bytes;
}

std::string encodeOptions(const OptionsRecord& options)
{
    return encodeOptions(codeForResolution(options.screenWidth, options.screenHeight), options);
}

bool writeOptionsFile(irr::io::IFileSystem* fileSystem, char resolutionCode, const OptionsRecord& options)
{
    irr::io::IWriteFile* file = fileSystem->createAndWriteFile(kOptionsPath, false);
    if (!file) return false;
    const std::string bytes = encodeOptions(resolutionCode, options);
    for (char byte : bytes) file->write(&byte, 1);
    file->drop();
    return true;
}

bool writeOptionsFile(irr::io::IFileSystem* fileSystem, const OptionsRecord& options)
{
    return writeOptionsFile(fileSystem, codeForResolution(options.screenWidth, options.screenHeight), options);
}
