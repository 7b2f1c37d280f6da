#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/VersionTriple.h"

namespace sockwright {

// The header of an answer must end within its first 2048 bytes; a version answer is read no
// further than that.
inline constexpr std::size_t kAnswerWindow = 2048;

// Where the body of an answer begins: just after its first "\r\n\r\n", when those four bytes lie
// within the answer's first 2048 bytes.
std::optional<std::size_t> findBodyStart(std::string_view answer);

// The body length a header announces in a Content-Length line, if it holds one that reads.
std::optional<std::uint64_t> announcedBodyLength(std::string_view header);

// The answer to a version request, taken as it arrives. Only its first 2048 bytes count.
class VersionAnswer {
  public:
    // Keeps what still fits; false once nothing more is wanted.
    bool take(std::string_view bytes);
    // The numbers its body reads over `start`, or nothing when the header never ended.
    std::optional<VersionTriple> version(VersionTriple start) const;

  private:
    std::string kept_;
};

// The answer to a file request, taken as it arrives: the header is held back until it ends and
// everything after it is the file, unchanged.
class FileAnswer {
  public:
    // Appends the body bytes among `bytes` to `body`. False when the header did not end within
    // the answer's first 2048 bytes: the answer is no use.
    bool take(std::string_view bytes, std::string& body);
    // Whether the whole file has arrived once the server closed: the header ended and the body
    // is at least as long as the header said it would be.
    bool complete() const;

  private:
    std::string header_;
    bool inBody_ = false;
    std::optional<std::uint64_t> announcedLength_;
    std::uint64_t bodyLength_ = 0;
};

}  // namespace sockwright
