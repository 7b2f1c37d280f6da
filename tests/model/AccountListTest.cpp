#include <gtest/gtest.h>

#include <tuple>

#include "model/AccountList.h"
#include "model/CharacterRunes.h"

namespace sockwright {
namespace {

// An account with characters named C0, C1, ... in slots 0 to count-1 (count up to 8), each with its
// own selections, counts and goals.
Account& accountWithCharacters(AccountList& list, int count) {
    Account& account = *list.addAccount("Acc", "USWest", "C0", 10, 1, 0);
    for (int slot = 1; slot < count; ++slot) {
        list.addCharacter(account, std::string{'C', static_cast<char>('0' + slot)}, 10 + slot,
                          slot % 7, slot % 3);
    }
    for (int slot = 0; slot < count; ++slot) {
        account.characters[slot].equipment = 1u << slot;
        setRuneCount(account.characters[slot], 1, slot + 2);
        account.characters[slot].goals = {std::string{'G', static_cast<char>('0' + slot)}};
    }
    return account;
}

TEST(AccountListTest, AddingGivesNewSelectionsAndEditingKeepsThem) {
    AccountList list;
    Account& account = accountWithCharacters(list, 3);
    account.characters[3] = account.characters[2];  // a free slot holding an old character
    account.characters[3].inUse = false;
    EXPECT_EQ(list.addCharacter(account, "", 42, 6, 2), 3);
    const RuneCounts oneOfEach = RuneCounts::oneOfEach(RuneSet::all());
    const Character added{{7, RuneLogic::Complete, RuneSet::all(), 0xC46007FF},
                          true,
                          "NoName",
                          42,
                          6,
                          2,
                          oneOfEach,
                          {}};
    EXPECT_EQ(account.characters[3], added);
    account.characters[1].runes = RuneSet{{1, 2, 3}};
    list.editCharacter(account, 1, "Renamed", 77, 3, 0);
    Character edited{
        {7, RuneLogic::Complete, {{1, 2, 3}}, 2}, true, "Renamed", 77, 3, 0, oneOfEach, {"G1"}};
    edited.runeCounts.set(1, 3);
    EXPECT_EQ(account.characters[1], edited);

    Account& full = accountWithCharacters(list, 8);
    const auto before = full.characters;
    EXPECT_FALSE(list.addCharacter(full, "Extra", 1, 0, 0));
    EXPECT_EQ(full.characters, before);
}

TEST(AccountListTest, DeletingACharacterMovesTheLaterOnesDownAndTheCurrentOneFollows) {
    AccountList list;
    Account& current = accountWithCharacters(list, 5);
    Account& other = accountWithCharacters(list, 5);
    const Character c3 = current.characters[3];
    const Character c4 = current.characters[4];
    list.setCurrent(&current, 3);

    list.deleteCharacter(current, 1);  // below the current one
    EXPECT_EQ(current.charactersInUse(), 4);
    EXPECT_EQ(current.characters[2], c3);
    EXPECT_EQ(current.characters[3], c4);
    EXPECT_EQ(list.currentCharacter(), 2);
    list.deleteCharacter(current, 3);  // above it: the last one only frees its slot
    EXPECT_EQ(current.charactersInUse(), 3);
    EXPECT_EQ(list.currentCharacter(), 2);
    list.deleteCharacter(other, 0);  // another account
    EXPECT_EQ(other.characters[0].name, "C1");
    EXPECT_EQ(list.currentCharacter(), 2);
    list.deleteCharacter(current, 2);  // the current one itself
    EXPECT_EQ(list.currentCharacter(), 0);

    list.deleteCharacter(current, 0);
    ASSERT_EQ(current.charactersInUse(), 1);
    list.deleteCharacter(current, 0);  // the only character is never deleted
    EXPECT_TRUE(current.characters[0].inUse);

    Account& full = accountWithCharacters(list, 8);
    list.deleteCharacter(full, 0);  // the one in the last slot moves down too
    EXPECT_EQ(full.characters[6].name, "C7");
    EXPECT_FALSE(full.characters[7].inUse);
}

// An added account goes to the tail without becoming current.
TEST(AccountListTest, AccountsFormARingAndDeletionShowsANeighbour) {
    AccountList list;
    Account* p = list.addAccount("", "", "c", 1, 0, 0);
    EXPECT_EQ(p->name + "/" + p->realm, "NoName/NoRealm");
    Account* q = list.addAccount("Q", "R", "c", 1, 0, 0);
    Account* r = list.addAccount("R", "R", "c", 1, 0, 0);
    EXPECT_EQ(list.tail(), r);
    EXPECT_EQ(list.currentAccount(), nullptr);
    EXPECT_EQ(list.nextAccount(r), p);
    EXPECT_EQ(list.nextAccount(p), q);
    EXPECT_EQ(list.previousAccount(p), r);

    list.addCharacter(*p, "second", 1, 0, 0);
    list.setCurrent(p, 1);
    EXPECT_EQ(list.deleteAccount(q), p);  // the one before it
    EXPECT_EQ(list.currentAccount(), p);
    EXPECT_EQ(list.deleteAccount(p), r);  // the head shows the one after it
    EXPECT_EQ(list.head(), r);
    EXPECT_EQ(list.currentAccount(), r);
    EXPECT_EQ(list.currentCharacter(), 0);
    EXPECT_EQ(list.deleteAccount(r), r);  // the last account stays
    EXPECT_EQ(list.size(), 1u);
}

// Name and realm both have to match; only A to Z fold, as in the settings file's match.
TEST(AccountListTest, FindAccountIgnoresTheCaseOfNameAndRealm) {
    AccountList list;
    Account* first = list.addAccount("Main", "USEast", "c", 1, 0, 0);
    Account* europe = list.addAccount("Main", "Europe", "c", 1, 0, 0);
    list.addAccount("MAIN", "useast", "c", 1, 0, 0);  // a duplicate: the first one is found
    Account* accented = list.addAccount("\xc9le", "Asia", "c", 1, 0, 0);
    const std::tuple<const char*, const char*, Account*> rows[] = {
        {"main", "USEAST", first},    {"mAIN", "europe", europe},
        {"Main", "Asia", nullptr},    {"Mai", "USEast", nullptr},
        {"Main ", "USEast", nullptr}, {"\xc9LE", "asia", accented},
        {"\xe9le", "Asia", nullptr},  {"", "", nullptr}};
    for (const auto& [name, realm, found] : rows) {
        EXPECT_EQ(list.findAccount(name, realm), found) << name << "/" << realm;
    }
}

}  // namespace
}  // namespace sockwright
