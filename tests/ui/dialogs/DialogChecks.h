#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <string>

#include "model/RuneTable.h"
#include "support/PixelCounting.h"
#include "support/ShippedData.h"
#include "ui/dialogs/SkinStepper.h"
#include "ui/skin/DetailTextButton.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/RuneToggleButton.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImages.h"

namespace sockwright::testing {

// A picture object of its own for every entry, at the generated sizes.
inline SkinImages solidSkinImages() {
    SkinImages images;
    const auto fill = [](auto& pictures, QSize size) {
        for (QPixmap& picture : pictures) picture = solidPixmap(size, Qt::gray);
    };
    for (auto* runes : {&images.runes.plain, &images.runes.highlighted}) fill(*runes, {36, 36});
    for (auto* kinds : {&images.equipment.plain, &images.equipment.highlighted})
        fill(*kinds, {40, 80});
    images.blanks = {solidPixmap({36, 36}, Qt::gray), solidPixmap({36, 36}, Qt::gray)};
    return images;
}

// The room a control's content needs: its picture (a toggle's drawn one pixel in) or its text in
// the skin font; an empty size for the others.
inline QSize contentSize(const QWidget& control) {
    if (const auto* button = qobject_cast<const ImageButton*>(&control))
        return button->image().size();
    if (const auto* toggle = qobject_cast<const RuneToggleButton*>(&control))
        return toggle->currentImage().size() + QSize(2, 2);
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return {0, label->wordWrap() ? label->heightForWidth(label->width()) : 0};
    const auto* skinLabel = qobject_cast<const LabelButton*>(&control);
    if (skinLabel == nullptr && qobject_cast<const DetailTextButton*>(&control) == nullptr)
        return {};
    return QFontMetrics(skinFont(skinLabel ? skinLabel->pointSize() : DetailTextButton::kPointSize))
        .boundingRect({}, Qt::AlignTop | Qt::AlignHCenter,
                      static_cast<const QAbstractButton&>(control).text())
        .size();
}

// Every control lies inside the dialog, clear of every other, with room for its content; OK
// stands right of Cancel. The arrows and value of a stepper count as controls of their own.
inline void expectTidyLayout(const QDialog& dialog) {
    QList<const QWidget*> controls;
    for (const QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisibleTo(&dialog)) continue;
        if (qobject_cast<const SkinStepper*>(child) == nullptr) {
            controls << child;
        } else {
            for (const QWidget* part : child->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                controls << part;
        }
    }
    const auto placeOf = [&dialog](const QWidget* control) {
        return QRect(control->mapTo(&dialog, QPoint(0, 0)), control->size());
    };
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QWidget& a = *controls[i];
        const std::string name = a.objectName().toStdString();
        EXPECT_TRUE(!a.geometry().isEmpty() && dialog.rect().contains(placeOf(&a))) << name;
        for (const QWidget* b : controls.sliced(i + 1))
            EXPECT_FALSE(placeOf(&a).intersects(placeOf(b)))
                << name << " overlaps " << b->objectName().toStdString();
        EXPECT_EQ(a.size().expandedTo(contentSize(a)), a.size()) << name << " cuts its content";
    }
    const auto* ok = dialog.findChild<ImageButton*>("ok");
    const auto* cancel = dialog.findChild<ImageButton*>("cancel");
    EXPECT_TRUE(cancel == nullptr || ok->x() > cancel->geometry().right());
}

}  // namespace sockwright::testing
