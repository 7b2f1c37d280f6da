// Replays the kept inputs of one fuzz target, its seeds and every input that once broke it, in
// the ordinary build: a target's properties hold for each, or the test stops at the first that
// breaks one and names it.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "fuzz/FuzzTarget.h"

namespace {

namespace fs = std::filesystem;

TEST(FuzzReplay, EveryKeptInputHolds) {
    std::vector<fs::path> inputs;
    for (const auto& entry : fs::directory_iterator(SOCKWRIGHT_FUZZ_INPUTS)) {
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    ASSERT_FALSE(inputs.empty()) << SOCKWRIGHT_FUZZ_INPUTS;
    for (const fs::path& input : inputs) {
        std::ifstream in(input, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                              std::istreambuf_iterator<char>()};
        // A block of exactly the input's size, so that a sanitized build catches a read past it.
        const auto block = std::make_unique<std::uint8_t[]>(bytes.size());
        std::copy(bytes.begin(), bytes.end(), block.get());
        const std::string name = input.string();
        sockwright::fuzz::replayedInput = name.c_str();
        LLVMFuzzerTestOneInput(block.get(), bytes.size());
    }
    sockwright::fuzz::replayedInput = nullptr;
}

}  // namespace
