#pragma once

#include <QLineEdit>

namespace sockwright {

// A one-line edit field in the skin: white text in the skin font on black, a white caret and an
// olive frame. Whatever reaches it (typed, pasted, dropped or set) stays on one line: the inserted
// text is cut at its first line break and loses its NUL characters, because every name the field
// gives is stored as one line of the settings file.
class SkinLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit SkinLineEdit(QWidget* parent = nullptr);

    // The part of a text that may stand in the field: up to its first CR or LF, without NULs.
    static QString singleLine(const QString& text);

  private:
    void keepSingleLine();

    QString accepted_;  // the field's text as it last stood, always a single line
};

}  // namespace sockwright
