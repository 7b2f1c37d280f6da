#pragma once

#include <QDialog>

class QPushButton;

namespace sockwright {

// The plain about box of the window menu: the program's icon, its name and version, and OK.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    static inline const QString kVersionLine = QStringLiteral("Sockwright Version 1.0");
    static inline const QString kSecondLine = QStringLiteral("Runeword planner for Diablo II");

    explicit AboutDialog(QWidget* parent = nullptr);

    QPushButton& okButton() const { return *ok_; }

  private:
    QPushButton* ok_;
};

}  // namespace sockwright
