#include "app/replay.h"

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>
#include <vector>

#include "app/bench_log.h"
#include "app/game_state.h"
#include "app/state_dump.h"
#include "course/ai.h"
#include "course/holes/computer_routes.h"
#include "presentation/sound_bank.h"

using irr::SEvent;

namespace {

constexpr int kDefaultFps = 60;
constexpr long kDefaultWaitPasses = 20000;
constexpr unsigned kVirtualStartMs = 10000;  // a timer start value of 0 means "idle"
constexpr double kPacedFrameSeconds = 1.0 / 60.0;

struct NamedKey { const char* name; irr::EKEY_CODE code; };
constexpr NamedKey kKeys[] = {
    {"SPACE", irr::KEY_SPACE}, {"RETURN", irr::KEY_RETURN}, {"ESCAPE", irr::KEY_ESCAPE},
    {"LEFT", irr::KEY_LEFT},   {"RIGHT", irr::KEY_RIGHT},   {"UP", irr::KEY_UP},
    {"DOWN", irr::KEY_DOWN},   {"1", irr::KEY_KEY_1},       {"2", irr::KEY_KEY_2},
    {"F", irr::KEY_KEY_F}};

struct Command {
    int line = 0;
    std::vector<std::string> words;
};

using Clock = std::chrono::steady_clock;

struct Replay {
    bool active = false;
    bool nullVideo = false;  // --null-video: no window and no drawing, for fast design and evaluation runs
    std::vector<Command> script;
    size_t next = 0;            // next command to run
    std::ofstream dumpFile;
    bool dumpToFile = false;

    unsigned seed = 1;
    int fps = kDefaultFps;
    int windowWidth = 0, windowHeight = 0;  // --window WxH; 0: the options file's size
    long framesLeft = 0;
    bool waiting = false;
    std::string waitField, waitValue;
    long waitLeft = 0;
    bool quitting = false;

    std::vector<SEvent> pending;  // delivered in the next pass
    bool injecting = false;
    irr::core::position2di mouse{0, 0};
    std::string shotPath;

    unsigned timeMs = kVirtualStartMs;
    int timeRemainder = 0;
    long frame = 0;

