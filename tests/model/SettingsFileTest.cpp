#include "model/SettingsFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <vector>

#include "model/CharacterClass.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, const char* end = "\n") {
    std::string text;
    for (const auto& line : lines) text += line + end;
    return text;
}

// Index (from 0) of a slot's line in the file; field 0 is inUse, 10 the equipment mask.
std::size_t slotLine(int account, int slot, int field) {
    return 6 + 90 * static_cast<std::size_t>(account) + 2 + 11 * static_cast<std::size_t>(slot) + field;
}

void expectInvariants(const ProgramState& state) {
    const AccountList& accounts = state.accounts;
    ASSERT_FALSE(accounts.empty());
    ASSERT_GE(accounts.indexOf(accounts.currentAccount()), 0);
    for (const auto& account : accounts.accounts()) {
        const int inUse = account->charactersInUse();
        ASSERT_GE(inUse, 1);
        for (int slot = 0; slot < kCharacterSlots; ++slot) {
            EXPECT_EQ(account->characters[slot].inUse, slot < inUse);
            EXPECT_TRUE(isCharacterClass(account->characters[slot].characterClass));
            EXPECT_TRUE(isCharacterType(account->characters[slot].characterType));
        }
    }
    ASSERT_GE(accounts.currentCharacter(), 0);
    ASSERT_LT(accounts.currentCharacter(), kCharacterSlots);
    EXPECT_TRUE(accounts.currentCharacterRecord().inUse);
}

class SettingsFileTest : public ::testing::Test {
protected:
    SettingsFileTest() { state.dataFolder = folder.path(); }

    void load(std::string_view bytes) {
        folder.write("settings.dat", bytes);
        reload();
    }
    void reload() {
        state = ProgramState{};
        state.dataFolder = folder.path();
        loadSettings(state);
        expectInvariants(state);
    }
    bool holdsOnlyDefaultAccount() const {
        ProgramState fresh;
        fresh.accounts.createDefaultAccounts();
        const auto expected = splitLines(settingsFileText(fresh));
        const auto actual = splitLines(settingsFileText(state));
        return std::equal(expected.begin() + 3, expected.end(), actual.begin() + 3, actual.end());
    }
    // The default account followed by "Second" on "Europe" with its character "Zed".
    static std::vector<std::string> twoAccountLines() {
        ProgramState source;
        source.accounts.createDefaultAccounts();
        source.accounts.addAccount("Second", "Europe", "Zed", 50, 5, 2);
        return splitLines(settingsFileText(source));
    }

    TempFolder folder;
    ProgramState state;
};

TEST_F(SettingsFileTest, DefaultAccountGivesTheDocumentedLines) {
    state.accounts.createDefaultAccounts();
    const std::string text = settingsFileText(state);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    ASSERT_EQ(text.back(), '\n');
    const auto lines = splitLines(text);
    ASSERT_EQ(lines.size(), 96u);
    const std::vector<std::string> start{"1.1.3", "1", "1", "DEFAULT", "USEast", "0", "DEFAULT",
                                         "USEast", "1", "DEFAULT", "99", "0", "1", "7", "3",
                                         "7FF", "7FF", "7FF", "C46007FF"};
    EXPECT_EQ(std::vector(lines.begin(), lines.begin() + 19), start);
    const std::vector<std::string> freeSlot{"0", "ENTER NAME", "99", "0", "1", "7",
                                            "3", "7FF", "7FF", "7FF", "C46007FF"};
    EXPECT_EQ(std::vector(lines.end() - 11, lines.end()), freeSlot);
}

TEST_F(SettingsFileTest, SavedAccountsReadBackTheSameWithLfOrCrLf) {
    AccountList& accounts = state.accounts;
    accounts.createDefaultAccounts();
    Account* second = accounts.addAccount("  spaced name ", "Europe", "Zed", 50, 5, 2);
    accounts.addCharacter(*second, "Two", 1, 6, 0);
    accounts.addCharacter(*second, "Three", 2, 3, 1);
    Character& odd = second->characters[5];  // a free slot keeps whatever it holds
    odd.name = "gone";
    odd.level = -5;
    odd.runeLogic = RuneLogic::Any;
    odd.runeCountFilter = 1;
    odd.runes = RuneSet{{0, 0x401, 0}};
    odd.equipment = 0x80000000;
    second->characters[2].runes = RuneSet{{0x7ff, 0, 1}};
    accounts.addAccount("Third", "Asia", "Me", 99, 0, 0);
    accounts.setCurrent(second, 2);
    state.settings.checkForUpdates = false;

    ASSERT_TRUE(saveSettings(state));
    const std::string written = folder.read("settings.dat");
    EXPECT_EQ(splitLines(written).size(), 6u + 90u * 3u);
    std::vector<std::array<Character, kCharacterSlots>> expected;
    for (const auto& account : accounts.accounts()) expected.push_back(account->characters);

    for (const char* end : {"\n", "\r\n"}) {
        load(joinLines(splitLines(written), end));
        ASSERT_EQ(state.accounts.size(), 3u);
        EXPECT_EQ(state.accounts.accounts()[1]->name, "  spaced name ");
        EXPECT_EQ(state.accounts.accounts()[2]->realm, "Asia");
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(state.accounts.accounts()[i]->characters, expected[i]) << "account " << i;
        }
        EXPECT_EQ(state.accounts.indexOf(state.accounts.currentAccount()), 1);
        EXPECT_EQ(state.accounts.currentCharacter(), 2);
        EXPECT_FALSE(state.settings.checkForUpdates);
        EXPECT_TRUE(state.settings.remindMissingFont);
        EXPECT_EQ(state.settings.programVersion, (ProgramVersion{1, 1, 3}));
        EXPECT_FALSE(state.settings.keepBackupBeforeSave);
    }
}

