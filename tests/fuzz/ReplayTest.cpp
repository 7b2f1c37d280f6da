// Replays the kept inputs of one fuzz target, its seeds and every input that once broke it, in
// the ordinary build: a target's properties hold for each, or the run stops at the first that
// breaks one and names it. The folder of inputs is the one argument.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "fuzz/FuzzTarget.h"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (argc != 2 || !fs::is_directory(argv[1])) {
        std::fprintf(stderr, "usage: %s FOLDER_OF_INPUTS\n", argv[0]);
        return 2;
    }
    std::vector<fs::path> inputs;
    for (const auto& entry : fs::directory_iterator(argv[1]))
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& input : inputs) {
        std::ifstream in(input, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        // A block of exactly the input's size, so that a sanitized build catches a read past it.
        const auto block = std::make_unique<std::uint8_t[]>(bytes.size());
        std::copy(bytes.begin(), bytes.end(), block.get());
        const std::string name = input.string();
        sockwright::fuzz::replayedInput = name.c_str();
        LLVMFuzzerTestOneInput(block.get(), bytes.size());
    }
    std::printf("%zu inputs hold\n", inputs.size());
    return inputs.empty() ? 1 : 0;
}
