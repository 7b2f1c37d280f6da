#include "ui/RunewordListBox.h"

#include <QItemSelectionModel>

#include "ui/RunewordListDelegate.h"
#include "ui/RunewordListModel.h"
#include "ui/skin/DialogSkin.h"

namespace sockwright {

RunewordListBox::RunewordListBox(QWidget* parent)
    : QListView(parent), delegate_(new RunewordListDelegate(this)) {
    setItemDelegate(delegate_);
    DialogSkin::applyToList(*this, Qt::ScrollBarAlwaysOff);
}

void RunewordListBox::bind(RunewordListModel& model) {
    model_ = &model;
    setModel(&model);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RunewordListBox::reportSelection);
}

int RunewordListBox::selectedRow() const {
    if (selectionModel() == nullptr) return -1;
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

const Runeword* RunewordListBox::selectedRuneword() const {
    return model_ == nullptr ? nullptr : model_->runewordAt(selectedRow());
}

void RunewordListBox::selectRow(int row) {
    if (model_ == nullptr) return;
    selectingFromProgram_ = true;
    const QModelIndex index = model_->index(row, 0);
    if (index.isValid()) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        scrollTo(index);
    } else {
        selectionModel()->clearSelection();
    }
    selectingFromProgram_ = false;
}

void RunewordListBox::reportSelection() {
    if (!selectingFromProgram_) emit selectionReported();
}

}  // namespace sockwright