TEST_F(SettingsFileTest, HeaderSelectsSwitchesAndCurrentAccount) {
    auto lines = twoAccountLines();
    lines[1] = "0";
    lines[2] = "5";
    lines[3] = "second";
    lines[4] = "EUROPE";
    lines[5] = "0";
    load(joinLines(lines));
    EXPECT_FALSE(state.settings.checkForUpdates);
    EXPECT_TRUE(state.settings.remindMissingFont);
    EXPECT_EQ(state.accounts.currentAccount(), state.accounts.tail());

    lines[1] = "garbage";  // an unreadable switch is on, as for a new user
    lines[2] = "0";
    lines[3] = "DEFAULT";
    lines[4] = "Europe";  // matches no account: the head
    load(joinLines(lines));
    EXPECT_TRUE(state.settings.checkForUpdates);
    EXPECT_FALSE(state.settings.remindMissingFont);
    EXPECT_EQ(state.accounts.currentAccount(), state.accounts.head());

    lines[6 + 90] = "default";  // a later account with the same name and realm wins
    lines[6 + 91] = "useast";
    lines[3] = "Default";
    lines[4] = "USEAST";
    load(joinLines(lines));
    EXPECT_EQ(state.accounts.currentAccount(), state.accounts.tail());
}

TEST_F(SettingsFileTest, SlotNumbersAreReadOrGiveDefaults) {
    auto lines = twoAccountLines();
    const std::vector<std::pair<std::string, bool>> inUseLines{{"2", true}, {"0", false}, {"-1", false}};
    for (const auto& [text, inUse] : inUseLines) {
        lines[slotLine(0, 1, 0)] = text;
        load(joinLines(lines));
        EXPECT_EQ(state.accounts.head()->characters[1].inUse, inUse) << text;
    }
    lines[slotLine(0, 0, 2)] = "99999999999";  // level overflows
    lines[slotLine(0, 0, 3)] = "9";            // class out of range
    lines[slotLine(0, 0, 4)] = "-1";           // type out of range
    lines[slotLine(0, 0, 6)] = "logic";
    lines[slotLine(0, 0, 7)] = "0x7ff";
    lines[slotLine(0, 0, 8)] = "  7fF";
    lines[slotLine(0, 0, 9)] = "1FFFFFFFF";  // more than 32 bits
    lines[slotLine(0, 0, 10)] = "0X80000001";
    lines[slotLine(1, 0, 2)] = "-2147483648";
    lines[slotLine(1, 0, 3)] = "6";
    lines[slotLine(1, 0, 4)] = "3";
    load(joinLines(lines));
    const Character& first = state.accounts.head()->characters[0];
    EXPECT_EQ(first.level, 99);
    EXPECT_EQ(first.characterClass, 0);
    EXPECT_EQ(first.characterType, 1);
    EXPECT_EQ(first.runeLogic, RuneLogic::Complete);
    EXPECT_EQ(first.runes, RuneSet::all());
    EXPECT_EQ(first.equipment, 0x80000001u);
    const Character& zed = state.accounts.tail()->characters[0];
    EXPECT_EQ(zed.level, -2147483647 - 1);
    EXPECT_EQ(zed.characterClass, 6);
    EXPECT_EQ(zed.characterType, 1);
}

