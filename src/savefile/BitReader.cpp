#include "savefile/BitReader.h"

#include <string>

#include "savefile/SaveFileError.h"

namespace sockwright::savefile {

std::uint32_t BitReader::peek(int bits) const {
    // Up to 32 bits starting anywhere in a byte span at most five bytes.
    std::uint64_t word = 0;
    const std::size_t first = position_ / 8;
    for (std::size_t i = 0; i < 5 && first + i < bytes_.size(); ++i) {
        word |= std::uint64_t{static_cast<unsigned char>(bytes_[first + i])} << (8 * i);
    }
    word >>= position_ % 8;
    return static_cast<std::uint32_t>(word & ((std::uint64_t{1} << bits) - 1));
}

void BitReader::skip(std::size_t bits) {
    if (bits > bitsLeft()) {
        throw SaveFileError("the file ends early, at byte " + std::to_string(bytes_.size()));
    }
    position_ += bits;
}

std::uint32_t BitReader::read(int bits) {
    const std::uint32_t value = peek(bits);
    skip(static_cast<std::size_t>(bits));
    return value;
}

void BitReader::expectMarker(const char (&marker)[3]) {
    const std::size_t at = bytePosition();
    const std::uint32_t expected = static_cast<unsigned char>(marker[0]) |
                                   static_cast<std::uint32_t>(static_cast<unsigned char>(marker[1]))
                                       << 8;
    if (bitsLeft() < 16 || read(16) != expected) {
        throw SaveFileError(std::string("no \"") + marker + "\" section at byte " +
                            std::to_string(at));
    }
}

}  // namespace sockwright::savefile
