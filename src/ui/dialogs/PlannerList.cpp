#include "ui/dialogs/PlannerList.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <utility>
#include <vector>

#include "ui/MainWindowLayout.h"
#include "ui/RunewordListDelegate.h"
#include "ui/skin/DialogSkin.h"
#include "ui/skin/ElidedText.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinStyleSheets.h"
#include "ui/skin/SkinTextSizes.h"

namespace sockwright {
namespace {

constexpr int kScrollBarWidth = 8;

// Draws a planner row as the main window draws a runeword row: black ground, the skin font at
// 10 points from 3 pixels below the row's top, each column elided at its box's edge, the whole
// text of an elided column offered as its tooltip.
class PlannerRowDelegate : public QAbstractItemDelegate {
  public:
    PlannerRowDelegate(int secondColumn, QObject* parent)
        : QAbstractItemDelegate(parent), secondColumn_(secondColumn) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const PlannerRow* row = rowOf(index);
        if (row == nullptr) return;
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        QColor colour = selected ? kListSelectedText : kListText;
        if (row->kind == PlannerRow::Kind::Heading) colour = row->lit ? kWhite : kGrey;

        painter->save();
        painter->fillRect(option.rect, kBlack);
        const QFont font = skinFont(textSize::kListRow);
        painter->setFont(font);
        painter->setPen(colour);
        const QFontMetrics metrics(font);
        for (const auto& [box, text] : columns(*row, option.rect)) {
            painter->drawText(box, Qt::AlignLeft | Qt::AlignTop,
                              ElidedText(text, metrics, box.width()).shown());
        }
        painter->restore();
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        const PlannerRow* row = rowOf(index);
        if (event == nullptr || event->type() != QEvent::ToolTip || row == nullptr)
            return QAbstractItemDelegate::helpEvent(event, view, option, index);
        const QFontMetrics metrics(skinFont(textSize::kListRow));
        for (const auto& [box, text] : columns(*row, option.rect)) {
            if (event->pos().x() >= box.left() && event->pos().x() <= box.right())
                return ElidedText(text, metrics, box.width()).answerToolTip(*event, view, box);
        }
        return ElidedText::offerToolTip(*event, view, QString());
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        // As wide as the rows have room for beside a scroll bar.
        const auto* list = static_cast<const QListView*>(parent());
        return {list->width() - kScrollBarWidth, layout::kRunewordRowHeight};
    }

  private:
    static const PlannerRow* rowOf(const QModelIndex& index) {
        return static_cast<const PlannerListModel*>(index.model())->rowAt(index.row());
    }

    // The text boxes of a row: the first column, spanning the row when there is no second.
    std::vector<std::pair<QRect, QString>> columns(const PlannerRow& row, const QRect& rect) const {
        const int top = rect.top() + RunewordListDelegate::kTextTop;
        const int height = rect.height() - RunewordListDelegate::kTextTop;
        const int left = rect.left() + row.indent;
        const bool spans = row.secondText.isEmpty();
        const int firstRight = spans ? rect.right() + 1 : rect.left() + secondColumn_;
        std::vector<std::pair<QRect, QString>> boxes{
            {QRect(left, top, firstRight - left, height), row.text}};
        if (!spans) {
            const int secondLeft = rect.left() + secondColumn_;
            boxes.emplace_back(QRect(secondLeft, top, rect.right() + 1 - secondLeft, height),
                               row.secondText);
        }
        return boxes;
    }

    int secondColumn_;
};

}  // namespace

int PlannerListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant PlannerListModel::data(const QModelIndex& index, int role) const {
    const PlannerRow* row = index.isValid() ? rowAt(index.row()) : nullptr;
    if (row == nullptr || role != Qt::DisplayRole) return {};
    return row->secondText.isEmpty() ? row->text : row->text + QLatin1Char(' ') + row->secondText;
}

Qt::ItemFlags PlannerListModel::flags(const QModelIndex& index) const {
    const PlannerRow* row = index.isValid() ? rowAt(index.row()) : nullptr;
    // A disabled row is one the view's keyboard moves skip.
    if (row == nullptr || row->kind == PlannerRow::Kind::Heading) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void PlannerListModel::setRows(std::vector<PlannerRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

const PlannerRow* PlannerListModel::rowAt(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return nullptr;
    return &rows_[static_cast<std::size_t>(row)];
}

PlannerList::PlannerList(int secondColumn, QWidget* parent) : QListView(parent), model_(this) {
    setModel(&model_);
    setItemDelegate(new PlannerRowDelegate(secondColumn, this));
    DialogSkin::applyToList(*this, Qt::ScrollBarAsNeeded);
    // Rows may run past the list here, unlike the main window's, which has its Up and Down.
    verticalScrollBar()->setStyleSheet(styleSheet::listScrollBar(kScrollBarWidth));

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const int row = selectedRow();
        if (row >= 0) emit rowSelected(row);
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && rowAt(index.row())->kind != PlannerRow::Kind::Heading)
            emit rowChosen(index.row());
    });
}

void PlannerList::setRows(std::vector<PlannerRow> rows) {
    model_.setRows(std::move(rows));
    scrollToTop();
}

int PlannerList::selectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void PlannerList::selectRow(int row) {
    const QModelIndex index = model_.index(row, 0);
    if (!index.isValid() || !(model_.flags(index) & Qt::ItemIsSelectable)) return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void PlannerList::clearSelectedRow() {
    selectionModel()->clearSelection();
}

void PlannerList::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        selectedRow() >= 0) {
        emit rowChosen(selectedRow());
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

}  // namespace sockwright
