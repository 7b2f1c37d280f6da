#pragma once

#include <QString>

class QDialog;
class QPixmap;
class QWidget;

namespace sockwright {

struct Rune;

// Everything the main window shows modally or hands to another program goes through one object:
// the program's implementation runs the real boxes, tests answer them without blocking.
class DialogService {
  public:
    virtual ~DialogService() = default;

    // Runs the dialog modally; its result.
    virtual int runDialog(QDialog& dialog) = 0;
    // A message box with an OK button.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // A question with the buttons Yes and No; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
    // Opens a web address or a "mailto:" link with the user's default program. A link that
    // cannot be opened is ignored.
    virtual void openLink(const QString& link) = 0;
    // The details of one rune, with its highlighted picture (nullptr when it has none).
    virtual void showRuneDetails(QWidget* parent, const Rune& rune, const QPixmap* image) = 0;
    // The desktop's file chooser for one file to read, opened in a folder (the last one used when
    // empty) and showing the files a filter such as "Save files (*.d2s *.d2i)" names; the chosen
    // file, or empty when the user cancelled. Where no chooser can be shown, none is chosen.
    virtual QString chooseOpenFile(QWidget* /*parent*/, const QString& /*caption*/,
                                   const QString& /*folder*/, const QString& /*filter*/) {
        return {};
    }
    // The program is ending: every open menu, dialog and box ends as if cancelled, and from now
    // on none is shown (a dialog ends at once, cancelled; a question is answered No). Where
    // nothing waits for the user, there is nothing to end.
    virtual void endAllDialogs() {}
};

}  // namespace sockwright
