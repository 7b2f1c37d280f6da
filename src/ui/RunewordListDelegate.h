#pragma once

#include <QAbstractItemDelegate>
#include <QRect>
#include <QString>

namespace sockwright {

// Draws a runeword row: four columns at fixed pixel edges, each text elided at its column's edge,
// on black, lighter when the row is selected. No focus frame and no highlight bar.
class RunewordListDelegate : public QAbstractItemDelegate {
    Q_OBJECT
  public:
    static constexpr int kTextTop = 3;  // text starts this far below the row's top

    using QAbstractItemDelegate::QAbstractItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // Shows the whole text of a column whose text is elided at the column's edge.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // The column (0..3) under a position measured from the row's left edge, or -1.
    static int columnAt(int x);
    // The text box of a column within a row.
    static QRect textBox(const QRect& row, int column);
    // Whether a text does not fit a column's text box.
    static bool textIsCut(const QString& text, int column);
    // The whole text of the column under x when it is cut there; empty when it fits.
    static QString cutTextAt(const QModelIndex& index, int x);
};

}  // namespace sockwright
