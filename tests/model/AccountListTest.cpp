#include "model/AccountList.h"

#include <gtest/gtest.h>

namespace sockwright {
namespace {

// An account with characters named C0, C1, ... in slots 0 to count-1, each with its own selections.
Account& accountWithCharacters(AccountList& list, int count) {
    Account& account = *list.addAccount("Acc", "USWest", "C0", 10, 1, 0);
    for (int slot = 1; slot < count; ++slot) {
        list.addCharacter(account, "C" + std::to_string(slot), 10 + slot, slot % 7, slot % 3);
    }
    for (int slot = 0; slot < count; ++slot) account.characters[slot].equipment = 1u << slot;
    return account;
}

TEST(AccountListTest, AddCharacterTakesTheFirstFreeSlotWithNewSelections) {
    AccountList list;
    Account& account = accountWithCharacters(list, 3);
    account.characters[2].runeLogic = RuneLogic::Any;
    account.characters[3].runes = RuneSet{};  // a free slot holding an old character's values

    EXPECT_EQ(list.addCharacter(account, "", 42, 6, 2), 3);
    const Character added{true, "NoName", 42, 6, 2, 7, RuneLogic::Complete, RuneSet::all(), 0xC46007FF};
    EXPECT_EQ(account.characters[3], added);

    Account& full = accountWithCharacters(list, 8);
    const auto before = full.characters;
    EXPECT_FALSE(list.addCharacter(full, "Extra", 1, 0, 0));
    EXPECT_EQ(full.characters, before);
}

TEST(AccountListTest, EditingKeepsTheSelections) {
    AccountList list;
    Account& account = accountWithCharacters(list, 2);
    account.characters[1].runes = RuneSet{{1, 2, 3}};
    account.characters[1].runeCountFilter = 4;
    list.editCharacter(account, 1, "Renamed", 77, 3, 0);
    const Character edited{true, "Renamed", 77, 3, 0, 4, RuneLogic::Complete, RuneSet{{1, 2, 3}}, 2};
    EXPECT_EQ(account.characters[1], edited);
}

TEST(AccountListTest, DeletingACharacterMovesTheLaterOnesDown) {
    AccountList list;
    Account& account = accountWithCharacters(list, 5);
    const Character third = account.characters[3];
    const Character fourth = account.characters[4];
    list.deleteCharacter(account, 2);
    EXPECT_EQ(account.charactersInUse(), 4);
    EXPECT_EQ(account.characters[2], third);
    EXPECT_EQ(account.characters[3], fourth);
    EXPECT_FALSE(account.characters[4].inUse);
    EXPECT_EQ(account.characters[4].name, "C4");  // the free slot keeps a copy

    list.deleteCharacter(account, 3);  // the last one only frees its slot
    EXPECT_EQ(account.charactersInUse(), 3);
    list.deleteCharacter(account, 0);
    EXPECT_EQ(account.characters[0].name, "C1");
    EXPECT_EQ(account.characters[1], third);
    EXPECT_FALSE(account.characters[2].inUse);
}

TEST(AccountListTest, CurrentCharacterFollowsItsCharacterThroughDeletions) {
    AccountList list;
    Account& current = accountWithCharacters(list, 5);
    Account& other = accountWithCharacters(list, 5);
    list.setCurrent(&current, 3);

    list.deleteCharacter(current, 1);  // below the current one
    EXPECT_EQ(list.currentCharacter(), 2);
    EXPECT_EQ(list.currentCharacterRecord().name, "C3");
    list.deleteCharacter(current, 3);  // above it
    EXPECT_EQ(list.currentCharacter(), 2);
    list.deleteCharacter(other, 0);  // another account
    EXPECT_EQ(list.currentCharacter(), 2);
    list.deleteCharacter(current, 2);  // the current one itself
    EXPECT_EQ(list.currentCharacter(), 0);

    list.deleteCharacter(current, 0);
    ASSERT_EQ(current.charactersInUse(), 1);
    list.deleteCharacter(current, 0);  // the only character is never deleted
    EXPECT_TRUE(current.characters[0].inUse);
}

TEST(AccountListTest, AddedAccountGoesToTheTailWithoutBecomingCurrent) {
    AccountList list;
    list.createDefaultAccounts();
    Account* added = list.addAccount("", "", "", 5, 2, 1);
    EXPECT_EQ(list.tail(), added);
    EXPECT_EQ(list.currentAccount(), list.head());
    EXPECT_EQ(added->name, "NoName");
    EXPECT_EQ(added->realm, "NoRealm");
    const Character first{true, "NoName", 5, 2, 1, 7, RuneLogic::Complete, RuneSet::all(), 0xC46007FF};
    EXPECT_EQ(added->characters[0], first);
    for (int slot = 1; slot < kCharacterSlots; ++slot) EXPECT_EQ(added->characters[slot], Character{});
}

TEST(AccountListTest, AccountsFormARingAndDeletionShowsANeighbour) {
    AccountList list;
    Account* p = list.addAccount("P", "R", "c", 1, 0, 0);
    EXPECT_EQ(list.nextAccount(p), p);
    EXPECT_EQ(list.previousAccount(p), p);
    Account* q = list.addAccount("Q", "R", "c", 1, 0, 0);
    Account* r = list.addAccount("R", "R", "c", 1, 0, 0);
    EXPECT_EQ(list.nextAccount(r), p);
    EXPECT_EQ(list.nextAccount(p), q);
    EXPECT_EQ(list.previousAccount(p), r);
    EXPECT_EQ(list.previousAccount(q), p);

    list.setCurrent(r, 0);
    EXPECT_EQ(list.deleteAccount(p), q);
    EXPECT_EQ(list.head(), q);
    EXPECT_EQ(list.currentAccount(), r);

    list.addCharacter(*r, "second", 1, 0, 0);
    list.setCurrent(r, 1);
    EXPECT_EQ(list.deleteAccount(r), q);
    EXPECT_EQ(list.currentAccount(), q);
    EXPECT_EQ(list.currentCharacter(), 0);
    EXPECT_EQ(list.deleteAccount(q), q);  // the last account stays
    EXPECT_EQ(list.size(), 1u);
}

}  // namespace
}  // namespace sockwright
