#include <gtest/gtest.h>

#include "model/CharacterRunes.h"
#include "model/RuneCountsFile.h"
#include "model/SettingsFile.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

// Main on Europe with Amy, Bob and Cid, Alt on USEast with Dee; each lacks a rune of his own
// and holds several of another, and Amy and Cid aim at runewords.
struct Roster {
    Roster() {
        state.dataFolder = folder.path();
        state.accounts.createDefaultAccounts();
        main = state.accounts.addAccount("Main", "Europe", "Amy", 80, 5, 1);
        state.accounts.addCharacter(*main, "Bob", 70, 2, 1);
        state.accounts.addCharacter(*main, "Cid", 60, 6, 1);
        alt = state.accounts.addAccount("Alt", "USEast", "Dee", 50, 3, 2);
        for (int n = 0; n < 4; ++n) {
            Character& character = n < 3 ? main->characters[n] : alt->characters[0];
            setRuneCount(character, 3 * n + 1, 0);
            setRuneCount(character, 3 * n + 2, 3 * n + 6);
        }
        main->characters[0].goals = {"Spirit", "Insight"};
        main->characters[2].goals = {"Enigma"};
    }
    static bool fromBits(const Character& character) {
        return character.runeCounts == RuneCounts::oneOfEach(character.runes) &&
               character.goals.empty();
    }

    testing::TempFolder folder;
    ProgramState state;
    Account* main = nullptr;
    Account* alt = nullptr;
};

struct RuneCountsFileTest : ::testing::Test, Roster {};

// An older version saved settings.dat alone after changing the characters: each keeps his
// counts where he can be told apart, and the others count what their bits say.
TEST_F(RuneCountsFileTest, RecordsFollowCharactersRenamedOrMovedAndNeverAnother) {
    ASSERT_FALSE(saveSettingsFiles(state));
    EXPECT_NE(folder.read("runecounts.txt")
                  .find("\naccount Main\nrealm Europe\nslot 1\nname Amy\ncounts 0 6 1 1 1 1 1 1 1 "
                        "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\ngoal Spirit\ngoal "
                        "Insight\n\n"),
              std::string::npos);
    const Character amy = main->characters[0];
    const Character cid = main->characters[2];
    main->characters[0].name = "Ann";          // renamed, same runes
    state.accounts.deleteCharacter(*main, 1);  // Bob gone, Cid moved into his slot
    state.accounts.addCharacter(*main, "Fay", 1, 0, 1);
    alt->characters[0].name = "Dot";  // renamed with other runes: no longer told apart
    alt->characters[0].runes.add(10);
    state.accounts.addAccount("New", "Europe", "Eve", 1, 0, 1);
    ASSERT_TRUE(saveSettings(state));

    ProgramState again;
    again.dataFolder = folder.path();
    loadSettings(again);
    const auto& accounts = again.accounts.accounts();
    const auto& [ann, movedCid, fay] = std::tie(
        accounts[1]->characters[0], accounts[1]->characters[1], accounts[1]->characters[2]);
    EXPECT_EQ(std::tie(ann.runeCounts, ann.goals), std::tie(amy.runeCounts, amy.goals));
    EXPECT_EQ(std::tie(movedCid.runeCounts, movedCid.goals), std::tie(cid.runeCounts, cid.goals));
    EXPECT_TRUE(fromBits(fay)) << "Fay took a deleted one's record";
    EXPECT_TRUE(fromBits(accounts[2]->characters[0])) << "Dot";
    EXPECT_TRUE(fromBits(accounts[3]->characters[0])) << "Eve";
}

std::string countsLine(const char* each, int numbers = kRuneCount) {
    std::string line = "counts";
    for (int i = 0; i < numbers; ++i) line += std::string(" ") + each;
    return line + "\n";
}

// Amy lacks rune 1 and holds 6 of rune 2: the record's 4 of rune 1 read as none, its none of
// rune 2 as one.
TEST_F(RuneCountsFileTest, BitsWinOverTheCountsOfARecord) {
    const Character& amy = main->characters[0];
    ASSERT_EQ(applyRuneCountsText("Sockwright rune counts 1\naccount main\nrealm EUROPE\nslot 1\n"
                                  "name Amy\ncounts 4 0" +
                                      countsLine("2", 31).substr(6) + "goal Spirit\ngoal Spirit\n",
                                  state.accounts),
              1);
    EXPECT_EQ(amy.runeCounts.count(1), 0);
    EXPECT_EQ(amy.runeCounts.count(2), 1);
    EXPECT_EQ(amy.runeCounts.count(3), 2);
    EXPECT_EQ(amy.goals, std::vector<std::string>{"Spirit"});
}

// Each broken record of Amy is passed over and Bob's whole one after it still counts; a file of
// another format or version gives nobody anything.
TEST_F(RuneCountsFileTest, ABrokenRecordOrFileIsPassedOver) {
    const std::string head = "Sockwright rune counts 1\n";
    const std::string bob = "account Main\nrealm Europe\nslot 2\nname Bob\n" + countsLine("3");
    const std::string amy = "account Main\nrealm Europe\nslot 1\nname Amy\n";
    const std::pair<std::string, int> rows[] = {
        {"Sockwright rune counts 2\n" + bob, 0},
        {bob, 0},
        {head + amy + countsLine("1", 32) + bob, 1},
        {head + amy + countsLine("1000") + bob, 1},
        {head + amy + countsLine("x") + bob, 1},
        {head + amy + bob, 1},
        {head + "account Main\nrealm Europe\nslot 9\nname Amy\n" + countsLine("1") + bob, 1},
        {head + amy + "name Amy\n" + countsLine("1") + bob, 1},
    };
    for (const auto& [text, matched] : rows) {
        SCOPED_TRACE(text);
        Roster fresh;
        EXPECT_EQ(applyRuneCountsText(text, fresh.state.accounts), matched);
        EXPECT_EQ(fresh.main->characters[0].runeCounts.count(2), 6);
        EXPECT_EQ(fresh.main->characters[1].runeCounts.count(5), matched == 1 ? 3 : 9);
    }
}

// The user is told which file failed and why; settings.dat is saved all the same.
TEST_F(RuneCountsFileTest, ACountsFileThatCannotBeReplacedIsNamedWithItsReason) {
    std::filesystem::create_directories(folder.path() / "runecounts.txt" / "x");
    const auto failed = saveSettingsFiles(state);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->file, folder.path() / "runecounts.txt");
    EXPECT_EQ(failed->result.reason(), "Is a directory");
    EXPECT_EQ(folder.read("settings.dat"), settingsFileText(state));
}

// A later version's file is copied aside once before this version's save replaces it.
TEST_F(RuneCountsFileTest, AFileOfAnotherVersionIsKeptBeforeItIsReplaced) {
    ASSERT_TRUE(saveSettings(state));
    const std::string later = "Sockwright rune counts 2\nwhatever it holds\n";
    folder.write("runecounts.txt", later);
    for (int save = 0; save < 2; ++save) {
        if (save == 0) loadSettings(state);
        ASSERT_FALSE(saveSettingsFiles(state));
        EXPECT_EQ(folder.read("runecounts.txt.bak"), later);
        EXPECT_EQ(folder.read("runecounts.txt"), runeCountsFileText(state.accounts));
    }
}

}  // namespace
}  // namespace sockwright
