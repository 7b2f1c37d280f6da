#include "ui/skin/DialogSkin.h"

#include <QListView>
#include <QPalette>
#include <QWidget>

#include "ui/skin/SkinColours.h"

namespace sockwright {

void DialogSkin::apply(QWidget& dialog, const QColor& textColour) {
    // The palette reaches every child that does not set its own, including those added later.
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, kBlack);
    palette.setColor(QPalette::Base, kBlack);
    palette.setColor(QPalette::Button, kBlack);
    palette.setColor(QPalette::WindowText, textColour);
    palette.setColor(QPalette::Text, textColour);
    palette.setColor(QPalette::ButtonText, textColour);
    dialog.setPalette(palette);
    dialog.setAutoFillBackground(true);
}

void DialogSkin::applyToList(QListView& list, Qt::ScrollBarPolicy verticalScrollBar) {
    list.setFrameShape(QFrame::NoFrame);
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setVerticalScrollBarPolicy(verticalScrollBar);
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    list.setEditTriggers(QAbstractItemView::NoEditTriggers);
    list.setUniformItemSizes(true);
    list.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    QPalette colours = list.palette();
    colours.setColor(QPalette::Base, kBlack);
    colours.setColor(QPalette::Window, kBlack);
    list.setPalette(colours);
    list.viewport()->setAutoFillBackground(true);
}

}  // namespace sockwright
