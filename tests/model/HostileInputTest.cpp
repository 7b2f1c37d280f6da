#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <utility>

#include "model/RealmFileReader.h"
#include "model/RuneFileReader.h"
#include "model/RunewordFileReader.h"
#include "model/SettingsFile.h"

namespace sockwright {
namespace {

// Runs every reader over the bytes: no crash, no read outside the buffer, results in their limits.
void readWithEveryReader(std::string_view bytes) {
    static const RuneTable runeTable = [] {
        std::string contents;
        for (int n = 1; n <= kRuneCount; ++n) contents += "R:" + std::to_string(n) + "\n";
        return parseRuneFile(contents);
    }();
    // A heap block of exactly the file's size: the address sanitizer catches a read one byte past.
    const auto block = std::make_unique<char[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), block.get());
    const std::string_view view(block.get(), bytes.size());

    EXPECT_LE(parseRuneFile(view).filledCount(), kRuneCount);
    if (const RunewordFileParse parse = parseRunewordFile(view, runeTable); parse.runewords) {
        EXPECT_LE(parse.runewords->size(), kMaxRunewords);
        for (const Runeword& runeword : *parse.runewords) {
            EXPECT_TRUE(runeword.runeCount >= -1 && runeword.runeCount <= kMaxRunesPerRuneword);
            EXPECT_GE(runeword.requiredLevel, 1);
            for (std::uint32_t row : runeword.runeSet.rows) EXPECT_EQ(row & ~kWholeRuneRow, 0u);
        }
    }
    for (const std::string& realm : parseRealmFile(view)) {
        EXPECT_EQ(realm.find_first_of(std::string_view("\n\0", 2)), std::string::npos);
    }
    ProgramState state;
    std::size_t position = 0;
    readSettingsBody(view, position, state);
    EXPECT_LE(position, view.size() + 1);
}

// Files cut short, huge, binary or without line ends, then random files made of the bytes that
// matter to the readers.
TEST(HostileInputTest, EveryReaderCopesWithHostileFiles) {
    const std::size_t size = 1024 * 1024;
    const std::string huge(10 * size, 'A'), nines(size, '9'), nul(1, '\0');
    const std::string entry = "1.1.3\nA\n0x1\n1 2\nProp\n\n";
    const std::pair<const char*, std::string> files[] = {
        {"empty", ""},
        {"cut inside an entry", entry + "B\n0x"},
        {"cut after the equipment line", entry + "B\n0x4"},
        {"old Mac line ends", "1.1.3\rA\r0x1\r1 2\r\r"},
        {"ten-megabyte line", huge},
        {"long entry lines", "1.1.3\n" + nines + "\n0x" + nines + "\n" + nines + "\n" + huge},
        {"huge numbers", nines + "\n" + nines + ":-" + nines + "\n0x" + nines + "\n-" + nines},
        {"zero and high bytes", "1.1.3\n\xff" + nul + "\n0x1" + nul + "2\n3" + nul + "4\n" + nul},
    };
    for (const auto& [label, bytes] : files) {
        SCOPED_TRACE(label);
        readWithEveryReader(bytes);
    }
    const std::string alphabet = std::string("0x1Xf9 \t\r\n:.-+A\xff", 16) + std::string(1, '\0');
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes(random() % 300, ' ');
        for (char& byte : bytes) byte = alphabet[random() % alphabet.size()];
        if (round % 2 == 0) bytes.insert(0, "1.1.3\n");
        SCOPED_TRACE(round);
        readWithEveryReader(bytes);
    }
}

}  // namespace
}  // namespace sockwright