    Clock::time_point passStart;
    Clock::time_point runStart;
    std::vector<double> passMs;
};

struct Recorder {
    bool active = false;
    std::ofstream out;
    long emittedPass = 0;  // the recorded script so far delivers its next events at this pass
    int fps = -1;
    irr::core::position2di mouse{-1, -1};
};

Replay replay;
Recorder recorder;
irr::IrrlichtDevice* device = nullptr;
long passIndex = 0;  // passes completed, in every mode
Clock::time_point pacedDeadline;
bool pacingStarted = false;

[[noreturn]] void malformed(const Command& command, const std::string& why)
{
    std::cerr << "replay: line " << command.line << ": " << why << std::endl;
    std::exit(2);
}

long parseNumber(const Command& command, size_t index, long minimum)
{
    if (index >= command.words.size()) malformed(command, "missing number");
    const std::string& word = command.words[index];
    char* end = nullptr;
    long value = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0' || value < minimum) malformed(command, "bad number '" + word + "'");
    return value;
}

double parseCoordinate(const Command& command, size_t index)
{
    const std::string& word = command.words[index];
    char* end = nullptr;
    double value = std::strtod(word.c_str(), &end);
    if (word.empty() || *end != '\0') malformed(command, "bad coordinate '" + word + "'");
    return value;
}

// `line T X Z`: the holes set up from now on give a computer seat teeing off at x = T the first line
// (X, Z) (for tuning the routes).
// `target P X Z`: player P's computer opponent putts at (X, Z) until a zone of the hole re-routes it.
void pointOpponent(const Command& c)
{
    AI* opponent = computerOpponent(std::stoi(c.words[1]));
    const Waypoint point{float(std::stod(c.words[2])), 0, float(std::stod(c.words[3])), 0};
    if (opponent) opponent->setMainRoute(point, point, point);
}

void overrideLine(const Command& c)
{
    overrideComputerLine(float(std::stod(c.words[1])), float(std::stod(c.words[2])), float(std::stod(c.words[3])));
}

const NamedKey* findKey(const std::string& name)
{
    for (const NamedKey& key : kKeys)
        if (name == key.name) return &key;
    return nullptr;
}

bool isDownUp(const std::string& word) { return word == "down" || word == "up"; }

bool isKind(const std::string& word)
{
    // "computer": a computer seat without a difficulty, so the hole installs no routes (for `target`).
    return word == "human" || word == "computer" || word == "easy" || word == "medium" || word == "hard";
}

// Checks every line before the game starts, so a bad script fails at once.
void validate(const Command& c)
{
    const std::string& verb = c.words[0];
    size_t n = c.words.size();
    auto needs = [&](size_t count) { if (n != count) malformed(c, "wrong number of words"); };
    if (verb == "seed") { needs(2); parseNumber(c, 1, 0); }
    else if (verb == "fps") { needs(2); parseNumber(c, 1, 1); }
    else if (verb == "frames") { needs(2); parseNumber(c, 1, 0); }
    else if (verb == "key") {
        needs(3);
        if (!findKey(c.words[1])) malformed(c, "unknown key " + c.words[1]);
        if (!isDownUp(c.words[2])) malformed(c, "expected down or up");
    } else if (verb == "mouse") { needs(3); parseNumber(c, 1, -100000); parseNumber(c, 2, -100000); }
    else if (verb == "lmb") { needs(2); if (!isDownUp(c.words[1])) malformed(c, "expected down or up"); }
    else if (verb == "wait") {
        if (n != 3 && n != 4) malformed(c, "wait FIELD VALUE [MAX]");
        if (n == 4) parseNumber(c, 3, 1);
    } else if (verb == "target") {
        needs(4);
        if (parseNumber(c, 1, 2) > kMaxPlayers) malformed(c, "target: players 2 to 4");
        parseCoordinate(c, 2);
        parseCoordinate(c, 3);
    } else if (verb == "line") {
        needs(4);
        for (size_t w = 1; w <= 3; ++w) parseCoordinate(c, w);
    } else if (verb == "dump" || verb == "quit") { needs(1); }
    else if (verb == "shot" || verb == "mark") { needs(2); }
    else if (verb == "start" || verb == "hole") {
        if (n < 3) malformed(c, verb + " CHOICE N [KIND...]");
        long first = parseNumber(c, 1, -100);
        long players = parseNumber(c, 2, 1);
        if (players > kMaxPlayers) malformed(c, "at most four players");
        if (verb == "start" && first != kFrontNine && first != kBackNine && first != kAllEighteen)
            malformed(c, "course choice must be 19, 918 or 118");
        if (verb == "hole" && !(first == -1 || (first >= 1 && first <= 18)))
            malformed(c, "hole must be -1 or 1..18");
        if (n - 3 > size_t(players - 1)) malformed(c, "more kinds than players");
        for (size_t i = 3; i < n; ++i)
            if (!isKind(c.words[i])) malformed(c, "unknown kind " + c.words[i]);
    } else {
        malformed(c, "unknown command " + verb);
    }
}

bool loadScript(const std::string& path)
{
    std::ifstream in(path);
    if (!in) {
        std::cerr << "replay: cannot read " << path << std::endl;
        return false;
    }
    std::string text;
    int lineNumber = 0;
    while (std::getline(in, text)) {
        ++lineNumber;
        size_t hash = text.find('#');
        if (hash != std::string::npos) text.erase(hash);
        std::istringstream words(text);
        Command command{lineNumber, {}};
        for (std::string word; words >> word;) command.words.push_back(word);
        if (command.words.empty()) continue;
        validate(command);
        replay.script.push_back(command);
    }
    // The seed given before the first pass also seeds start-up.
    for (const Command& command : replay.script) {
        if (command.words[0] == "frames" || command.words[0] == "wait") break;
        if (command.words[0] == "seed") replay.seed = unsigned(std::stoul(command.words[1]));
    }
    return true;
}

SEvent keyEvent(irr::EKEY_CODE code, bool down)
{
    SEvent event{};
    event.EventType = irr::EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = code;
    event.KeyInput.PressedDown = down;
    event.KeyInput.Char = 0;
    return event;
}

SEvent mouseEvent(irr::EMOUSE_INPUT_EVENT type)
{
    SEvent event{};
    event.EventType = irr::EET_MOUSE_INPUT_EVENT;
    event.MouseInput.Event = type;
    event.MouseInput.X = replay.mouse.X;
    event.MouseInput.Y = replay.mouse.Y;
    event.MouseInput.ButtonStates = type == irr::EMIE_LMOUSE_PRESSED_DOWN ? irr::EMBSM_LEFT : 0;
    return event;
}

// What the player set-up's start button (or the how-to-play button) does.
void requestStart(const Command& c, bool singleHole)
{
    MatchState& match = game.match;
    int first = std::stoi(c.words[1]);
    int players = std::stoi(c.words[2]);
    match.playerCount = players;
    match.currentPlayer = 1;
    for (int p = 1; p <= kMaxPlayers; ++p) {
        match.ballColour[p] = p <= players ? p : 0;
        match.isComputer[p] = 0;
        match.difficulty[p] = 0;
    }
    for (size_t i = 3; i < c.words.size(); ++i) {
        int p = int(i) - 1;
        const std::string& kind = c.words[i];
        match.isComputer[p] = kind != "human";
        match.difficulty[p] = kind == "easy" ? 1 : kind == "medium" ? 2 : kind == "hard" ? 3 : 0;
    }
    ScreenFlags& screen = game.screen;
    screen.splashActive = screen.mainMenuActive = screen.courseSelectActive = 0;
    screen.optionsActive = screen.creditsActive = 0;
    screen.startRequested = 1;
    if (singleHole && first == -1) {
        match.currentHole = kPracticeRequestId;
        screen.tutorialActive = 1;
        screen.tutorialStartRequested = 1;
        return;
    }
    screen.playerSetupActive = 1;
    if (!singleHole) {
        match.courseChoice = first;
        startMatchRange(match);
        return;
    }
    int previous = 0;
    for (int h = 0; h <= 18; ++h)
        if (successorHole(h) == first) previous = h;
    match.currentHole = previous;
    match.lastHole = first;
}

void writeDump()
{
    StateDump dump;
    dumpState(dump, replay.frame, replay.timeMs);
    if (replay.dumpToFile) {
        replay.dumpFile << dump.json() << '\n';
        replay.dumpFile.flush();
    } else {
        std::cerr << dump.json() << std::endl;
    }
    clearPlayedSounds();  // `played` lists what started since the previous dump
}

bool waitSatisfied()
{
    StateDump dump;
    dumpState(dump, replay.frame, replay.timeMs);
    std::string value;
    bool isNumber = false;
    if (!dump.lookup(replay.waitField, value, isNumber)) return false;
    if (isNumber) {
        char* end = nullptr;
        double wanted = std::strtod(replay.waitValue.c_str(), &end);
        if (*end == '\0' && !replay.waitValue.empty()) return std::strtod(value.c_str(), nullptr) == wanted;
    }
    return value == replay.waitValue;
}

[[noreturn]] void waitRanOut()
{
    StateDump dump;
    dumpState(dump, replay.frame, replay.timeMs);
    std::string value = "(none)";
    bool isNumber = false;
    dump.lookup(replay.waitField, value, isNumber);
    std::cerr << "replay: wait " << replay.waitField << " " << replay.waitValue
              << " ran out; last value " << value << std::endl;
    std::exit(3);
}

// Runs commands until one lets passes run (frames, wait) or the script ends.
void advanceScript()
{
    while (replay.next < replay.script.size()) {
        const Command& c = replay.script[replay.next++];
        const std::string& verb = c.words[0];
        if (verb == "seed") replay.seed = unsigned(std::stoul(c.words[1]));
        else if (verb == "fps") replay.fps = std::stoi(c.words[1]);
        else if (verb == "frames") {
            replay.framesLeft = std::stol(c.words[1]);
            if (replay.framesLeft > 0) return;
        } else if (verb == "key") {
            replay.pending.push_back(keyEvent(findKey(c.words[1])->code, c.words[2] == "down"));
        } else if (verb == "mouse") {
            replay.mouse = irr::core::position2di(std::stoi(c.words[1]), std::stoi(c.words[2]));
            replay.pending.push_back(mouseEvent(irr::EMIE_MOUSE_MOVED));
        } else if (verb == "lmb") {
            replay.pending.push_back(mouseEvent(c.words[1] == "down" ? irr::EMIE_LMOUSE_PRESSED_DOWN
                                                                     : irr::EMIE_LMOUSE_LEFT_UP));
        } else if (verb == "wait") {
            replay.waiting = true;
            replay.waitField = c.words[1];
            replay.waitValue = c.words[2];
            replay.waitLeft = c.words.size() == 4 ? std::stol(c.words[3]) : kDefaultWaitPasses;
            return;
        } else if (verb == "dump") writeDump();
        else if (verb == "shot") replay.shotPath = c.words[1];
        else if (verb == "mark") frameLogMark(c.words[1]);
        else if (verb == "start") requestStart(c, false);
        else if (verb == "hole") requestStart(c, true);
        else if (verb == "target") pointOpponent(c);
        else if (verb == "line") overrideLine(c);
        else if (verb == "quit") break;
    }
    replay.next = replay.script.size();
    replay.quitting = true;
    if (device) device->closeDevice();
}

void recordLine(const std::string& line)
{
    if (recorder.active) recorder.out << line << '\n';
}

void recordFramesUpTo(long pass)
{
    if (pass > recorder.emittedPass) {
        recordLine("frames " + std::to_string(pass - recorder.emittedPass));
        recorder.emittedPass = pass;
    }
}

void recordFps()
{
    if (!recorder.active) return;
    int fps = frameRate();
    if (fps <= 0 || fps == recorder.fps) return;
    recordFramesUpTo(passIndex);
    recordLine("fps " + std::to_string(fps));
    recorder.fps = fps;
}

void pace()
{
    // Vsync is not available everywhere (and a 144 Hz display would run the
    // per-frame constants too fast), so the loop holds 60 passes a second itself.
    const auto frame = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(kPacedFrameSeconds));
    Clock::time_point now = Clock::now();
    if (!pacingStarted || now > pacedDeadline + frame * 4) {
        pacedDeadline = now;
        pacingStarted = true;
    }
    pacedDeadline += frame;
    if (pacedDeadline > now) std::this_thread::sleep_until(pacedDeadline);
}

}  // namespace

