#pragma once

#include <gtest/gtest.h>

#include <QFontMetrics>

#include "model/FileContents.h"
#include "model/RuneFileReader.h"
#include "support/PixelCounting.h"
#include "ui/dialogs/SkinnedSelectionDialog.h"
#include "ui/skin/DetailTextButton.h"
#include "ui/skin/ImageButton.h"
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

// The very picture object expected, so that a button showing another's picture is caught.
inline bool samePicture(const QPixmap& shown, const QPixmap& expected) {
    return !expected.isNull() && shown.cacheKey() == expected.cacheKey();
}

// Every control lies inside the dialog, clear of every other, with room for its picture (a toggle's
// one pixel in) and for its text in the skin font; OK stands right of Cancel.
inline void expectTidyLayout(const SkinnedSelectionDialog& dialog) {
    const QList<QWidget*> controls = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QWidget& a = *controls[i];
        const std::string name = a.objectName().toStdString();
        EXPECT_TRUE(!a.geometry().isEmpty() && dialog.rect().contains(a.geometry())) << name;
        for (const QWidget* b : controls.sliced(i + 1))
            EXPECT_FALSE(a.geometry().intersects(b->geometry()))
                << name << " overlaps " << b->objectName().toStdString();
        QSize needed;
        if (const auto* button = qobject_cast<const ImageButton*>(&a))
            needed = button->image().size();
        if (const auto* toggle = qobject_cast<const RuneToggleButton*>(&a))
            needed = toggle->currentImage().size() + QSize(2, 2);
        const auto* label = qobject_cast<const LabelButton*>(&a);
        if (label != nullptr || qobject_cast<const DetailTextButton*>(&a) != nullptr)
            needed =
                QFontMetrics(skinFont(label ? label->pointSize() : DetailTextButton::kPointSize))
                    .boundingRect({}, Qt::AlignTop | Qt::AlignHCenter,
                                  static_cast<const QAbstractButton&>(a).text())
                    .size();
        EXPECT_EQ(a.size().expandedTo(needed), a.size()) << name << " cuts its content";
    }
    const ImageButton* cancel = dialog.cancelButton();
    EXPECT_TRUE(cancel == nullptr || dialog.okButton().x() > cancel->geometry().right());
}

}  // namespace sockwright::testing
