#include "ui/RunewordListModel.h"

#include <QString>
#include <utility>

#include "engine/RunewordDetails.h"
#include "ui/skin/LocalText.h"

namespace sockwright {

RunewordListModel::RunewordListModel(const RuneTable& runeTable, QObject* parent)
    : QAbstractListModel(parent), runeTable_(runeTable) {}

int RunewordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant RunewordListModel::data(const QModelIndex& index, int role) const {
    const Runeword* runeword = index.isValid() ? runewordAt(index.row()) : nullptr;
    if (runeword == nullptr) return {};
    switch (role) {
        case NameRole:
        case Qt::DisplayRole:
            return fromLocalBytes(runeword->name);
        case RunesRole:
            return fromLocalBytes(runesColumnText(*runeword, runeTable_));
        case RuneCountRole:
            return QString::number(runeword->runeCount);
        case EquipmentRole:
            return fromLocalBytes(runeword->equipmentText);
        default:
            return {};
    }
}

void RunewordListModel::clear() {
    setRows(nullptr, {});
}

void RunewordListModel::setRows(std::shared_ptr<const RunewordList> list,
                                std::vector<const Runeword*> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    // A replaced list is released only when the function returns, after the view has let go
    // of the rows that referred into it.
    const auto previous = std::exchange(list_, std::move(list));
    endResetModel();
}

const Runeword* RunewordListModel::runewordAt(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return nullptr;
    return rows_[static_cast<std::size_t>(row)];
}

}  // namespace sockwright
