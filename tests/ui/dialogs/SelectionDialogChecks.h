#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QFontMetrics>
#include <QList>
#include <QWidget>
#include <string>

#include "model/FileContents.h"
#include "model/RuneFileReader.h"
#include "model/RuneTable.h"
#include "support/PixelCounting.h"
#include "ui/skin/DetailTextButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/RuneToggleButton.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImages.h"

namespace sockwright::testing {

// The rune file the program ships.
inline RuneTable shippedRunes() {
    const FileContents file = readWholeFile(std::string(SOCKWRIGHT_SHIPPED_DATA) + "/runes.txt");
    EXPECT_EQ(file.status, FileReadStatus::Read);
    return parseRuneFile(file.bytes);
}

// Solid pictures at the generated sizes, every one of its own colour, so that a button showing
// another's picture is caught.
inline SkinImages solidSkinImages() {
    SkinImages images;
    int hue = 0;
    const auto next = [&hue](QSize size, int value) {
        hue = (hue + 7) % 360;
        return solidPixmap(size, QColor::fromHsv(hue, 255, value));
    };
    for (int i = 0; i < kRuneCount; ++i) {
        images.runes.plain[i] = next({36, 36}, 120);
        images.runes.highlighted[i] = next({36, 36}, 255);
    }
    images.blanks.plain = next({36, 36}, 120);
    images.blanks.highlighted = next({36, 36}, 255);
    for (int i = 0; i < kEquipmentImageCount; ++i) {
        images.equipment.plain[i] = next({40, 80}, 120);
        images.equipment.highlighted[i] = next({40, 80}, 255);
    }
    return images;
}

inline bool samePicture(const QPixmap& shown, const QPixmap& expected) {
    return !expected.isNull() && shown.cacheKey() == expected.cacheKey();
}

// Every visible control lies inside the dialog and clear of every other; every label's and
// detail panel's text fits its control in the skin font; every toggle has room for its picture
// one pixel in.
inline void expectTidyLayout(const QDialog& dialog) {
    QList<QWidget*> controls;
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden()) controls.append(child);
    }
    ASSERT_FALSE(controls.isEmpty());
    for (int i = 0; i < controls.size(); ++i) {
        const QWidget& a = *controls[i];
        const std::string name = a.objectName().toStdString();
        EXPECT_FALSE(a.objectName().isEmpty()) << "a control without an object name";
        EXPECT_TRUE(dialog.rect().contains(a.geometry())) << name << " is cut off";
        EXPECT_FALSE(a.geometry().isEmpty()) << name << " has no room";
        for (int j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(a.geometry().intersects(controls[j]->geometry()))
                << name << " overlaps " << controls[j]->objectName().toStdString();
        }
        if (const auto* toggle = qobject_cast<const RuneToggleButton*>(&a)) {
            const QSize picture = toggle->currentImage().size();
            EXPECT_GE(a.width(), picture.width() + 2) << name << " cuts its picture";
            EXPECT_GE(a.height(), picture.height() + 2) << name << " cuts its picture";
        }
        int pointSize = 0;
        if (const auto* label = qobject_cast<const LabelButton*>(&a))
            pointSize = label->pointSize();
        if (qobject_cast<const DetailTextButton*>(&a)) pointSize = DetailTextButton::kPointSize;
        if (pointSize != 0) {
            const QString text = qobject_cast<const QAbstractButton*>(&a)->text();
            const QRect needed = QFontMetrics(skinFont(pointSize))
                                     .boundingRect(QRect(), Qt::AlignTop | Qt::AlignHCenter, text);
            EXPECT_LE(needed.width(), a.width()) << name << " cuts \"" << text.toStdString() << '"';
            EXPECT_LE(needed.height(), a.height()) << name << " cuts its last line";
        }
    }
}

}  // namespace sockwright::testing
