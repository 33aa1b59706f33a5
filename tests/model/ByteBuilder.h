#pragma once

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace wexa::testing {

using Bytes = std::vector<unsigned char>;

// Builds expected file content by hand, independently of the writer under
// test. Strings are given as their bytes on disk, always with a one-byte
// length (the longer forms are tested literally).
class ByteBuilder {
public:
    ByteBuilder& Raw(std::initializer_list<unsigned char> bytes) {
        bytes_.insert(bytes_.end(), bytes);
        return *this;
    }
    ByteBuilder& Int(std::int32_t value) { return Little(std::bit_cast<std::uint32_t>(value), 4); }
    ByteBuilder& Real(double value) { return Little(std::bit_cast<std::uint64_t>(value), 8); }
    ByteBuilder& Text(std::string_view onDisk) {
        bytes_.push_back(static_cast<unsigned char>(onDisk.size()));
        bytes_.insert(bytes_.end(), onDisk.begin(), onDisk.end());
        return *this;
    }
    [[nodiscard]] const Bytes& Get() const { return bytes_; }

private:
    ByteBuilder& Little(std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes_.push_back(static_cast<unsigned char>(value >> (8 * i)));
        }
        return *this;
    }

    Bytes bytes_;
};

} // namespace wexa::testing
