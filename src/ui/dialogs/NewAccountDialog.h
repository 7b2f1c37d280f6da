#pragma once

#include <QDialog>
#include <string>

#include "model/RealmList.h"

class QLabel;

namespace sockwright {

class AccountList;
class ImageButton;
class LabelButton;
class SkinLineEdit;

// Asks for a new account's name, typed freely, and its realm, stepped through the realm list.
// It creates nothing: after OK the caller reads accountName() and realm(). OK is refused, with
// the reason shown in the dialog, while the realm list is empty and while an account of that
// name and realm exists already (letter case ignored): the settings file names the current
// account by name and realm alone, so a second one would take the first one's place.
class NewAccountDialog : public QDialog {
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

    // Step through the realm list from the realm shown, found in the list with letter case
    // ignored; both wrap around, and a realm that is in no entry steps to the first (Next) or the
    // last (Prev) entry.
    void nextRealm();
    void previousRealm();

    void accept() override;

    // Controls by object name: "nameCaption", "name", "realmCaption", "realmPrev", "realmValue",
    // "realmNext", "message", "cancel", "ok".

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void createControls();
    void placeControls();
    int shownRealmIndex() const;
    void showRealm(int index);
    void showMessage(const QString& text);

    const RealmList& realms_;
    const AccountList& accounts_;
    std::string accountName_;
    std::string realm_;
    int shownIndex_ = -1;

    SkinLineEdit* nameField_ = nullptr;
    LabelButton* realmValue_ = nullptr;
    QLabel* message_ = nullptr;
    ImageButton* ok_ = nullptr;
};

}  // namespace sockwright
