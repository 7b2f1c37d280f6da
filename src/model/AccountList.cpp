// Placeholder until the account operations land.
#include "model/AccountList.h"

namespace sockwright {

int AccountList::indexOf(const Account*) const { return -1; }
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
    account.characters[0].inUse = true;
    account.characters[0].name = "DEFAULT";
    setCurrent(&account, 0);
}
std::optional<int> AccountList::addCharacter(Account&, const std::string&, int, int, int) { return {}; }
void AccountList::editCharacter(Account&, int, const std::string&, int, int, int) {}
void AccountList::deleteCharacter(Account&, int) {}
Account* AccountList::addAccount(const std::string&, const std::string&, const std::string&, int, int, int) { return nullptr; }
Account* AccountList::deleteAccount(Account*) { return nullptr; }
Account* AccountList::nextAccount(const Account*) const { return nullptr; }
Account* AccountList::previousAccount(const Account*) const { return nullptr; }

}  // namespace sockwright
