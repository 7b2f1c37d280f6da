#include <gtest/gtest.h>

#include "model/CharacterRunes.h"
#include "model/RuneCountsFile.h"
#include "model/SettingsFile.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

using Goals = std::vector<std::string>;

// Main on Europe with Amy, Bob and Cid, Alt on USEast with Dee; each holds some runes of his
// own, several of some, and Amy and Cid aim at runewords.
struct Roster {
    Roster() {
        state.dataFolder = folder.path();
        AccountList& accounts = state.accounts;
        accounts.createDefaultAccounts();
        main = accounts.addAccount("Main", "Europe", "Amy", 80, 5, 1);
        accounts.addCharacter(*main, "Bob", 70, 2, 1);
        accounts.addCharacter(*main, "Cid", 60, 6, 1);
        alt = accounts.addAccount("Alt", "USEast", "Dee", 50, 3, 2);
        int rune = 1;
        for (Account* account : {main, alt}) {
            for (Character& character : account->characters) {
                if (!character.inUse) continue;
                setRuneCount(character, rune, 0);
                setRuneCount(character, rune + 1, rune + 5);
                rune += 3;
            }
        }
        main->characters[0].goals = {"Spirit", "Insight"};
        main->characters[2].goals = {"Enigma"};
    }
    Character& at(Account* account, int slot) { return account->characters[slot]; }
    // What a character holds when his counts come from his bits alone.
    static bool fromBits(const Character& character) {
        return character.runeCounts == RuneCounts::oneOfEach(character.runes) &&
               character.goals.empty();
    }
    ProgramState loaded() const {
        ProgramState again;
        again.dataFolder = folder.path();
        loadSettings(again);
        return again;
    }

    testing::TempFolder folder;
    ProgramState state;
    Account* main = nullptr;
    Account* alt = nullptr;
};

struct RuneCountsFileTest : ::testing::Test, Roster {};

TEST_F(RuneCountsFileTest, SavedCountsAndGoalsLoadBackAsAPlayerCanReadThem) {
    ASSERT_FALSE(saveSettingsFiles(state));
    const std::string text = folder.read("runecounts.txt");
    EXPECT_TRUE(text.starts_with("Sockwright rune counts 1\n"));
    EXPECT_NE(text.find("\naccount Main\nrealm Europe\nslot 1\nname Amy\ncounts 0 6 1 1 1 1 1 1 1 "
                        "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\ngoal Spirit\ngoal "
                        "Insight\n\n"),
              std::string::npos);

    const ProgramState again = loaded();
    ASSERT_EQ(again.accounts.size(), state.accounts.size());
    for (std::size_t i = 0; i < state.accounts.size(); ++i) {
        EXPECT_EQ(again.accounts.accounts()[i]->characters,
                  state.accounts.accounts()[i]->characters);
    }
}

// An older version saved settings.dat alone after changing the characters: each keeps his
// counts where he can be told apart, and the others count what their bits say.
TEST_F(RuneCountsFileTest, RecordsFollowCharactersRenamedOrMovedAndNeverAnother) {
    ASSERT_FALSE(saveSettingsFiles(state));
    const Character amy = at(main, 0);
    const Character cid = at(main, 2);
    at(main, 0).name = "Ann";                  // renamed, same runes
    state.accounts.deleteCharacter(*main, 1);  // Bob gone, Cid moved into his slot
    state.accounts.addCharacter(*main, "Fay", 1, 0, 1);
    at(alt, 0).name = "Dot";  // renamed with other runes: no longer told apart from a new one
    at(alt, 0).runes.add(10);
    state.accounts.addAccount("New", "Europe", "Eve", 1, 0, 1);
    ASSERT_TRUE(saveSettings(state));

    const ProgramState again = loaded();
    const auto& accounts = again.accounts.accounts();
    const Character& ann = accounts[1]->characters[0];
    EXPECT_EQ(ann.runeCounts, amy.runeCounts);
    EXPECT_EQ(ann.goals, amy.goals);
    EXPECT_EQ(accounts[1]->characters[1].runeCounts, cid.runeCounts);
    EXPECT_EQ(accounts[1]->characters[1].goals, cid.goals);
    EXPECT_TRUE(fromBits(accounts[1]->characters[2])) << "Fay took a deleted one's record";
    EXPECT_TRUE(fromBits(accounts[2]->characters[0])) << "Dot";
    EXPECT_TRUE(fromBits(accounts[3]->characters[0])) << "Eve";
}

