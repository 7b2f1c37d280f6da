#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <tuple>
#include <vector>

#include "fuzz/SettingsChecks.h"
#include "model/CharacterRunes.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

using Lines = std::vector<std::string>;
using Changes = std::vector<std::pair<std::size_t, const char*>>;  // line index, new text
namespace fs = std::filesystem;

Lines splitLines(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string joinLines(const Lines& lines, const char* end = "\n") {
    std::string text;
    for (const auto& line : lines) text += line + end;
    return text;
}

Lines changed(Lines lines, const Changes& changes) {
    for (const auto& [index, text] : changes) lines[index] = text;
    return lines;
}

// Index (from 0) of a slot's line in the file; field 0 is inUse, 10 the equipment mask.
std::size_t slotLine(int account, int slot, int field) {
    return static_cast<std::size_t>(6 + 90 * account + 2 + 11 * slot + field);
}

struct SettingsFileTest : ::testing::Test {
    void load(std::string_view bytes) {
        folder.write("settings.dat", bytes);
        state = ProgramState{};
        state.dataFolder = folder.path();
        loadSettings(state);
        fuzz::checkLoadedSettings(state);  // stops the run when broken
    }
    // The default account followed by "Second" on "Europe" with its character "Zed".
    static Lines twoAccountLines() {
        ProgramState source;
        source.accounts.createDefaultAccounts();
        source.accounts.addAccount("Second", "Europe", "Zed", 50, 5, 2);
        return splitLines(settingsFileText(source));
    }
    void loadWith(const Changes& changes) { load(joinLines(changed(twoAccountLines(), changes))); }
    const Account& account(std::size_t index) const { return *state.accounts.accounts()[index]; }

    testing::TempFolder folder;
    ProgramState state;
};

TEST_F(SettingsFileTest, DefaultAccountGivesTheDocumentedLines) {
    state.accounts.createDefaultAccounts();
    const std::string text = settingsFileText(state);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 96);
    EXPECT_TRUE(
        text.starts_with("1.1.3\n1\n1\nDEFAULT\nUSEast\n0\nDEFAULT\nUSEast\n"
                         "1\nDEFAULT\n99\n0\n1\n7\n3\n7FF\n7FF\n7FF\nC46007FF\n"));
    EXPECT_TRUE(text.ends_with("\n0\nENTER NAME\n99\n0\n1\n7\n3\n7FF\n7FF\n7FF\nC46007FF\n"));
}

// Whatever is written reads back the same, with LF or CR LF line ends. A free slot keeps whatever
// it holds; texts that would break the file's lines are written so that it still reads back whole.
TEST_F(SettingsFileTest, WrittenAccountsReadBackTheSameWithLfOrCrLf) {
    ProgramState source;
    AccountList& accounts = source.accounts;
    accounts.createDefaultAccounts();
    Account* second = accounts.addAccount("  spaced name ", "Europe", "Zed", 50, 5, 2);
    accounts.addCharacter(*second, "Two", 1, 6, 0);
    second->characters[1].runes = RuneSet{{0x7ff, 0, 1}};
    followRuneBits(second->characters[1]);
    const RuneSet gone{{0, 0x401, 0}};
    second->characters[5] = {{1, RuneLogic::Any, gone, 1u << 31}, false, "gone", -5, 4, 0,
                             RuneCounts::oneOfEach(gone),         {}};
    Account* third = accounts.addAccount(std::string("two\nlines\0", 10), "", "\r", 99, 0, 0);
    third->realm = "";
    third->characters[3].name = std::string("\0x", 2);
    accounts.setCurrent(second, 1);
    const std::string written = settingsFileText(source);

    for (const char* end : {"\n", "\r\n"}) {
        SCOPED_TRACE(end[0] == '\r' ? "CR LF" : "LF");
        load(joinLines(splitLines(written), end));
        EXPECT_EQ(settingsFileText(state), written);
        EXPECT_FALSE(state.settings.keepBackupBeforeSave);
        EXPECT_EQ(account(1).characters, second->characters);
        const Account& read = account(2);
        EXPECT_EQ((Lines{read.name, read.realm, read.characters[0].name, read.characters[3].name}),
                  (Lines{"two", "NoRealm", "NoName", "NoName"}));
    }
}

