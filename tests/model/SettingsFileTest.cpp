#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <tuple>
#include <vector>

#include "model/CharacterClass.h"
#include "model/SettingsFile.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

using testing::TempFolder;
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

// Index (from 0) of a slot's line in the file; field 0 is inUse, 10 the equipment mask.
std::size_t slotLine(int account, int slot, int field) {
    return static_cast<std::size_t>(6 + 90 * account + 2 + 11 * slot + field);
}

// What the rest of the program relies on after any load.
void expectInvariants(const AccountList& accounts) {
    ASSERT_GE(accounts.indexOf(accounts.currentAccount()), 0);
    for (const auto& account : accounts.accounts()) {
        const int inUse = account->charactersInUse();
        for (int slot = 0; slot < kCharacterSlots; ++slot) {
            const Character& character = account->characters[slot];
            EXPECT_EQ(character.inUse, slot < std::max(inUse, 1));
            EXPECT_TRUE(isCharacterClass(character.characterClass));
            EXPECT_TRUE(isCharacterType(character.characterType));
        }
    }
    ASSERT_TRUE(accounts.currentCharacter() >= 0 && accounts.currentCharacter() < kCharacterSlots);
    EXPECT_TRUE(accounts.currentCharacterRecord().inUse);
}

class SettingsFileTest : public ::testing::Test {
  protected:
    SettingsFileTest() { state.dataFolder = folder.path(); }

    void load(std::string_view bytes) {
        folder.write("settings.dat", bytes);
        state = ProgramState{};
        state.dataFolder = folder.path();
        loadSettings(state);
        expectInvariants(state.accounts);
    }
    // The default account followed by "Second" on "Europe" with its character "Zed".
    static Lines twoAccountLines() {
        ProgramState source;
        source.accounts.createDefaultAccounts();
        source.accounts.addAccount("Second", "Europe", "Zed", 50, 5, 2);
        return splitLines(settingsFileText(source));
    }
    // Loads twoAccountLines() with some lines, by index, replaced.
    void loadWith(const Changes& changes) {
        Lines lines = twoAccountLines();
        for (const auto& [index, text] : changes) lines[index] = text;
        load(joinLines(lines));
    }
    const Account& account(std::size_t index) const { return *state.accounts.accounts()[index]; }

    TempFolder folder;
    ProgramState state;
};

TEST_F(SettingsFileTest, DefaultAccountGivesTheDocumentedLines) {
    state.accounts.createDefaultAccounts();
    const std::string text = settingsFileText(state);
    ASSERT_EQ(text.back(), '\n');
    const Lines lines = splitLines(text);
    ASSERT_EQ(lines.size(), 96u);
    const Lines start{"1.1.3",  "1",   "1",       "DEFAULT", "USEast",  "0", "DEFAULT",
                      "USEast", "1",   "DEFAULT", "99",      "0",       "1", "7",
                      "3",      "7FF", "7FF",     "7FF",     "C46007FF"};
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 19), start);
    const Lines freeSlot{"0", "ENTER NAME", "99",  "0",   "1",       "7",
                         "3", "7FF",        "7FF", "7FF", "C46007FF"};
    EXPECT_EQ(Lines(lines.end() - 11, lines.end()), freeSlot);
}

TEST_F(SettingsFileTest, SavedAccountsReadBackTheSameWithLfOrCrLf) {
    AccountList& accounts = state.accounts;
    accounts.createDefaultAccounts();
    Account* second = accounts.addAccount("  spaced name ", "Europe", "Zed", 50, 5, 2);
    accounts.addCharacter(*second, "Two", 1, 6, 0);
    second->characters[1].runes = RuneSet{{0x7ff, 0, 1}};
    // A free slot keeps whatever it holds.
    second->characters[5] = {false, "gone", -5, 4, 0, 1, RuneLogic::Any, {{0, 0x401, 0}}, 1u << 31};
    accounts.addAccount("Third", "Asia", "Me", 99, 0, 0);
    accounts.setCurrent(second, 1);
    state.settings.checkForUpdates = false;
    ASSERT_TRUE(saveSettings(state));
    const std::string written = folder.read("settings.dat");
    std::vector<std::array<Character, kCharacterSlots>> slots;
    for (const auto& held : accounts.accounts()) slots.push_back(held->characters);

    for (const char* end : {"\n", "\r\n"}) {
        SCOPED_TRACE(end[0] == '\r' ? "CR LF" : "LF");
        load(joinLines(splitLines(written), end));
        EXPECT_EQ(settingsFileText(state), written);
        for (std::size_t i = 0; i < slots.size(); ++i) EXPECT_EQ(account(i).characters, slots[i]);
        EXPECT_EQ(state.accounts.currentAccount(), &account(1));
        EXPECT_EQ(state.accounts.currentCharacter(), 1);
        EXPECT_FALSE(state.settings.keepBackupBeforeSave);
    }
}