TEST_F(RuneCountsFileTest, BitsWinOverTheCountsOfARecord) {
    Character& amy = at(main, 0);  // owns runes 2 to 33, not rune 1
    std::string counts = "counts 4 0";
    for (int rune = 3; rune <= kRuneCount; ++rune) counts += " 2";
    ASSERT_EQ(applyRuneCountsText("Sockwright rune counts 1\naccount main\nrealm EUROPE\nslot 1\n"
                                  "name Amy\n" +
                                      counts + "\ngoal Spirit\ngoal Spirit\n",
                                  state.accounts),
              1);
    EXPECT_EQ(amy.runeCounts.count(1), 0);
    EXPECT_EQ(amy.runeCounts.count(2), 1);
    EXPECT_EQ(amy.runeCounts.count(3), 2);
    EXPECT_EQ(amy.goals, Goals{"Spirit"});
}

std::string countsLine(const char* each, int numbers = kRuneCount) {
    std::string line = "counts";
    for (int i = 0; i < numbers; ++i) line += std::string(" ") + each;
    return line + "\n";
}

// Each broken record of Amy is passed over and Bob's whole one after it still counts; a file of
// another format or version gives nobody anything.
TEST_F(RuneCountsFileTest, ABrokenRecordOrFileIsPassedOver) {
    const std::string head = "Sockwright rune counts 1\n";
    const std::string bob = "account Main\nrealm Europe\nslot 2\nname Bob\n" + countsLine("3");
    const std::string amy = "account Main\nrealm Europe\nslot 1\nname Amy\n";
    std::string crLf = head + bob;
    for (std::size_t at = crLf.find('\n'); at != std::string::npos; at = crLf.find('\n', at + 2))
        crLf.insert(at, "\r");
    const struct {
        const char* what;
        std::string text;
        int matched;
    } rows[] = {
        {"CR LF", crLf, 1},
        {"another version", "Sockwright rune counts 2\n" + bob, 0},
        {"no version line", bob, 0},
        {"32 counts", head + amy + countsLine("1", 32) + bob, 1},
        {"a count of 1000", head + amy + countsLine("1000") + bob, 1},
        {"a count that is no number", head + amy + countsLine("x") + bob, 1},
        {"no counts", head + amy + bob, 1},
        {"slot 9", head + "account Main\nrealm Europe\nslot 9\nname Amy\n" + countsLine("1") + bob,
         1},
        {"a line twice", head + amy + "name Amy\n" + countsLine("1") + bob, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Roster fresh;
        EXPECT_EQ(applyRuneCountsText(row.text, fresh.state.accounts), row.matched);
        EXPECT_EQ(fresh.at(fresh.main, 0).runeCounts.count(2), 6);
        EXPECT_EQ(fresh.at(fresh.main, 1).runeCounts.count(5), row.matched == 1 ? 3 : 9);
    }
}

// A counts file that cannot be written is named with its reason; settings.dat is saved all the
// same, and the next start counts what the bits say.
TEST_F(RuneCountsFileTest, ACountsFileThatCannotBeReplacedIsNamedAndTheBitsStay) {
    std::filesystem::create_directories(folder.path() / "runecounts.txt" / "x");
    const auto failed = saveSettingsFiles(state);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->file, folder.path() / "runecounts.txt");
    EXPECT_EQ(failed->result.reason(), "Is a directory");
    EXPECT_EQ(folder.read("settings.dat"), settingsFileText(state));
    EXPECT_TRUE(fromBits(loaded().accounts.accounts()[1]->characters[0]));
}

}  // namespace
}  // namespace sockwright