TEST_F(SettingsFileTest, SlotsAreBroughtIntoAPrefixAndTheCurrentCharacterFollows) {
    auto lines = twoAccountLines();
    for (int slot : {2, 4}) lines[slotLine(0, slot, 0)] = "1";
    lines[slotLine(0, 4, 1)] = "Fifth";
    lines[5] = "4";
    lines[slotLine(1, 0, 0)] = "0";  // the second account has no character in use
    load(joinLines(lines));
    const Account& first = *state.accounts.head();
    EXPECT_EQ(first.charactersInUse(), 3);
    EXPECT_EQ(first.characters[2].name, "Fifth");
    EXPECT_EQ(state.accounts.currentCharacter(), 2);
    EXPECT_EQ(state.accounts.tail()->characters[0].name, "Zed");

    for (const char* current : {"9", "-1", "6", "x"}) {  // outside 0..7, a free slot, no number
        lines[5] = current;
        load(joinLines(lines));
        EXPECT_EQ(state.accounts.currentCharacter(), 0) << current;
    }
}

TEST_F(SettingsFileTest, VersionLineDecidesHowTheFileIsRead) {
    auto lines = twoAccountLines();
    lines[0] = "1.1.9";
    load(joinLines(lines));
    EXPECT_EQ(state.accounts.size(), 2u);
    EXPECT_EQ(state.settings.programVersion, (ProgramVersion{1, 1, 9}));
    EXPECT_FALSE(state.settings.keepBackupBeforeSave);

    for (const char* version : {"1.0.7", "1.2.0", "2.0.0", "1.1", "garbage", "99999999999.1.3"}) {
        lines[0] = version;
        load(joinLines(lines));
        EXPECT_TRUE(holdsOnlyDefaultAccount()) << version;
        EXPECT_TRUE(state.settings.keepBackupBeforeSave) << version;
    }
    lines[0] = "1.0.7";
    load(joinLines(lines));
    EXPECT_EQ(state.settings.programVersion, (ProgramVersion{1, 0, 7}));
    ASSERT_TRUE(saveSettings(state));
    EXPECT_EQ(splitLines(folder.read("settings.dat"))[0], "1.1.3");
}

TEST_F(SettingsFileTest, FileCutShortKeepsWhatWasRead) {
    const auto lines = twoAccountLines();
    auto firstLines = [&](std::size_t count) { return std::vector(lines.begin(), lines.begin() + count); };

    load(joinLines(firstLines(4)));  // header cut
    EXPECT_TRUE(holdsOnlyDefaultAccount());
    EXPECT_TRUE(state.settings.keepBackupBeforeSave);
    load(joinLines(firstLines(6)));  // complete header, no account
    EXPECT_TRUE(holdsOnlyDefaultAccount());
    EXPECT_FALSE(state.settings.keepBackupBeforeSave);

    load(joinLines(firstLines(97)));  // only the second account's name
    EXPECT_EQ(state.accounts.size(), 1u);
    auto cut = firstLines(slotLine(1, 0, 3));  // second account up to its first level
    cut[3] = "Second";
    cut[4] = "Europe";
    load(joinLines(cut));
    ASSERT_EQ(state.accounts.size(), 2u);
    const Account& second = *state.accounts.tail();
    EXPECT_EQ(state.accounts.currentAccount(), &second);
    EXPECT_EQ(second.characters[0].name, "Zed");
    EXPECT_EQ(second.characters[0].level, 50);
    EXPECT_EQ(second.characters[0].characterClass, 0);
    EXPECT_EQ(second.characters[1], Character{});
    EXPECT_TRUE(state.settings.keepBackupBeforeSave);

    auto withGap = lines;
    withGap.insert(withGap.begin() + 96, "");  // an empty line between the accounts
    load(joinLines(withGap));
    EXPECT_EQ(state.accounts.size(), 1u);
    EXPECT_TRUE(state.settings.keepBackupBeforeSave);
    load(joinLines(lines) + "\n\r\n");  // empty lines after the last account
    EXPECT_EQ(state.accounts.size(), 2u);
    EXPECT_FALSE(state.settings.keepBackupBeforeSave);
    std::string noFinalLineFeed = joinLines(lines);
    noFinalLineFeed.pop_back();
    load(noFinalLineFeed);
    EXPECT_EQ(state.accounts.tail()->characters[7].equipment, 0xC46007FFu);
    EXPECT_FALSE(state.settings.keepBackupBeforeSave);
}

TEST_F(SettingsFileTest, FileNotReadInFullIsBackedUpOnceBeforeTheSave) {
    const std::string old = "1.0.7\nwhatever the old version kept\n";
    load(old);
    ASSERT_TRUE(saveSettings(state));
    EXPECT_EQ(folder.read("settings.dat.bak"), old);
    EXPECT_FALSE(folder.exists("settings.dat.bak.tmp"));
    const std::string saved = folder.read("settings.dat");
    ASSERT_TRUE(saveSettings(state));  // the copy is made once
    EXPECT_EQ(folder.read("settings.dat.bak"), old);

    load(old);
    fs::remove(folder.path() / "settings.dat.bak");
    fs::create_directories(folder.path() / "settings.dat.bak" / "blocked");
    EXPECT_FALSE(saveSettings(state));  // no copy, no save
    EXPECT_EQ(folder.read("settings.dat"), old);
    EXPECT_TRUE(state.settings.keepBackupBeforeSave);
}