// Each row loads the two-account file with some lines replaced: the file saved after the load
// differs from the original only in the given lines. Bad numbers give a new slot's values.
TEST_F(SettingsFileTest, ReadValuesAreKeptAndBadOnesRepaired) {
    const auto slot = [](int index, int field) { return slotLine(0, index, field); };
    const auto zed = [](int field) { return slotLine(1, 0, field); };
    const struct {
        const char* what;
        Changes in, out;
    } rows[] = {
        {"switches 0 and 5", {{1, "0"}, {2, "5"}}, {{1, "0"}}},
        {"switches -1 (off) and unreadable (on)", {{1, "-1"}, {2, "garbage"}}, {{1, "0"}}},
        {"account in any case", {{3, "second"}, {4, "EUROPE"}}, {{3, "Second"}, {4, "Europe"}}},
        {"no current account gives the head", {{4, "Europe"}}, {}},
        {"a later account of the current name and realm wins",
         {{96, "default"}, {97, "useast"}},
         {{3, "default"}, {4, "useast"}, {96, "default"}, {97, "useast"}}},
        {"in use 2 and -1", {{slot(1, 0), "2"}, {slot(3, 0), "-1"}}, {{slot(1, 0), "1"}}},
        {"numbers that do not read or lie outside their range",
         {{slot(0, 2), "99999999999"}, {slot(0, 3), "8"}, {slot(0, 4), "-1"}, {slot(0, 6), "x"}},
         {}},
        // Written in hexadecimal and read in decimal: a value outside the range would drift.
        {"rune count and logic outside their ranges",
         {{slot(0, 5), "50"}, {slot(0, 6), "62"}, {slot(1, 5), "0"}, {slot(1, 6), "-3"}},
         {}},
        {"rune count and logic inside their ranges",
         {{slot(0, 5), "1"}, {slot(0, 6), "2"}, {slot(1, 5), "6"}, {slot(1, 6), "1"}},
         {{slot(0, 5), "1"}, {slot(0, 6), "2"}, {slot(1, 5), "6"}, {slot(1, 6), "1"}}},
        {"hexadecimal numbers",
         {{slot(0, 7), "0x7ff"}, {slot(0, 8), "  7fF"}, {slot(0, 9), "1FFFFFFFF"}},
         {}},
        {"numbers of Zed",
         {{zed(2), "-2147483648"}, {zed(3), "7"}, {zed(4), "3"}, {zed(10), "x"}},
         {{zed(2), "-2147483648"}, {zed(3), "7"}, {zed(4), "1"}}},
        // Slots 0, 2 and 4 in use, the current one is 4; the second account has none in use.
        {"slots in use become a prefix and the current character follows",
         {{slot(2, 0), "1"}, {slot(4, 0), "1"}, {slot(4, 1), "Fifth"}, {5, "4"}, {zed(0), "0"}},
         {{slot(1, 0), "1"}, {slot(2, 0), "1"}, {slot(2, 1), "Fifth"}, {5, "2"}}},
    };
    for (const auto& [what, in, out] : rows) {
        SCOPED_TRACE(what);
        loadWith(in);
        EXPECT_EQ(splitLines(settingsFileText(state)), changed(twoAccountLines(), out));
        EXPECT_FALSE(state.settings.keepBackupBeforeSave);
    }
    // A current character outside 0..7, in a free slot or not a number: load() checks the result.
    for (const char* current : {"9", "-1", "6", "x"}) loadWith({{5, current}});
}

// A file not read to its end (cut short, of another version, or unreadable) keeps what was read
// and is copied once to settings.dat.bak before the first save replaces it; when that copy fails,
// nothing is saved.
TEST_F(SettingsFileTest, FileNotReadInFullIsCopiedAsideBeforeTheFirstSave) {
    const Lines lines = twoAccountLines();
    const std::string whole = joinLines(lines);
    for (std::size_t length = 0; length < whole.size(); length += 7) load(whole.substr(0, length));
    const auto firstLines = [&](long n) { return joinLines({lines.begin(), lines.begin() + n}); };
    Lines cut = changed(lines, {{3, "Second"}, {4, "Europe"}});  // up to Zed's class line
    cut.resize(slotLine(1, 0, 3));
    for (const char* version : {"1.2.0", "2.0.0", "1.1", "garbage", "99999999999.1.3", "1.0.7"}) {
        loadWith({{0, version}});
        EXPECT_TRUE(state.accounts.size() == 1 && state.settings.keepBackupBeforeSave) << version;
    }
    const std::tuple<const char*, std::string, std::size_t, bool> rows[] = {
        {"version 1.1.9", joinLines(changed(lines, {{0, "1.1.9"}})), 2, false},
        {"header cut", firstLines(4), 1, true},
        {"account without its realm", firstLines(97), 1, true},
        {"empty line between the accounts", joinLines(changed(lines, {{96, ""}})), 1, true},
        {"empty lines after the last account", whole + "\n\r\n", 2, false},
        {"no final line feed", whole.substr(0, whole.size() - 1), 2, false},
        {"zero bytes after the last account", whole + std::string(2, '\0'), 2, false},
        {"cut inside a slot", joinLines(cut), 2, true},
    };
    for (const auto& [label, bytes, accounts, backup] : rows) {
        load(bytes);
        EXPECT_EQ(state.accounts.size(), accounts) << label;
        EXPECT_EQ(state.settings.keepBackupBeforeSave, backup) << label;
    }
    EXPECT_EQ(state.accounts.currentAccount(), &account(1));
    const Character zed{{7, RuneLogic::Complete, RuneSet::all(), 0xC46007FF},
                        true,
                        "Zed",
                        50,
                        0,
                        1,
                        RuneCounts::oneOfEach(RuneSet::all()),
                        {}};
    EXPECT_EQ(account(1).characters[0], zed);

    const std::string old = folder.read("settings.dat");
    fs::create_directories(folder.path() / "settings.dat.bak" / "blocked");
    const std::optional<SaveFailure> failed = saveSettingsFiles(state);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->result.reason(), "keeping a copy in settings.dat.bak failed: Is a directory");
    EXPECT_FALSE(folder.exists("runecounts.txt")) << "the counts must come from the same save";
    EXPECT_EQ(folder.read("settings.dat"), old);
    fs::remove_all(folder.path() / "settings.dat.bak");
    ASSERT_TRUE(saveSettings(state));  // the failed save still wants the copy
    EXPECT_EQ(folder.read("settings.dat.bak"), old);
    EXPECT_EQ(folder.read("settings.dat"), settingsFileText(state));
    ASSERT_TRUE(saveSettings(state));  // the copy is made once
    EXPECT_EQ(folder.read("settings.dat.bak"), old);
}

}  // namespace
}  // namespace sockwright
