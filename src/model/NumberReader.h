#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/VersionTriple.h"

namespace sockwright {

// Number readers for the data files. They read only inside the given text (a line or a field),
// so a number can never run on into the next line, and they never overflow.

// What a reader does with a number that does not fit in 32 bits.
enum class Overflow {
    Saturate,  // a decimal becomes the nearest limit; a hexadecimal keeps its low 32 bits
    Fail,      // the number does not read (nor does a hexadecimal with a minus sign)
};

// A decimal number: optional blanks (space or tab), an optional sign, at least one digit.
// On success the position moves past the last digit; on failure neither the position nor the
// value changes.
bool readDecimal(std::string_view text, std::size_t& position, std::int32_t& value,
                 Overflow overflow = Overflow::Saturate);

// A hexadecimal number: optional blanks, an optional sign, an optional "0x" or "0X" prefix, at
// least one hexadecimal digit in either case. A minus sign negates the value. Position and value
// change as with readDecimal.
bool readHexadecimal(std::string_view text, std::size_t& position, std::uint32_t& value,
                     Overflow overflow = Overflow::Saturate);

// Reads "major.minor.build" from the start of a line, storing each number as soon as it has
// read; returns how many of the three read.
int readVersion(std::string_view line, VersionTriple& version);

// Moves the position past blanks (space or tab).
void skipBlanks(std::string_view text, std::size_t& position);

}  // namespace sockwright
