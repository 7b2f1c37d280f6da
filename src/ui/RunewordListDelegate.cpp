#include "ui/RunewordListDelegate.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>

#include "ui/MainWindowLayout.h"
#include "ui/RunewordListModel.h"
#include "ui/skin/ElidedText.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinTextSizes.h"

namespace sockwright {
namespace {

int columnRight(int column) {
    return column + 1 < static_cast<int>(layout::kColumnLeft.size())
               ? layout::kColumnLeft[static_cast<std::size_t>(column) + 1]
               : layout::kColumnsRight;
}

}  // namespace

void RunewordListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->fillRect(option.rect, kBlack);
    const QFont font = skinFont(textSize::kListRow);
    painter->setFont(font);
    painter->setPen(selected ? kListSelectedText : kListText);
    const QFontMetrics metrics(font);
    for (int column = 0; column < RunewordListModel::kColumnCount; ++column) {
        const QString text = index.data(RunewordListModel::columnRole(column)).toString();
        const QRect box = textBox(option.rect, column);
        // Drawing into a rectangle clips to it and breaks lines only at line feeds.
        painter->drawText(box, Qt::AlignLeft | Qt::AlignTop,
                          ElidedText(text, metrics, box.width()).shown());
    }
    painter->restore();
}

QSize RunewordListDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return {layout::kColumnsRight, layout::kRunewordRowHeight};
}

bool RunewordListDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                     const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event == nullptr || event->type() != QEvent::ToolTip) {
        return QAbstractItemDelegate::helpEvent(event, view, option, index);
    }
    const int x = event->pos().x() - option.rect.x();
    const int column = columnAt(x);
    return ElidedText::offerToolTip(*event, view, cutTextAt(index, x),
                                    column < 0 ? QRect() : textBox(option.rect, column));
}

int RunewordListDelegate::columnAt(int x) {
    for (int column = 0; column < RunewordListModel::kColumnCount; ++column) {
        if (x >= layout::kColumnLeft[static_cast<std::size_t>(column)] && x < columnRight(column)) {
            return column;
        }
    }
    return -1;
}

QRect RunewordListDelegate::textBox(const QRect& row, int column) {
    const int left = layout::kColumnLeft[static_cast<std::size_t>(column)];
    return QRect(row.left() + left, row.top() + kTextTop, columnRight(column) - left,
                 row.height() - kTextTop);
}

bool RunewordListDelegate::textIsCut(const QString& text, int column) {
    const QFontMetrics metrics(skinFont(textSize::kListRow));
    const QRect box =
        textBox(QRect(0, 0, layout::kColumnsRight, layout::kRunewordRowHeight), column);
    const auto lines = text.count(QLatin1Char('\n')) + 1;
    if (lines > 1 && lines * metrics.lineSpacing() > box.height()) return true;
    return ElidedText(text, metrics, box.width()).isElided();
}

QString RunewordListDelegate::cutTextAt(const QModelIndex& index, int x) {
    const int column = columnAt(x);
    if (!index.isValid() || column < 0) return {};
    const QString text = index.data(RunewordListModel::columnRole(column)).toString();
    return textIsCut(text, column) ? text : QString();
}

}  // namespace sockwright
