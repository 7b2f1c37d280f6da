#pragma once

#include <string>

#include "model/RealmList.h"
#include "ui/dialogs/SkinnedDialog.h"

class QLabel;

namespace sockwright {

class AccountList;
class LabelButton;
class SkinLineEdit;
class SkinStepper;

// Asks for a new account's name, typed freely, and its realm, stepped through the realm list.
// It creates nothing: after OK the caller reads accountName() and realm(). OK is refused, with
// the reason shown in the dialog, while the realm list is empty and while an account of that
// name and realm exists already (letter case ignored): the settings file names the current
// account by name and realm alone, so a second one would take the first one's place.
class NewAccountDialog : public SkinnedDialog {
    Q_OBJECT
  public:
    static inline const QString kNoRealm = QStringLiteral("NO REALM");
    static inline const QString kNoRealmMessage =
        QStringLiteral("THERE IS NO REALM TO CHOOSE, THE REALM LIST IS EMPTY");
    static inline const QString kAccountExistsMessage =
        QStringLiteral("THIS ACCOUNT ALREADY EXISTS ON THIS REALM, CHOOSE ANOTHER NAME OR REALM");

    // The dialog reads both lists while it runs; they must outlive it.
    NewAccountDialog(const RealmList& realms, const AccountList& accounts,
                     QWidget* parent = nullptr);

    // Copied on OK: the name exactly as typed (it may be empty) and the realm shown. Empty before.
    const std::string& accountName() const { return accountName_; }
    const std::string& realm() const { return realm_; }

    void accept() override;

    // Controls by object name: "nameCaption", "name", "realmCaption", "realmPrev", "realmValue",
    // "realmNext", "message", "cancel", "ok".

  private:
    void createControls();
    void placeControls();
    void showMessage(const QString& text);

    const RealmList& realms_;
    const AccountList& accounts_;
    std::string accountName_;
    std::string realm_;

    LabelButton* nameCaption_ = nullptr;
    SkinLineEdit* nameField_ = nullptr;
    LabelButton* realmCaption_ = nullptr;
    // Steps from the entry shown, so that two realms differing only in letter case are each
    // reached in turn.
    SkinStepper* realmStepper_ = nullptr;
    QLabel* message_ = nullptr;
};

}  // namespace sockwright
