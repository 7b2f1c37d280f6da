#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sockwright::savefile {

// Reads fields of the save format's bit stream: least significant bit first within a byte,
// bytes in order, the first bit read being a field's lowest. Every read is checked against the
// end of the bytes; reading past it throws SaveFileError.
class BitReader {
  public:
    explicit BitReader(std::string_view bytes, std::size_t byteOffset = 0)
        : bytes_(bytes), position_(byteOffset * 8) {}
    // The reader keeps no copy: the bytes must outlive it.
    BitReader(std::string&&, std::size_t = 0) = delete;

    // A field of up to 32 bits.
    std::uint32_t read(int bits);
    // The next bits without moving on; bits past the end read as 0.
    std::uint32_t peek(int bits) const;
    void skip(std::size_t bits);
    // Moves on to the next byte boundary (nowhere when on one).
    void align() { position_ = (position_ + 7) / 8 * 8; }

    // Whole little-endian bytes from a byte boundary, and an expected pair of marker letters.
    std::uint32_t readBytes(int count) { return read(count * 8); }
    void expectMarker(const char (&marker)[3]);

    std::size_t bitPosition() const { return position_; }
    std::size_t bytePosition() const { return position_ / 8; }
    std::size_t bitsLeft() const { return bytes_.size() * 8 - position_; }
    bool atEnd() const { return position_ >= bytes_.size() * 8; }

  private:
    std::string_view bytes_;
    std::size_t position_;
};

}  // namespace sockwright::savefile