// Each row loads the two-account file with some lines replaced; the file saved after the load
// differs from the original only in the given lines. Numbers that do not read, overflow or lie
// outside their range give a new slot's values.
TEST_F(SettingsFileTest, ReadValuesAreKeptAndBadOnesRepaired) {
    const auto slot = [](int index, int field) { return slotLine(0, index, field); };
    const auto zed = [](int field) { return slotLine(1, 0, field); };
    const struct {
        const char* what;
        Changes in, out;
    } rows[] = {
        {"switches, current account in any case",
         {{1, "0"}, {2, "5"}, {3, "second"}, {4, "EUROPE"}},
         {{1, "0"}, {3, "Second"}, {4, "Europe"}}},
        {"a negative switch is off, an unreadable one on, no match gives the head",
         {{1, "-1"}, {2, "garbage"}, {4, "Europe"}},
         {{1, "0"}}},
        {"a later account of the current name and realm wins",
         {{96, "default"}, {97, "useast"}},
         {{3, "default"}, {4, "useast"}, {96, "default"}, {97, "useast"}}},
        {"in use above 0", {{slot(1, 0), "2"}}, {{slot(1, 0), "1"}}},
        {"in use below 0", {{slot(1, 0), "-1"}}, {}},
        {"numbers that do not read or lie outside their range",
         {{slot(0, 2), "99999999999"}, {slot(0, 3), "9"}, {slot(0, 4), "-1"}, {slot(0, 6), "x"}},
         {}},
        {"hexadecimal numbers",
         {{slot(0, 7), "0x7ff"}, {slot(0, 8), "  7fF"}, {slot(0, 9), "1FFFFFFFF"}},
         {}},
        {"numbers of Zed",
         {{zed(2), "-2147483648"}, {zed(3), "6"}, {zed(4), "3"}, {zed(10), "x"}},
         {{zed(2), "-2147483648"}, {zed(3), "6"}, {zed(4), "1"}}},
        // Slots 0, 2 and 4 in use, the current one is 4; the second account has none in use.
        {"slots in use become a prefix and the current character follows",
         {{slot(2, 0), "1"}, {slot(4, 0), "1"}, {slot(4, 1), "Fifth"}, {5, "4"}, {zed(0), "0"}},
         {{slot(1, 0), "1"}, {slot(2, 0), "1"}, {slot(2, 1), "Fifth"}, {5, "2"}}},
        {"current character above 7", {{5, "9"}}, {}},
        {"current character below 0", {{5, "-1"}}, {}},
        {"current character in a free slot", {{5, "6"}}, {}},
        {"current character not a number", {{5, "x"}}, {}},
    };
    for (const auto& [what, in, out] : rows) {
        SCOPED_TRACE(what);
        loadWith(in);
        Lines expected = twoAccountLines();
        for (const auto& [index, text] : out) expected[index] = text;
        EXPECT_EQ(splitLines(settingsFileText(state)), expected);
        EXPECT_FALSE(state.settings.keepBackupBeforeSave);
    }
}

