// The pictures the build draws into its runtime folder: bmp/ and char/.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <vector>

#include "model/CharacterClass.h"
#include "model/EquipmentMask.h"
#include "support/ShippedData.h"

namespace sockwright {
namespace {

// The picture at a path under the runtime folder when it is a Windows bitmap, else a null image.
QImage bitmap(const QString& path) {
    QFile file(QStringLiteral(SOCKWRIGHT_BUILD_RUNTIME "/") + path);
    if (!file.open(QIODevice::ReadOnly) || file.peek(2) != "BM") return {};
    return QImageReader(&file, "bmp").read().convertToFormat(QImage::Format_RGB32);
}

// Whether the program finds each picture is seen at its start (ProgramStart); here, its size.
TEST(GeneratedPictures, EveryPictureHasAPlainAndASelBitmapOfItsSize) {
    // Named as the program reads the rune file, which is how it looks the pictures up.
    const RuneTable runes = testing::shippedRunes();
    std::vector<std::pair<QString, QSize>> pictures{{"Blank", {36, 36}}};
    for (int number = 1; number <= kRuneCount; ++number) {
        ASSERT_NE(runes.find(number), nullptr) << number;
        pictures.emplace_back(QString::fromStdString(runes.find(number)->name), QSize(36, 36));
    }
    for (const char* base : equipmentImageBaseNames()) pictures.emplace_back(base, QSize(40, 80));
    for (const auto& [base, size] : pictures) {
        SCOPED_TRACE(base.toStdString());
        EXPECT_EQ(bitmap("bmp/" + base + ".bmp").size(), size);
        EXPECT_EQ(bitmap("bmp/sel" + base + ".bmp").size(), size);
    }
}

TEST(GeneratedPictures, EveryClassHasItsOwnBitmapThatFitsLeftOfTheCardText) {
    QList<QImage> seen;
    for (const char* name : kCharacterClassNames) {
        SCOPED_TRACE(name);
        const QImage image = bitmap(QString("char/%1.bmp").arg(name));
        ASSERT_FALSE(image.isNull());
        EXPECT_LT(image.width(), 75);
        EXPECT_FALSE(seen.contains(image)) << "repeats another class";
        seen << image;
    }
}

}  // namespace
}  // namespace sockwright
