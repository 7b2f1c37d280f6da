#include "ui/RunewordListDelegate.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QStringList>
#include <QToolTip>

#include "ui/MainWindowLayout.h"
#include "ui/RunewordListModel.h"
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
    painter->setFont(skinFont(textSize::kListRow));
    painter->setPen(selected ? kListSelectedText : kListText);
    for (int column = 0; column < RunewordListModel::kColumnCount; ++column) {
        const QString text = index.data(RunewordListModel::columnRole(column)).toString();
        // Drawing into a rectangle clips to it and breaks lines only at line feeds.
        painter->drawText(textBox(option.rect, column), Qt::AlignLeft | Qt::AlignTop, text);
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
    const QString text = cutTextAt(index, event->pos().x() - option.rect.x());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    const int column = columnAt(event->pos().x() - option.rect.x());
    QToolTip::showText(event->globalPos(), text, view, textBox(option.rect, column));
    return true;
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
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.size() * metrics.lineSpacing() > box.height()) return true;
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line) > box.width()) return true;
    }
    return false;
}

QString RunewordListDelegate::cutTextAt(const QModelIndex& index, int x) {
    const int column = columnAt(x);
    if (!index.isValid() || column < 0) return {};
    const QString text = index.data(RunewordListModel::columnRole(column)).toString();
    return textIsCut(text, column) ? text : QString();
}

}  // namespace sockwright
