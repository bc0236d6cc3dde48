// The state dump of the replay harness: one flat JSON object per dump, keys
// named as the game's own fields. Each subsystem adds its fields in dumpState.
#pragma once

#include <string>
#include <utility>
#include <vector>

class StateDump {
public:
    void number(const std::string& key, double value);
    void text(const std::string& key, const std::string& value);
    void numbers(const std::string& key, const std::vector<double>& values);
    void raw(const std::string& key, const std::string& json);  // an already encoded value

    std::string json() const;
    // The value of a scalar key, or of "NAME[i]" (1-based) in a numbers array,
    // as the dump writes it; false if there is none.
    bool lookup(const std::string& field, std::string& value, bool& isNumber) const;

private:
    struct Entry {
        std::string key;
        std::string encoded;
        bool isNumber = false;
        bool isText = false;
        std::string plain;                 // a text value, unquoted
        std::vector<std::string> elements; // a numbers array, encoded
    };
    std::vector<Entry> entries_;
};

std::string encodeNumber(double value);   // shortest form that reads back exactly
std::string encodeString(const std::string& value);

// Fills the dump from the game state.
void dumpState(StateDump& dump, long frame, unsigned timeMs);