void captureBackBuffer(const std::string& path)
{
    irr::video::IVideoDriver* driver = game.engine.driver;
    irr::core::dimension2du size = driver->getScreenSize();
    std::vector<uint8_t> pixels(size_t(size.Width) * size.Height * 4);
    glReadBuffer(GL_BACK);  // the front buffer reads black under Xvfb
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, size.Width, size.Height, GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
    irr::video::IImage* image = driver->createImage(irr::video::ECF_A8R8G8B8, size);
    auto* target = static_cast<uint8_t*>(image->lock());
    const size_t row = size_t(size.Width) * 4;
    for (uint32_t y = 0; y < size.Height; ++y) {
        uint8_t* out = target + (size.Height - 1 - y) * row;  // GL rows run bottom-up
        std::copy_n(pixels.data() + y * row, row, out);
        for (size_t x = 3; x < row; x += 4) out[x] = 255;
    }
    image->unlock();
    if (!driver->writeImageToFile(image, path.c_str()))
        std::cerr << "replay: cannot write " << path << std::endl;
    image->drop();
}

int replayParseArguments(int argc, char** argv)
{
    std::string scriptPath, dumpPath, recordPath, frameLogPath;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) {
                std::cerr << arg << " needs a file name" << std::endl;
                return false;
            }
            into = argv[++i];
            return true;
        };
        bool ok = true;
        if (arg == "--replay") ok = value(scriptPath);
        else if (arg == "--dump") ok = value(dumpPath);
        else if (arg == "--record") ok = value(recordPath);
        else if (arg == "--frame-log") ok = value(frameLogPath);
        else if (arg == "--window") {
            std::string size;
            ok = value(size);
            if (ok && std::sscanf(size.c_str(), "%dx%d", &replay.windowWidth, &replay.windowHeight) != 2) ok = false;
            if (ok && (replay.windowWidth < 320 || replay.windowHeight < 240)) ok = false;
            if (!ok) std::cerr << "--window needs a size such as 1280x800" << std::endl;
        }
        else if (arg == "--null-video") replay.nullVideo = true;
        else {
            std::cerr << "unknown argument " << arg
                      << " (usage: tallowick [--replay SCRIPT [--dump FILE] [--null-video] [--frame-log FILE] [--window WxH]] [--record FILE])" << std::endl;
            return 2;
        }
        if (!ok) return 2;
    }
    if (!scriptPath.empty()) {
        if (!loadScript(scriptPath)) return 2;
        replay.active = true;
        if (!dumpPath.empty()) {
            replay.dumpFile.open(dumpPath, std::ios::trunc);
            if (!replay.dumpFile) {
                std::cerr << "replay: cannot write " << dumpPath << std::endl;
                return 2;
            }
            replay.dumpToFile = true;
        }
    }
    if (!frameLogPath.empty() && !frameLogOpen(frameLogPath)) return 2;
    if (!recordPath.empty()) {
        recorder.out.open(recordPath, std::ios::trunc);
        if (!recorder.out) {
            std::cerr << "cannot write " << recordPath << std::endl;
            return 2;
        }
        recorder.active = true;
    }
    return -1;
}