TEST_F(SettingsFileTest, FailedSaveLeavesTheOldFileAsItWas) {
    const auto lines = twoAccountLines();
    const std::string old = joinLines(lines);
    load(old);
    state.accounts.head()->name = "Changed";

    fs::create_directory(folder.path() / "settings.dat.tmp");
    EXPECT_FALSE(saveSettings(state));
    EXPECT_EQ(folder.read("settings.dat"), old);
    fs::remove(folder.path() / "settings.dat.tmp");

    if (geteuid() != 0) {  // the superuser writes into read-only folders
        fs::permissions(folder.path(), fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_FALSE(saveSettings(state));
        fs::permissions(folder.path(), fs::perms::owner_write, fs::perm_options::add);
        EXPECT_EQ(folder.read("settings.dat"), old);
    }

    TempFolder other;  // the rename fails: settings.dat is a folder
    fs::create_directories(other.path() / "settings.dat" / "inside");
    state.dataFolder = other.path();
    EXPECT_FALSE(saveSettings(state));
    EXPECT_FALSE(other.exists("settings.dat.tmp"));
    EXPECT_TRUE(other.exists("settings.dat/inside"));
    ProgramState unreadable;  // a settings file that is there but cannot be read is kept aside
    unreadable.dataFolder = other.path();
    loadSettings(unreadable);
    EXPECT_TRUE(unreadable.settings.keepBackupBeforeSave);
    state.dataFolder = folder.path() / "missing";
    EXPECT_FALSE(saveSettings(state));

    state.dataFolder = folder.path();
    ASSERT_TRUE(saveSettings(state));
    EXPECT_EQ(splitLines(folder.read("settings.dat"))[6], "Changed");
    EXPECT_FALSE(folder.exists("settings.dat.tmp"));
}

TEST_F(SettingsFileTest, WrittenTextsAlwaysReadBackWhole) {
    AccountList& accounts = state.accounts;
    accounts.createDefaultAccounts();
    accounts.head()->name = std::string("two\nlines\0", 10);
    accounts.head()->realm = "";
    accounts.head()->characters[0].name = "\r";
    accounts.head()->characters[3].name = std::string("\0x", 2);
    accounts.addAccount("Another", "Europe", "Zed", 1, 0, 0);
    accounts.editCharacter(*accounts.tail(), 0, "", 2, 0, 0);
    ASSERT_TRUE(saveSettings(state));
    const std::string written = folder.read("settings.dat");
    EXPECT_EQ(written.find_first_of(std::string("\r\0", 2)), std::string::npos);
    reload();
    ASSERT_EQ(state.accounts.size(), 2u);
    EXPECT_FALSE(state.settings.keepBackupBeforeSave);
    EXPECT_EQ(state.accounts.head()->name, "two");
    EXPECT_EQ(state.accounts.head()->realm, "NoRealm");
    EXPECT_EQ(state.accounts.currentAccount(), state.accounts.head());
    EXPECT_EQ(state.accounts.head()->characters[0].name, "NoName");
    EXPECT_EQ(state.accounts.head()->characters[3].name, "NoName");
    EXPECT_EQ(state.accounts.tail()->characters[0].name, "NoName");
}

TEST_F(SettingsFileTest, HostileFilesLeaveAUsableState) {
    const std::string valid = joinLines(twoAccountLines());
    for (std::size_t length = 0; length < valid.size(); length += 7) load(valid.substr(0, length));
    load(joinLines(std::vector<std::string>(300, "\r")));
    load(std::string("\0\0\0", 3));

    auto lines = twoAccountLines();
    lines[6] = std::string(10 * 1024 * 1024, 'N');
    load(joinLines(lines));
    EXPECT_EQ(state.accounts.head()->name.size(), 10u * 1024 * 1024);

    std::mt19937 random(12345);
    for (int round = 0; round < 50; ++round) {
        std::string bytes = valid;
        for (int flip = 0; flip < 20; ++flip) bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
        load(bytes);
    }

    std::vector<std::string> many(lines.begin(), lines.begin() + 6);
    many[3] = "Account4999";
    for (int account = 0; account < 5000; ++account) {
        many.push_back("Account" + std::to_string(account));
        many.insert(many.end(), lines.begin() + 7, lines.begin() + 96);
    }
    load(joinLines(many));
    EXPECT_EQ(state.accounts.size(), 5000u);
    EXPECT_EQ(state.accounts.currentAccount(), state.accounts.tail());
}

}  // namespace
}  // namespace sockwright
