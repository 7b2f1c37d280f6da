#include "model/AccountList.h"

#include <algorithm>

#include "model/AsciiCase.h"

namespace sockwright {
namespace {

std::string textOr(const std::string& text, const char* replacement) {
    return text.empty() ? std::string(replacement) : text;
}

bool isSlot(int slot) {
    return slot >= 0 && slot < kCharacterSlots;
}

}  // namespace

int AccountList::indexOf(const Account* account) const {
    const auto found = std::find_if(accounts_.begin(), accounts_.end(),
                                    [account](const auto& held) { return held.get() == account; });
    return found == accounts_.end() ? -1 : static_cast<int>(found - accounts_.begin());
}

Account& AccountList::appendAccount() {
    accounts_.push_back(std::make_unique<Account>());
    return *accounts_.back();
}

void AccountList::clear() {
    accounts_.clear();
    currentAccount_ = nullptr;
    currentCharacter_ = 0;
}

void AccountList::createDefaultAccounts() {
    clear();
    Account& account = appendAccount();
    account.name = "DEFAULT";
    account.realm = "USEast";
    Character& first = account.characters[0];
    first.inUse = true;
    first.name = "DEFAULT";
    setCurrent(&account, 0);
}

std::optional<int> AccountList::addCharacter(Account& account, const std::string& name, int level,
                                             int characterClass, int characterType) {
    for (int slot = 0; slot < kCharacterSlots; ++slot) {
        Character& character = account.characters[slot];
        if (character.inUse) continue;
        character.inUse = true;
        character.name = textOr(name, kNoName);
        character.level = level;
        character.characterClass = characterClass;
        character.characterType = characterType;
        character.fillNewCharacter();
        return slot;
    }
    return std::nullopt;
}

void AccountList::editCharacter(Account& account, int slot, const std::string& name, int level,
                                int characterClass, int characterType) {
    if (!isSlot(slot)) return;
    Character& character = account.characters[slot];
    character.inUse = true;
    character.name = name;
    character.level = level;
    character.characterClass = characterClass;
    character.characterType = characterType;
}

void AccountList::deleteCharacter(Account& account, int slot) {
    // Deleting the only character would leave the account without slot 0 in use.
    if (!isSlot(slot) || !account.holdsSeveralCharacters()) return;

    account.characters[slot].inUse = false;
    for (int i = slot; i < kCharacterSlots - 1 && account.characters[i + 1].inUse; ++i) {
        account.characters[i] = account.characters[i + 1];
        account.characters[i + 1].inUse = false;
    }

    if (&account != currentAccount_) return;
    if (slot == currentCharacter_) {
        currentCharacter_ = 0;
    } else if (slot < currentCharacter_) {
        // The current character moved down with the others; follow it.
        --currentCharacter_;
    }
}

Account* AccountList::addAccount(const std::string& name, const std::string& realm,
                                 const std::string& characterName, int level, int characterClass,
                                 int characterType) {
    Account& account = appendAccount();
    account.name = textOr(name, kNoName);
    account.realm = textOr(realm, kNoRealm);
    addCharacter(account, characterName, level, characterClass, characterType);
    return &account;
}

Account* AccountList::deleteAccount(Account* account) {
    const int index = indexOf(account);
    if (index < 0) return nullptr;
    if (accounts_.size() < 2) return account;

    const bool wasCurrent = account == currentAccount_;
    Account* shown = index == 0 ? accounts_[1].get() : accounts_[index - 1].get();
    accounts_.erase(accounts_.begin() + index);
    if (wasCurrent) setCurrent(shown, 0);
    return shown;
}

Account* AccountList::nextAccount(const Account* account) const {
    const int index = indexOf(account);
    if (index < 0 || index + 1 == static_cast<int>(accounts_.size())) return head();
    return accounts_[index + 1].get();
}

Account* AccountList::previousAccount(const Account* account) const {
    const int index = indexOf(account);
    if (index <= 0) return tail();
    return accounts_[index - 1].get();
}

Account* AccountList::findAccount(std::string_view name, std::string_view realm) const {
    for (const auto& account : accounts_) {
        if (isNamed(*account, name, realm)) return account.get();
    }
    return nullptr;
}

bool AccountList::isNamed(const Account& account, std::string_view name, std::string_view realm) {
    return equalIgnoringAsciiCase(account.name, name) &&
           equalIgnoringAsciiCase(account.realm, realm);
}

}  // namespace sockwright