bool replayMode() { return replay.active; }

bool replayNullVideo() { return replay.active && replay.nullVideo; }

bool replayWindowSize(int32_t& width, int32_t& height)
{
    if (!replay.active || replay.windowWidth == 0) return false;
    width = replay.windowWidth;
    height = replay.windowHeight;
    return true;
}

int32_t frameRate()
{
    if (replay.active) return replay.fps;
    return game.engine.driver ? game.engine.driver->getFPS() : 0;
}

irr::core::position2di mousePosition()
{
    if (replay.active) return replay.mouse;
    return device ? device->getCursorControl()->getPosition() : irr::core::position2di(0, 0);
}

void seedRandom()
{
    // A recording reuses its first seed for every later srand, so that its replay draws alike.
    static bool seeded = false;
    if (!replay.active && !(recorder.active && seeded)) replay.seed = unsigned(std::time(nullptr));
    if (recorder.active && !seeded) recordLine("seed " + std::to_string(replay.seed));
    seeded = true;
    std::srand(replay.seed);
}

void replayAttachDevice(irr::IrrlichtDevice* mainDevice)
{
    device = mainDevice;
    if (!replay.active) return;
    irr::ITimer* timer = device->getTimer();
    timer->setTime(replay.timeMs);
    timer->stop();
}

