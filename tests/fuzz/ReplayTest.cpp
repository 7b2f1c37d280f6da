// Replays the kept inputs of one fuzz target, its seeds and every input that once broke it, in
// the ordinary build: a target's properties hold for each, or the test stops at the first that
// breaks one and names it. The folder of inputs is the one argument.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "fuzz/FuzzTarget.h"

namespace {

namespace fs = std::filesystem;

fs::path inputsFolder;

TEST(FuzzReplay, EveryKeptInputHolds) {
    std::vector<fs::path> inputs;
    for (const auto& entry : fs::directory_iterator(inputsFolder)) {
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    ASSERT_FALSE(inputs.empty()) << inputsFolder;
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

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER_OF_INPUTS\n", argv[0]);
        return 2;
    }
    inputsFolder = argv[1];
    return RUN_ALL_TESTS();
}
