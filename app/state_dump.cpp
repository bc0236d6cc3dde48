#include "app/state_dump.h"

#include <charconv>
#include <cmath>

#include "app/game_state.h"
#include "app/replay.h"
#include "course/ai.h"
#include "menus/menu_dump.h"
#include "play/turn_cycle.h"

#include <X11/Xlib.h>

std::string encodeNumber(double value)
{
    if (!std::isfinite(value)) return "null";
    if (value == 0) return "0";
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string encodeString(const std::string& value)
{
    std::string out = "\"";
    for (char c : value) {
        if (c == '"' || c == '\\') out += '\\';
        if (static_cast<unsigned char>(c) < 0x20) continue;
        out += c;
    }
    return out + "\"";
}

void StateDump::number(const std::string& key, double value)
{
    Entry entry;
    entry.key = key;
    entry.encoded = encodeNumber(value);
    entry.isNumber = true;
    entries_.push_back(std::move(entry));
}

void StateDump::text(const std::string& key, const std::string& value)
{
    Entry entry;
    entry.key = key;
    entry.encoded = encodeString(value);
    entry.isText = true;
    entry.plain = value;
    entries_.push_back(std::move(entry));
}

void StateDump::numbers(const std::string& key, const std::vector<double>& values)
{
    Entry entry;
    entry.key = key;
    entry.encoded.push_back('[');
    for (size_t i = 0; i < values.size(); ++i) {
        entry.elements.push_back(encodeNumber(values[i]));
        if (i) entry.encoded += ',';
        entry.encoded += entry.elements.back();
    }
    entry.encoded.push_back(']');
    entries_.push_back(std::move(entry));
}

void StateDump::raw(const std::string& key, const std::string& json)
{
    Entry entry;
    entry.key = key;
    entry.encoded = json;
    entries_.push_back(std::move(entry));
}

std::string StateDump::json() const
{
    std::string out = "{";
    for (size_t i = 0; i < entries_.size(); ++i)
    {
        if (i) out += ',';
        out += encodeString(entries_[i].key);
        out += ':';
        out += entries_[i].encoded;
    }
    return out + "}";
}

bool StateDump::lookup(const std::string& field, std::string& value, bool& isNumber) const
{
    std::string key = field;
    int index = 0;
    size_t bracket = field.find('[');
    if (bracket != std::string::npos && field.back() == ']') {
        key = field.substr(0, bracket);
        index = std::atoi(field.c_str() + bracket + 1);
        if (index < 1) return false;
    }
    for (const Entry& entry : entries_) {
        if (entry.key != key) continue;
        if (index > 0) {
            if (index > static_cast<int>(entry.elements.size())) return false;
            value = entry.elements[index - 1];
            isNumber = true;
            return true;
        }
        if (!entry.isNumber && !entry.isText) return false;
        value = entry.isText ? entry.plain : entry.encoded;
        isNumber = entry.isNumber;
        return true;
    }
    return false;
}

namespace {

// Per-player fields as arrays for players 1..4.
template <typename T>
std::vector<double> perPlayer(const T (&values)[kMaxPlayers + 1])
{
    return {double(values[1]), double(values[2]), double(values[3]), double(values[4])};
}

void dumpScreenFlags(StateDump& dump)
{
    const ScreenFlags& s = game.screen;
    const std::pair<const char*, uint8_t> flags[] = {
        {"splashActive", s.splashActive}, {"mainMenuActive", s.mainMenuActive},
        {"courseSelectActive", s.courseSelectActive}, {"playerSetupActive", s.playerSetupActive},
        {"optionsActive", s.optionsActive}, {"creditsActive", s.creditsActive},
        {"quitDialogActive", s.quitDialogActive}, {"tutorialActive", s.tutorialActive},
        {"startRequested", s.startRequested}, {"tutorialStartRequested", s.tutorialStartRequested},
        {"holeLoadPending", s.holeLoadPending}, {"holeActive", s.holeActive},
        {"introDone", s.introDone}, {"holeChangeActive", s.holeChangeActive},
        {"flyOverEnding", s.flyOverEnding}};
    for (const auto& [name, value] : flags) dump.number(name, value);
}

void dumpOptions(StateDump& dump)
{
    const OptionsRecord& o = game.options;
    dump.number("screenWidth", o.screenWidth);
    dump.number("screenHeight", o.screenHeight);
    dump.number("fullscreen", o.fullscreen);
    dump.number("shadersEnabled", o.shadersEnabled);
    dump.number("highTextureQuality", o.highTextureQuality);
    dump.number("highGraphicsQuality", o.highGraphicsQuality);
    dump.number("soundEnabled", o.soundEnabled);
    dump.number("musicEnabled", o.musicEnabled);
}

void dumpCamera(StateDump& dump)
{
    const CameraState& c = game.camera;
    dump.number("camHeight", c.camHeight);
    dump.number("camDist", c.camDist);
    dump.number("aimAngle", c.aimAngle);
    dump.number("topCamera", c.topCamera);
    dump.number("holeStartFps", c.holeStartFps);
}

void dumpMatch(StateDump& dump)
{
    const MatchState& m = game.match;
    dump.number("playerCount", m.playerCount);
    dump.number("currentPlayer", m.currentPlayer);
    dump.numbers("isComputer", perPlayer(m.isComputer));
    dump.numbers("difficulty", perPlayer(m.difficulty));
    dump.numbers("ballColour", perPlayer(m.ballColour));
    dump.number("courseChoice", m.courseChoice);
    dump.number("currentHole", m.currentHole);
    dump.number("lastHole", m.lastHole);
    dump.number("holePar", m.holePar);
    dump.numbers("holeStrokes", perPlayer(m.holeStrokes));
    dump.numbers("totalToPar", perPlayer(m.totalToPar));
    dump.numbers("holedOut", perPlayer(m.holedOut));
}

// What the window system reports of the game window: its caption and size.
void dumpWindow(StateDump& dump)
{
    if (!game.engine.driver) return;
    const irr::video::SExposedVideoData& video = game.engine.driver->getExposedVideoData();
    auto* display = static_cast<Display*>(video.OpenGLLinux.X11Display);
    auto window = Window(video.OpenGLLinux.X11Window);
    if (!display || !window) return;
    char* name = nullptr;
    XFetchName(display, window, &name);
    dump.text("caption", name ? name : "");
    if (name) XFree(name);
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    dump.number("windowWidth", attributes.width);
    dump.number("windowHeight", attributes.height);
}

// The sound-bank entries started since the previous dump, in order.
void dumpPlayedSounds(StateDump& dump)
{
    std::string names = "[";
    for (const std::string& name : playedSounds()) {
        if (names.size() > 1) names += ',';
        names += encodeString(name);
    }
    dump.raw("played", names + "]");
}

// Built by appending: GCC 12 warns falsely (-Wrestrict) about "[" + std::string.
std::string vectorJson(const irr::core::vector3df& v)
{
    std::string out(1, '[');
    out.append(encodeNumber(v.X)).append(1, ',').append(encodeNumber(v.Y)).append(1, ',');
    return out.append(encodeNumber(v.Z)).append(1, ']');
}

std::string pictureOf(irr::gui::IGUIImage* image)
{
    return image && image->isVisible() ? textureFileName(image->getImage()) : "";
}

void dumpTurn(StateDump& dump)
{
    const TurnState& t = game.turn;
    dump.number("turnPending", t.turnPending);
    dump.number("putterPlaced", t.putterPlaced);
    dump.number("charging", t.charging);
    dump.number("swingActive", t.swingActive);
    dump.number("ballRolling", t.ballRolling);
    dump.number("power", t.power);
    dump.number("powerBand", t.powerBand);
    dump.raw("strokeForce", vectorJson(t.strokeForce));
    dump.raw("rollBrake", vectorJson(t.rollBrake));
    dump.number("forceHalvings", t.forceHalvings);
    dump.number("penaltyPending", t.penaltyPending);
    dump.numbers("resetCount", perPlayer(t.resetCount));
    dump.numbers("computerRetry", perPlayer(t.computerRetry));
}

void dumpOutcome(StateDump& dump)
{
    const OutcomeState& o = game.outcome;
    const ContactFlags& c = game.contacts;
    dump.numbers("inCup", perPlayer(c.inCup));
    dump.numbers("brakeFlag", perPlayer(c.brakeFlag));
    dump.number("grassContact", c.grassContact);
    dump.number("groundContact", c.groundContact);
    dump.number("resultShowing", o.resultShowing);
    dump.number("holeEndFading", o.holeEndFading);
    dump.number("holeEndFaded", o.holeEndFaded);
    dump.number("scorecardShowing", o.scorecardShowing);
    dump.number("penaltyFading", o.penaltyFading);
    const HudElements& hud = game.hud;
    dump.text("resultBanner", pictureOf(hud.resultBanner));
    dump.text("powerMeter", pictureOf(hud.powerMeter));
    dump.text("turnBanner", pictureOf(hud.turnBanner));
    dump.text("cameraIcon", pictureOf(hud.cameraIcon));
    dump.number("outOfBoundsShowing", hud.outOfBounds && hud.outOfBounds->isVisible());
    std::string medals(1, '[');
    for (int p = 1; p <= kMaxPlayers; ++p) {
        if (p > 1) medals.append(1, ',');
        medals.append(encodeString(pictureOf(hud.medal[p])));
    }
    dump.raw("medals", medals.append(1, ']'));
    dump.text("winnerBanner", pictureOf(hud.winnerBanner));
}

// Where each computer opponent of seats 2 to 4 putts next: [x, z], or null for a human seat.
void dumpComputerTargets(StateDump& dump)
{
    std::string targets(1, '[');
    for (int p = 2; p <= kMaxPlayers; ++p) {
        if (p > 2) targets.append(1, ',');
        const AI* opponent = computerOpponent(p);
        if (!game.match.isComputer[p] || !opponent) {
            targets.append("null");
            continue;
        }
        targets.append(1, '[').append(encodeNumber(opponent->target().x)).append(1, ',');
        targets.append(encodeNumber(opponent->target().z)).append(1, ']');
    }
    dump.raw("computerTarget", targets.append(1, ']'));
}

void dumpBalls(StateDump& dump)
{
    std::string balls(1, '[');
    for (int p = 1; p <= kMaxPlayers; ++p) {
        if (!game.bodies.ball[p].body) continue;
        if (balls.size() > 1) balls.append(1, ',');
        balls.append(vectorJson(ballPosition(p)));
    }
    dump.raw("ball", balls.append(1, ']'));
    dumpComputerTargets(dump);
    const irr::scene::ICameraSceneNode* camera = game.scene.camera;
    if (camera) {
        dump.raw("cameraPosition", vectorJson(camera->getPosition()));
        dump.raw("cameraTarget", vectorJson(camera->getTarget()));
    }
    dump.number("flySegment", game.camera.flySegment);
    if (game.scene.putterShaft) dump.number("shaftFrame", game.scene.putterShaft->getFrameNr());
    const Vector3 v = ballVelocity(game.match.currentPlayer);
    dump.raw("velocity", vectorJson(v));
}

}  // namespace

void dumpState(StateDump& dump, long frame, unsigned timeMs)
{
    dump.number("frame", double(frame));
    dump.number("timeMs", timeMs);
    dumpScreenFlags(dump);
    dumpOptions(dump);
    dump.number("lastFrameRate", game.lastFrameRate);
    dumpCamera(dump);
    dump.number("tutorialStep", game.tutorial.tutorialStep);
    dump.number("tutorialHold", game.tutorial.tutorialHold);
    dumpMatch(dump);
    dumpTurn(dump);
    dumpOutcome(dump);
    dumpBalls(dump);
    dumpWindow(dump);
    dumpPlayedSounds(dump);
    dumpFrontEnd(dump);
}