void replayBeginLoop()
{
    replay.runStart = replay.passStart = Clock::now();
    frameLogBeginLoop();
    if (replay.active) advanceScript();
}

bool runDevice()
{
    bool running = game.engine.device->run();
    recordFps();
    if (replay.active && running) {
        replay.injecting = true;
        for (const SEvent& event : replay.pending) game.engine.device->postEventFromUser(event);
        replay.injecting = false;
        replay.pending.clear();
    }
    return running;
}

void beforePresent()
{
    if (!replay.active || replay.shotPath.empty()) return;
    if (replay.nullVideo) std::cerr << "replay: no picture without video, " << replay.shotPath << " not written" << std::endl;
    else captureBackBuffer(replay.shotPath);
    replay.shotPath.clear();
}

void afterPass()
{
    ++passIndex;
    Clock::time_point now = Clock::now();
    if (!replay.active) {
        pace();
        replay.passStart = Clock::now();
        return;
    }
    // Only a scripted run keeps its pass times (for its closing line): in play they would pile up for hours.
    replay.passMs.push_back(std::chrono::duration<double, std::milli>(now - replay.passStart).count());
    replay.passStart = now;
    frameLogPass(replay.frame);
    ++replay.frame;
    replay.timeRemainder += 1000;
    replay.timeMs += unsigned(replay.timeRemainder / replay.fps);
    replay.timeRemainder %= replay.fps;
    device->getTimer()->setTime(replay.timeMs);
    if (replay.quitting) return;
    if (replay.framesLeft > 0 && --replay.framesLeft > 0) return;
    if (replay.waiting) {
        if (!waitSatisfied()) {
            if (--replay.waitLeft <= 0) waitRanOut();
            return;
        }
        replay.waiting = false;
    }
    advanceScript();
}

