#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sockwright::savefile {

// A little-endian 32-bit number at a byte offset the caller has checked to lie in the bytes.
inline std::uint32_t littleEndian(std::string_view bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= std::uint32_t{static_cast<unsigned char>(bytes[offset + i])} << (8 * i);
    }
    return value;
}

// The checksum a character file carries at byte 12, computed with those four bytes as zero.
inline std::uint32_t saveFileChecksum(std::string_view bytes) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::uint32_t byte = i >= 12 && i < 16 ? 0 : static_cast<unsigned char>(bytes[i]);
        sum = ((sum << 1) | (sum >> 31)) + byte;
    }
    return sum;
}

}  // namespace sockwright::savefile
