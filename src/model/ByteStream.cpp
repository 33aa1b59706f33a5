#include "model/ByteStream.h"

#include "model/TextEncoding.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace wexa {
namespace {

constexpr std::uint8_t kLongPrefix = 0xFF;
constexpr std::uint16_t kWidePrefix = 0xFFFE;
constexpr std::uint16_t kVeryLongPrefix = 0xFFFF;
constexpr std::size_t kLongestShortString = 254;
constexpr std::size_t kLongestMediumString = 65533;

} // namespace

bool ByteReader::Fail() {
    failed_ = true;
    return false;
}

bool ByteReader::Take(std::size_t count, std::span<const unsigned char>& taken) {
    if (failed_ || count > Remaining()) {
        return Fail();
    }
    taken = bytes_.subspan(position_, count);
    position_ += count;
    return true;
}

bool ByteReader::ReadUnsigned(std::size_t size, std::uint64_t& value) {
    std::span<const unsigned char> taken;
    if (!Take(size, taken)) {
        return false;
    }
    std::uint64_t assembled = 0;
    for (std::size_t i = 0; i < size; ++i) {
        assembled |= std::uint64_t{taken[i]} << (8 * i);
    }
    value = assembled;
    return true;
}

bool ByteReader::Read(std::int32_t& value) {
    std::uint64_t raw = 0;
    if (!ReadUnsigned(4, raw)) {
        return false;
    }
    value = std::bit_cast<std::int32_t>(static_cast<std::uint32_t>(raw));
    return true;
}

bool ByteReader::Read(double& value) {
    std::uint64_t raw = 0;
    if (!ReadUnsigned(8, raw)) {
        return false;
    }
    value = std::bit_cast<double>(raw);
    return true;
}

bool ByteReader::ReadPrefix(Prefix& prefix, bool wideAllowed) {
    std::uint64_t raw = 0;
    if (!ReadUnsigned(1, raw)) {
        return false;
    }
    if (raw != kLongPrefix) {
        prefix = {static_cast<std::uint32_t>(raw), false};
        return true;
    }
    if (!ReadUnsigned(2, raw)) {
        return false;
    }
    if (raw == kWidePrefix) {
        // The wide marker announces one ordinary prefix; a second marker
        // inside it has no meaning.
        if (!wideAllowed || !ReadPrefix(prefix, false)) {
            return Fail();
        }
        prefix.wide = true;
        return true;
    }
    if (raw == kVeryLongPrefix && !ReadUnsigned(4, raw)) {
        return false;
    }
    prefix = {static_cast<std::uint32_t>(raw), false};
    return true;
}

bool ByteReader::Read(std::string& value) {
    Prefix prefix;
    if (!ReadPrefix(prefix, true)) {
        return false;
    }
    // Checked against what is left before anything is allocated, so a prefix
    // claiming gigabytes costs nothing. Dividing keeps the check free of
    // overflow where size_t has 32 bits.
    const std::size_t unitSize = prefix.wide ? 2 : 1;
    if (prefix.length > Remaining() / unitSize) {
        return Fail();
    }
    std::span<const unsigned char> taken;
    if (!Take(prefix.length * unitSize, taken)) {
        return false;
    }
    if (!prefix.wide) {
        value = Windows1252ToUtf8(
            std::string_view(reinterpret_cast<const char*>(taken.data()), taken.size()));
        return true;
    }
    std::u16string units(prefix.length, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(taken[2 * i] | (taken[2 * i + 1] << 8));
    }
    value = Utf16ToUtf8(units);
    return true;
}

void ByteWriter::WriteUnsigned(std::uint64_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        bytes_.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
    }
}

void ByteWriter::Write(std::int32_t value) {
    WriteUnsigned(std::bit_cast<std::uint32_t>(value), 4);
}

void ByteWriter::Write(double value) {
    WriteUnsigned(std::bit_cast<std::uint64_t>(value), 8);
}

void ByteWriter::Write(std::string_view utf8) {
    const std::string encoded = Utf8ToWindows1252(utf8);
    // The format has no way to say more than 2^32 - 1 bytes; a longer string
    // is cut there so the stream stays readable. The file writer refuses
    // projects of that size long before this matters.
    const std::size_t length =
        std::min<std::size_t>(encoded.size(), std::numeric_limits<std::uint32_t>::max());
    if (length <= kLongestShortString) {
        WriteUnsigned(length, 1);
    } else if (length <= kLongestMediumString) {
        WriteUnsigned(kLongPrefix, 1);
        WriteUnsigned(length, 2);
    } else {
        WriteUnsigned(kLongPrefix, 1);
        WriteUnsigned(kVeryLongPrefix, 2);
        WriteUnsigned(length, 4);
    }
    bytes_.insert(bytes_.end(), encoded.begin(),
                  encoded.begin() + static_cast<std::ptrdiff_t>(length));
}

} // namespace wexa
