#pragma once

// What every fuzz target shares. A target is written as FUZZ_TARGET(bytes) { ... } and checks
// properties with FUZZ_CHECK; a broken one stops the process, which libFuzzer keeps as a crash
// and the replay reports as a failure.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/RuneFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace sockwright::fuzz {

// The kept input being replayed, named in a failure; null under libFuzzer, which names it itself.
inline const char* replayedInput = nullptr;

[[noreturn]] inline void fail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, condition);
    if (replayedInput) std::fprintf(stderr, "input: %s\n", replayedInput);
    std::abort();
}

// The bytes with a carriage return before every line feed.
inline std::string withCrLf(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// Whether the bytes read the same with CR LF line ends: no carriage return and no zero byte, and
// no empty line, which ends reading in an LF file but not in its CR LF form.
inline bool hasPlainLines(std::string_view bytes) {
    return bytes.find_first_of(std::string_view("\r\0", 2)) == std::string_view::npos &&
           !bytes.starts_with('\n') && bytes.find("\n\n") == std::string_view::npos;
}

// All 33 runes, rune n of level n, for the runeword readers.
inline const RuneTable& fullRuneTable() {
    static const RuneTable table = [] {
        std::string contents;
        for (int n = 1; n <= kRuneCount; ++n)
            contents += "R" + std::to_string(n) + ":" + std::to_string(n) + ":W:A:S\n";
        return parseRuneFile(contents);
    }();
    return table;
}

}  // namespace sockwright::fuzz

// The entry point of a target, whose body sees the input as a std::string_view named `bytes`.
#define FUZZ_TARGET(bytes)                                                              \
    namespace sockwright::fuzz {                                                        \
    void fuzzOne(std::string_view bytes);                                               \
    }                                                                                   \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
        sockwright::fuzz::fuzzOne({reinterpret_cast<const char*>(data), size});         \
        return 0;                                                                       \
    }                                                                                   \
    void sockwright::fuzz::fuzzOne(std::string_view bytes)

#define FUZZ_CHECK(condition) \
    ((condition) ? void() : ::sockwright::fuzz::fail(#condition, __FILE__, __LINE__))
