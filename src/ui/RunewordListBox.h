#pragma once

#include <QListView>

namespace sockwright {

class RunewordListModel;
class RunewordListDelegate;
struct Runeword;

// The main window's list of runewords: one selectable row at a time, drawn by the program, no
// frame, no scroll bars, black below the last row. The keyboard and the window's Up and Down
// buttons move through rows that are out of view.
class RunewordListBox : public QListView {
    Q_OBJECT
  public:
    explicit RunewordListBox(QWidget* parent = nullptr);

    // Shows the rows of the model and reports selection changes from then on.
    void bind(RunewordListModel& model);

    // The selected row, or -1.
    int selectedRow() const;
    // The selected row's runeword, or nullptr.
    const Runeword* selectedRuneword() const;
    // Selects a row and scrolls it into view; -1 (or a row that does not exist) leaves no row
    // selected. A selection made here is not reported.
    void selectRow(int row);

  signals:
    // The user changed the selection (mouse or keyboard).
    void selectionReported();

  private:
    void reportSelection();

    RunewordListModel* model_ = nullptr;
    RunewordListDelegate* delegate_ = nullptr;
    bool selectingFromProgram_ = false;
};

}  // namespace sockwright
