#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sockwright {

// Number readers for the data files. They read only inside the given text (a line or a field),
// so a number can never run on into the next line, and they never overflow.

// A decimal number: optional blanks (space or tab), an optional sign, at least one digit.
// A value beyond the 32-bit range becomes the nearest limit. On success the position moves past
// the last digit; on failure neither the position nor the value changes.
bool readDecimal(std::string_view text, std::size_t& position, std::int32_t& value);

// A hexadecimal number: optional blanks, an optional sign, an optional "0x" or "0X" prefix, at
// least one hexadecimal digit in either case. Only the low 32 bits are kept, and a minus sign
// negates them. Position and value change as with readDecimal.
bool readHexadecimal(std::string_view text, std::size_t& position, std::uint32_t& value);

// Moves the position past blanks (space or tab).
void skipBlanks(std::string_view text, std::size_t& position);

}  // namespace sockwright