void replayFinish()
{
    if (recorder.active) {
        recordFramesUpTo(passIndex);
        recordLine("dump");
        recordLine("quit");
        recorder.out.flush();
    }
    frameLogFinish();
    if (!replay.active) return;
    double wall = std::chrono::duration<double, std::milli>(Clock::now() - replay.runStart).count();
    std::vector<double> sorted = replay.passMs;
    std::sort(sorted.begin(), sorted.end());
    double average = sorted.empty() ? 0 : wall / double(sorted.size());
    double p95 = sorted.empty() ? 0 : sorted[std::min(sorted.size() - 1, size_t(double(sorted.size()) * 0.95))];
    char line[160];
    std::snprintf(line, sizeof line, "replay: %ld frames, %.0f ms wall, avg %.2f ms/frame, p95 %.2f ms/frame",
                  replay.frame, wall, average, p95);
    std::cerr << line << std::endl;
}

bool replayAcceptsInput(const SEvent&)
{
    return !replay.active || replay.injecting;
}

void recordInputEvent(const SEvent& event)
{
    if (!recorder.active) return;
    if (event.EventType == irr::EET_KEY_INPUT_EVENT) {
        for (const NamedKey& key : kKeys) {
            if (key.code != event.KeyInput.Key) continue;
            recordFramesUpTo(passIndex);
            recordLine(std::string("key ") + key.name + (event.KeyInput.PressedDown ? " down" : " up"));
        }
        return;
    }
    const irr::SEvent::SMouseInput& mouse = event.MouseInput;
    bool moved = mouse.Event == irr::EMIE_MOUSE_MOVED;
    bool button = mouse.Event == irr::EMIE_LMOUSE_PRESSED_DOWN || mouse.Event == irr::EMIE_LMOUSE_LEFT_UP;
    if (!moved && !button) return;
    recordFramesUpTo(passIndex);
    if (moved || recorder.mouse != irr::core::position2di(mouse.X, mouse.Y))
        recordLine("mouse " + std::to_string(mouse.X) + " " + std::to_string(mouse.Y));
    recorder.mouse = irr::core::position2di(mouse.X, mouse.Y);
    if (button) recordLine(std::string("lmb ") + (mouse.Event == irr::EMIE_LMOUSE_PRESSED_DOWN ? "down" : "up"));
}

std::string textureFileName(irr::video::ITexture* texture)
{
    if (!texture) return "";
    std::string path = texture->getName().getPath().c_str();
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
