#pragma once

#include <QAbstractListModel>
#include <memory>
#include <vector>

#include "model/RuneTable.h"
#include "model/Runeword.h"
#include "model/RunewordList.h"

namespace sockwright {

// The rows of the runeword list: each row refers to one runeword of a runeword list, which the
// model keeps alive for as long as its rows refer into it.
class RunewordListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    // The four column texts of a row.
    enum Role { NameRole = Qt::UserRole + 1, RunesRole, RuneCountRole, EquipmentRole };
    static constexpr int kColumnCount = 4;
    static constexpr Role columnRole(int column) { return static_cast<Role>(NameRole + column); }

    explicit RunewordListModel(const RuneTable& runeTable, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Removes every row and lets go of the list they referred to.
    void clear();
    // Replaces the rows with the given runewords, which must belong to the given list.
    void setRows(std::shared_ptr<const RunewordList> list, std::vector<const Runeword*> rows);

    // The runeword of a row, or nullptr for a row that does not exist.
    const Runeword* runewordAt(int row) const;

  private:
    const RuneTable& runeTable_;
    std::shared_ptr<const RunewordList> list_;
    std::vector<const Runeword*> rows_;
};

}  // namespace sockwright
