#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wexa {

// Little-endian values and length-prefixed 8-bit strings over a byte buffer,
// as the project file stores them. Values are assembled byte by byte, so the
// host's byte order and alignment never matter.
//
// String length prefix: n <= 254 is one byte; 255..65533 is 0xFF and a 16-bit
// n; anything longer is 0xFF, 0xFFFF and a 32-bit n. Text is Windows-1252 on
// disk and UTF-8 in memory.

// Reads from a buffer it does not own. Every length is checked against the
// bytes left before anything is allocated. The first failure sticks: that
// read and every later one return false and leave their target unchanged.
class ByteReader {
public:
    explicit ByteReader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    [[nodiscard]] bool Read(std::int32_t& value);
    [[nodiscard]] bool Read(double& value);
    // Accepts the 8-bit form and also the wide form (0xFF, 0xFFFE, a second
    // prefix counting UTF-16 units, then the units); both come out as UTF-8.
    [[nodiscard]] bool Read(std::string& value);

    [[nodiscard]] std::size_t Remaining() const { return bytes_.size() - position_; }

private:
    struct Prefix {
        std::uint32_t length = 0;
        bool wide = false;
    };

    bool ReadPrefix(Prefix& prefix, bool wideAllowed);
    bool Take(std::size_t count, std::span<const unsigned char>& taken);
    bool ReadUnsigned(std::size_t size, std::uint64_t& value);
    bool Fail();

    std::span<const unsigned char> bytes_;
    std::size_t position_ = 0;
    bool failed_ = false;
};

// Appends to a buffer it owns. Strings are always written in the 8-bit form.
class ByteWriter {
public:
    void Write(std::int32_t value);
    void Write(double value);
    void Write(std::string_view utf8);

    [[nodiscard]] const std::vector<unsigned char>& Bytes() const { return bytes_; }
    [[nodiscard]] std::vector<unsigned char> TakeBytes() { return std::move(bytes_); }

private:
    void WriteUnsigned(std::uint64_t value, std::size_t size);

    std::vector<unsigned char> bytes_;
};

} // namespace wexa
