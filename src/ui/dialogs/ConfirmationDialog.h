#pragma once

#include <QSize>

#include "ui/dialogs/SkinnedDialog.h"

class QLabel;

namespace sockwright {

// The program's own message box: a caption, a message on black that wraps at word boundaries,
// Cancel on the left and OK on the right. It asks before an action (OK goes ahead) and tells why
// an action is refused (the answer is then ignored). Escape and the close box answer Cancel.
class ConfirmationDialog : public SkinnedDialog {
    Q_OBJECT
  public:
    static inline const QString kDefaultCaption = QStringLiteral("Confirmation");
    static inline const QString kDefaultMessage = QStringLiteral("Confirm this");
    // The least room the message has, in dialog units; a longer message makes it taller.
    static constexpr QSize kMessageArea{203, 53};

    explicit ConfirmationDialog(QWidget* parent = nullptr);
    ConfirmationDialog(const QString& caption, const QString& message, QWidget* parent = nullptr);
    // A box whose message has more room, given in dialog units.
    ConfirmationDialog(QSize messageAreaUnits, QWidget* parent);

    QString caption() const;
    void setCaption(const QString& caption);
    QString message() const;
    // The message may hold line feeds; the box grows to show all of it.
    void setMessage(const QString& message);

    QLabel& messageLabel() const { return *message_; }

    // Controls by object name: "message", "ok", "cancel".

  private:
    void placeControls();

    QSize messageArea_;  // pixels
    QLabel* message_;
};

}  // namespace sockwright