// A file of another version is not read; it is copied once to settings.dat.bak before the first
// save replaces it, and the save fails rather than lose it.
TEST_F(SettingsFileTest, VersionLineDecidesHowTheFileIsRead) {
    loadWith({{0, "1.1.9"}});
    EXPECT_EQ(state.accounts.size(), 2u);
    EXPECT_EQ(state.settings.programVersion, (ProgramVersion{1, 1, 9}));
    EXPECT_FALSE(state.settings.keepBackupBeforeSave);
    for (const char* version : {"1.2.0", "2.0.0", "1.1", "garbage", "99999999999.1.3", "1.0.7"}) {
        loadWith({{0, version}});
        EXPECT_EQ(state.accounts.size(), 1u) << version;
        EXPECT_TRUE(state.settings.keepBackupBeforeSave) << version;
    }
    EXPECT_EQ(state.settings.programVersion, (ProgramVersion{1, 0, 7}));
    const std::string old = folder.read("settings.dat");
    fs::create_directories(folder.path() / "settings.dat.bak" / "blocked");
    const SaveResult blocked = saveSettings(state);  // no copy, no save
    EXPECT_FALSE(blocked);
    EXPECT_EQ(blocked.reason(), "keeping a copy in settings.dat.bak failed: Is a directory");
    EXPECT_EQ(folder.read("settings.dat"), old);
    EXPECT_TRUE(state.settings.keepBackupBeforeSave);

    fs::remove_all(folder.path() / "settings.dat.bak");
    ASSERT_TRUE(saveSettings(state));
    EXPECT_EQ(folder.read("settings.dat.bak"), old);
    EXPECT_EQ(splitLines(folder.read("settings.dat"))[0], "1.1.3");
    ASSERT_TRUE(saveSettings(state));  // the copy is made once
    EXPECT_EQ(folder.read("settings.dat.bak"), old);
}

// A file not read to its end keeps what was read and is copied aside before the next save.
TEST_F(SettingsFileTest, FileCutShortKeepsWhatWasRead) {
    const Lines lines = twoAccountLines();
    const std::string whole = joinLines(lines);
    for (std::size_t length = 0; length < whole.size(); length += 7) load(whole.substr(0, length));
    const auto firstLines = [&](int count) {
        return joinLines(Lines(lines.begin(), lines.begin() + count));
    };
    Lines withGap = lines;
    withGap.insert(withGap.begin() + 96, "");
    Lines cut(lines.begin(), lines.begin() + slotLine(1, 0, 3));  // up to Zed's class line
    cut[3] = "Second";
    cut[4] = "Europe";
    const std::tuple<const char*, std::string, std::size_t, bool> rows[] = {
        {"header cut", firstLines(4), 1, true},
        {"header only", firstLines(6), 1, false},
        {"account without its realm", firstLines(97), 1, true},
        {"empty line between the accounts", joinLines(withGap), 1, true},
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
    const Character zed{true, "Zed", 50, 0, 1, 7, RuneLogic::Complete, RuneSet::all(), 0xC46007FF};
    EXPECT_EQ(account(1).characters[0], zed);
    EXPECT_EQ(account(1).characters[1], Character{});
}

// settings.dat is a folder: the rename fails, and a load cannot read it but must not replace it
// unseen.
TEST_F(SettingsFileTest, FailedSaveSaysWhyAndLeavesNoTemporaryFile) {
    state.accounts.createDefaultAccounts();
    fs::create_directories(folder.path() / "settings.dat" / "inside");
    const SaveResult failed = saveSettings(state);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.reason(), "Is a directory");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
    loadSettings(state);
    EXPECT_TRUE(state.settings.keepBackupBeforeSave);
}

TEST_F(SettingsFileTest, WrittenTextsAlwaysReadBackWhole) {
    AccountList& accounts = state.accounts;
    accounts.createDefaultAccounts();
    accounts.head()->name = std::string("two\nlines\0", 10);
    accounts.head()->realm = "";
    accounts.head()->characters[0].name = "\r";
    accounts.head()->characters[3].name = std::string("\0x", 2);
    ASSERT_TRUE(saveSettings(state));
    const std::string written = folder.read("settings.dat");
    EXPECT_EQ(written.find_first_of(std::string("\r\0", 2)), std::string::npos);
    load(written);
    EXPECT_FALSE(state.settings.keepBackupBeforeSave);
    EXPECT_EQ(account(0).name, "two");
    EXPECT_EQ(account(0).realm, "NoRealm");
    EXPECT_EQ(account(0).characters[0].name, "NoName");
    EXPECT_EQ(account(0).characters[3].name, "NoName");
}

}  // namespace
}  // namespace sockwright
