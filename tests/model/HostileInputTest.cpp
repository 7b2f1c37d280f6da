#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "model/LineReader.h"
#include "model/RealmFileReader.h"
#include "model/RuneFileReader.h"
#include "model/RunewordFileReader.h"

namespace sockwright {
namespace {

// The bytes in a heap block of exactly their size, so that the address sanitizer catches a
// read even one byte past the end.
class ExactBuffer {
public:
    explicit ExactBuffer(std::string_view bytes)
        : data_(new char[bytes.empty() ? 1 : bytes.size()]), size_(bytes.size()) {
        if (!bytes.empty()) std::memcpy(data_.get(), bytes.data(), bytes.size());
    }
    std::string_view view() const { return {data_.get(), size_}; }

private:
    std::unique_ptr<char[]> data_;
    std::size_t size_;
};

RuneTable fullRuneTable() {
    std::string contents;
    for (int n = 1; n <= kRuneCount; ++n) contents += "R:" + std::to_string(n) + "\n";
    return parseRuneFile(contents);
}

RunewordFileParse runewords(std::string_view bytes) {
    static const RuneTable table = fullRuneTable();
    return parseRunewordFile(ExactBuffer(bytes).view(), table);
}
RuneTable runes(std::string_view bytes) { return parseRuneFile(ExactBuffer(bytes).view()); }
RealmList realms(std::string_view bytes) { return parseRealmFile(ExactBuffer(bytes).view()); }

std::vector<std::string> lines(std::string_view bytes) {
    const ExactBuffer buffer(bytes);
    std::vector<std::string> read;
    std::size_t position = 0;
    std::string text;
    while (readLine(buffer.view(), position, text)) read.push_back(text);
    return read;
}

using Lines = std::vector<std::string>;

TEST(HostileInputTest, EmptyInputReadsNothing) {
    EXPECT_EQ(runes("").filledCount(), 0);
    const RunewordFileParse parse = runewords("");
    EXPECT_EQ(parse.versionNumbersRead, 0);
    EXPECT_FALSE(parse.runewords);
    EXPECT_FALSE(parse.corrupt);
    EXPECT_TRUE(realms("").empty());

    std::size_t position = 0;
    std::string text = "kept";
    EXPECT_FALSE(readLine(ExactBuffer("").view(), position, text));
    EXPECT_EQ(position, 0u);
    EXPECT_EQ(text, "kept");
}

TEST(HostileInputTest, InputCutShortReadsWhatIsThere) {
    const RuneTable cut = runes("El:11:a:b:c\nEld:1");
    ASSERT_EQ(cut.filledCount(), 2);
    EXPECT_EQ(cut.find(2)->level, 1);
    EXPECT_EQ(cut.find(2)->weaponsText, "?");

    const std::string entry = "1.0.0\nA\n0x1\n1 2\nProp\n\n";
    EXPECT_TRUE(runewords(entry + "B").corrupt);
    EXPECT_TRUE(runewords(entry + "B\n0x").corrupt);
    const RunewordFileParse noRunes = runewords(entry + "B\n0x4");
    ASSERT_EQ(noRunes.runewords->size(), 2u);
    EXPECT_EQ(noRunes.runewords->back().runeCount, -1);
    EXPECT_EQ(runewords(entry + "B\n0x4\n3 1").runewords->back().runeCount, 2);
    EXPECT_EQ(runewords("1.0.\n").versionNumbersRead, 2);

    EXPECT_EQ(realms("USEast\nEuro"), (RealmList{"USEast", "Euro"}));
    EXPECT_EQ(lines("a\r\nb\r"), (Lines{"a", "b\r"}));
}

TEST(HostileInputTest, CarriageReturnOnlyLines) {
    const RuneTable blank = runes("\r\n\r\n");
    ASSERT_EQ(blank.filledCount(), 2);
    EXPECT_EQ(blank.find(2)->name, "");
    // A carriage return without a line feed does not end a line.
    EXPECT_EQ(runes("A:1\rB:2\r").find(1)->name, "A");
    EXPECT_EQ(runes("A:1\rB:2\r").filledCount(), 1);

    EXPECT_EQ(runewords("1.0.0\r\nA\r\n0x1\r\n1\r\n\r\n").runewords->size(), 1u);
    EXPECT_TRUE(runewords("1.0.0\r\nA\r\n0x1\r\n1\r\n\r\n\r\n").corrupt);
    const RunewordFileParse macLines = runewords("1.0.0\rA\r0x1\r1\r");
    EXPECT_EQ(macLines.versionNumbersRead, 0);
    EXPECT_FALSE(macLines.runewords);

    EXPECT_EQ(realms("\r\n\r\nX\r\n"), (RealmList{"", "", "X"}));
    EXPECT_EQ(realms("\r\r\r"), RealmList{"\r\r\r"});
    EXPECT_EQ(lines("\r\n\r\n"), (Lines{"", ""}));
}

TEST(HostileInputTest, TenMegabyteLines) {
    const std::size_t size = 10 * 1024 * 1024;
    const std::string huge(size, 'A');
    const std::string nines(size, '9');

    EXPECT_EQ(runes(huge).find(1)->name.size(), size);
    EXPECT_EQ(runes("El:" + nines).find(1)->level, 2147483647);
    EXPECT_EQ(runes("El:-" + nines).find(1)->level, -2147483647 - 1);

    std::string ones;
    for (std::size_t i = 0; i < size / 2; ++i) ones += "7 ";
    const RunewordFileParse parse =
        runewords("1.0.0\n" + huge + "\n0x" + std::string(size, 'f') + "\n" + ones + "\n" + huge + "\n");
    ASSERT_TRUE(parse.runewords);
    const Runeword& runeword = parse.runewords->front();
    EXPECT_EQ(runeword.name.size(), size);
    EXPECT_EQ(runeword.equipmentMask, 0xFFFFFFFFu);
    EXPECT_EQ(runeword.runeCount, 6);
    EXPECT_EQ(runeword.properties.size(), size + 1);
    const RunewordFileParse version = runewords(nines + "\nA\n0x1\n1\n");
    EXPECT_EQ(version.versionNumbersRead, 1);
    EXPECT_EQ(version.version.major, 2147483647);

    EXPECT_EQ(realms(huge + "\nB").size(), 2u);
    EXPECT_EQ(lines(huge).front().size(), size);
}

TEST(HostileInputTest, NulAndHighBytesAreOrdinaryTextInRunesAndRunewords) {
    const std::string nul(1, '\0');
    const RuneTable table = runes("E" + nul + "l:\xff" "3:\x80:" + nul + ":\xfe\n");
    EXPECT_EQ(table.find(1)->name, "E" + nul + "l");
    EXPECT_EQ(table.find(1)->level, 1);
    EXPECT_EQ(table.find(1)->armourText, nul);

    const RunewordFileParse parse = runewords("1.0.0\n\xff" + nul + "\n0x1" + nul + "2\n3" + nul + "4\n" + nul + "\n\n");
    ASSERT_TRUE(parse.runewords);
    EXPECT_EQ(parse.runewords->front().name, "\xff" + nul);
    EXPECT_EQ(parse.runewords->front().equipmentMask, 1u);
    EXPECT_EQ(parse.runewords->front().runeCount, 1);
    EXPECT_EQ(parse.runewords->front().properties, nul + "\n");

    // The line reader ends a line at a zero byte, and a zero byte first ends the list.
    EXPECT_EQ(realms("US" + nul + "East\n\xff\xfe\n"), (RealmList{"US", "East", "\xff\xfe"}));
    EXPECT_EQ(realms(nul + "USEast\n"), RealmList{});
}

TEST(HostileInputTest, ManyEntriesAndNumbers) {
    std::string entries = "1.0.0\n";
    std::string names;
    for (int i = 0; i < 5000; ++i) {
        entries += "W\n0x1\n1 2\nP\n\n";
        names += "R" + std::to_string(i) + "\n";
    }
    EXPECT_EQ(runewords(entries).runewords->size(), 1000u);
    EXPECT_EQ(runes(names).filledCount(), kRuneCount);
    EXPECT_EQ(realms(names).size(), 5000u);
    EXPECT_EQ(lines(names).size(), 5000u);

    std::string hundred;
    for (int i = 1; i <= 100; ++i) hundred += std::to_string(i % 33 + 1) + " ";
    const Runeword runeword = runewords("1.0.0\nA\n0x1\n" + hundred + "\n\n").runewords->front();
    EXPECT_EQ(runeword.runeCount, 6);
    EXPECT_EQ(runeword.runes[5], 7);
    EXPECT_EQ(runeword.properties, "");
}

// Random files made of the bytes that matter to the readers: no crash, no read outside the
// buffer, and results that keep their limits.
TEST(HostileInputTest, RandomInputKeepsEveryResultInItsLimits) {
    const std::string alphabet = std::string("0x1Xf9 \t\r\n:.-+A\xff", 16) + std::string(1, '\0');
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes(random() % 300, ' ');
        for (char& byte : bytes) byte = alphabet[random() % alphabet.size()];
        if (round % 2 == 0) bytes.insert(0, "1.0.0\n");
        SCOPED_TRACE(round);

        EXPECT_LE(runes(bytes).filledCount(), kRuneCount);
        const RunewordFileParse parse = runewords(bytes);
        if (parse.runewords) {
            EXPECT_FALSE(parse.corrupt);
            EXPECT_LE(parse.runewords->size(), kMaxRunewords);
            for (const Runeword& runeword : *parse.runewords) {
                EXPECT_GE(runeword.runeCount, -1);
                EXPECT_LE(runeword.runeCount, kMaxRunesPerRuneword);
                EXPECT_GE(runeword.requiredLevel, 1);
                for (std::uint32_t row : runeword.runeSet.rows) EXPECT_EQ(row & ~kWholeRuneRow, 0u);
                EXPECT_EQ(runeword.equipmentText, equipmentText(runeword.equipmentMask));
            }
        }
        for (const std::string& realm : realms(bytes)) {
            EXPECT_EQ(realm.find('\n'), std::string::npos);
            EXPECT_EQ(realm.find('\0'), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace sockwright
