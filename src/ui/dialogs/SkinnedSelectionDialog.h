#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include "ui/dialogs/SkinnedDialog.h"

namespace sockwright {

// What the three selection dialogs (runes, equipment, rune details) share beyond the skinned
// frame: red static text on black, thin olive rules between groups of controls, and OK and
// Cancel answering Alt+O and Alt+C.
class SkinnedSelectionDialog : public SkinnedDialog {
    Q_OBJECT
  protected:
    SkinnedSelectionDialog(const QString& title, Buttons buttons, QWidget* parent);

    // An olive rule, drawn under the controls at this place.
    void addRule(const QRect& rule) { rules_.append(rule); }

    void paintEvent(QPaintEvent* event) override;

  private:
    QList<QRect> rules_;
};

}  // namespace sockwright
