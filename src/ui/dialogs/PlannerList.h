#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QString>
#include <vector>

#include "engine/RunePlanner.h"

namespace sockwright {

struct Runeword;

// One row of a planner list: a runeword, the cube heading of a group, a rune or a character.
struct PlannerRow {
    enum class Kind { Runeword, Heading, Rune, Character };

    Kind kind = Kind::Runeword;
    QString text;        // the first column; a heading or a character spans the row
    QString secondText;  // the second column
    bool lit = true;     // a heading in white, else in grey
    int indent = 0;      // pixels before the first column
    const Runeword* runeword = nullptr;
    int rune = 0;
    CharacterPlace character;
    std::vector<int> highlightedLines;  // the property lines a search matched
};

// The rows behind a planner list. Headings are neither selectable nor reached by the keyboard.
class PlannerListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setRows(std::vector<PlannerRow> rows);
    // nullptr for a row that does not exist.
    const PlannerRow* rowAt(int row) const;

  private:
    std::vector<PlannerRow> rows_;
};

// A list of the planner in the main window's list style: 20-pixel rows drawn on black in the skin
// font, the selected row lighter, no frame; a thin olive scroll bar when the rows do not fit.
// Enter and a double click choose the selected row.
class PlannerList : public QListView {
    Q_OBJECT
  public:
    // secondColumn: where the second column starts, in pixels from the row's left edge.
    explicit PlannerList(int secondColumn, QWidget* parent = nullptr);

    void setRows(std::vector<PlannerRow> rows);
    int rowCount() const { return model_.rowCount(); }
    const PlannerRow* rowAt(int row) const { return model_.rowAt(row); }
    // The selected row, or -1; and its data, or nullptr.
    int selectedRow() const;
    const PlannerRow* selectedRowData() const { return rowAt(selectedRow()); }
    void selectRow(int row);
    void clearSelectedRow();

  signals:
    void rowSelected(int row);
    void rowChosen(int row);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    PlannerListModel model_;
};

}  // namespace sockwright
