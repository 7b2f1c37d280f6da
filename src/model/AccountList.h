#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Account.h"

namespace sockwright {

// The user's accounts in order, with the current account and the current character's slot.
// Accounts are held by address: pointers to them stay valid until the account is deleted.
class AccountList {
  public:
    bool empty() const { return accounts_.empty(); }
    std::size_t size() const { return accounts_.size(); }
    const std::vector<std::unique_ptr<Account>>& accounts() const { return accounts_; }
    Account* head() const { return accounts_.empty() ? nullptr : accounts_.front().get(); }
    Account* tail() const { return accounts_.empty() ? nullptr : accounts_.back().get(); }
    // The account's position, or -1 when it is not in the list.
    int indexOf(const Account* account) const;

    Account* currentAccount() const { return currentAccount_; }
    int currentCharacter() const { return currentCharacter_; }
    // The current character's record; the list must not be empty.
    Character& currentCharacterRecord() const {
        return currentAccount_->characters[currentCharacter_];
    }
    void setCurrent(Account* account, int slot) {
        currentAccount_ = account;
        currentCharacter_ = slot;
    }

    // Appends an account with empty texts and default slots; used by the settings reader.
    Account& appendAccount();
    void clear();

    // Makes the list the one default account "DEFAULT" on "USEast", current, slot 0.
    void createDefaultAccounts();
    // The slot taken, or nothing when the account is full.
    std::optional<int> addCharacter(Account& account, const std::string& name, int level,
                                    int characterClass, int characterType);
    void editCharacter(Account& account, int slot, const std::string& name, int level,
                       int characterClass, int characterType);
    // Only when the account holds two or more characters; the caller checks that.
    void deleteCharacter(Account& account, int slot);
    Account* addAccount(const std::string& name, const std::string& realm,
                        const std::string& characterName, int level, int characterClass,
                        int characterType);
    // Only when the list holds two or more accounts; returns the account to show instead.
    Account* deleteAccount(Account* account);
    Account* nextAccount(const Account* account) const;
    Account* previousAccount(const Account* account) const;
    // The first account with this name and realm, letter case of A to Z ignored (as the settings
    // file matches the current account), or nullptr.
    Account* findAccount(std::string_view name, std::string_view realm) const;
    // Whether the account has this name and realm, letter case of A to Z ignored.
    static bool isNamed(const Account& account, std::string_view name, std::string_view realm);

  private:
    std::vector<std::unique_ptr<Account>> accounts_;
    Account* currentAccount_ = nullptr;
    int currentCharacter_ = 0;
};

}  // namespace sockwright
