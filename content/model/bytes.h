// Little-endian byte output with nested chunks whose lengths are filled in when they close.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace model {

class ByteWriter {
public:
    std::vector<uint8_t> bytes;

    void u8(uint8_t v) { bytes.push_back(v); }
    void u16(uint16_t v) { put(&v, 2); }
    void u32(uint32_t v) { put(&v, 4); }
    void i32(int32_t v) { put(&v, 4); }
    void f32(float v) { put(&v, 4); }
    void cstring(const std::string& s)
    {
        bytes.insert(bytes.end(), s.begin(), s.end());
        bytes.push_back(0);
    }
    void tag(const char* four) { bytes.insert(bytes.end(), four, four + 4); }

    // A length field to be filled later: returns its position.
    size_t placeholder()
    {
        size_t at = bytes.size();
        u32(0);
        return at;
    }
    // Writes the number of bytes from `from` to the end into the placeholder at `at`.
    void patch(size_t at, size_t from)
    {
        uint32_t length = uint32_t(bytes.size() - from);
        std::memcpy(&bytes[at], &length, 4);
    }

private:
    void put(const void* v, size_t n)
    {
        // The machines we build on are little-endian, as both file formats are.
        const auto* p = static_cast<const uint8_t*>(v);
        bytes.insert(bytes.end(), p, p + n);
    }
};

}  // namespace model
