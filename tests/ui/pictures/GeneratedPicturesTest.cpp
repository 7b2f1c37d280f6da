// The pictures the build draws into its runtime folder: bmp/ and char/.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include "model/CharacterClass.h"
#include "model/EquipmentMask.h"
#include "model/RuneSet.h"

namespace sockwright {
namespace {

const QString kRuntime = QStringLiteral(SOCKWRIGHT_BUILD_RUNTIME);

QStringList shippedRuneNames() {
    QStringList names;
    QFile file(QStringLiteral(SOCKWRIGHT_SHIPPED_DATA "/runes.txt"));
    if (!file.open(QIODevice::ReadOnly)) return names;
    for (QByteArray line : file.readAll().split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        if (!line.isEmpty() && names.size() < kRuneCount) names << QString::fromLatin1(line.left(line.indexOf(':')));
    }
    return names;
}

// A Windows bitmap file of exactly this size; reports what is wrong otherwise.
::testing::AssertionResult isBitmap(const QString& relativePath, QSize expected = {}) {
    const QString path = kRuntime + "/" + relativePath;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return ::testing::AssertionFailure() << "missing " << path.toStdString();
    if (file.read(2) != "BM") return ::testing::AssertionFailure() << path.toStdString() << " is not a bitmap";
    file.close();
    QImageReader reader(path);
    if (reader.format() != "bmp") return ::testing::AssertionFailure() << path.toStdString() << " is not read as BMP";
    const QImage image = reader.read();
    if (image.isNull()) return ::testing::AssertionFailure() << path.toStdString() << " does not decode";
    if (expected.isValid() && image.size() != expected) {
        return ::testing::AssertionFailure() << path.toStdString() << " is " << image.width() << "x"
                                             << image.height() << ", not " << expected.width() << "x"
                                             << expected.height();
    }
    return ::testing::AssertionSuccess();
}

// Average warmth (red above blue) and spread of the colours of a picture's non-black pixels.
struct Tint {
    double warmth = 0;
    double saturation = 0;
};

Tint tintOf(const QString& relativePath) {
    const QImage image = QImage(kRuntime + "/" + relativePath).convertToFormat(QImage::Format_RGB32);
    Tint tint;
    int counted = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::max({c.red(), c.green(), c.blue()}) < 24) continue;
            tint.warmth += c.red() - c.blue();
            tint.saturation += std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
            ++counted;
        }
    }
    if (counted > 0) {
        tint.warmth /= counted;
        tint.saturation /= counted;
    }
    return tint;
}

TEST(GeneratedPictures, EveryRuneHasAPlainAndALitStoneNamedAsInTheRuneFile) {
    const QStringList names = shippedRuneNames();
    ASSERT_EQ(names.size(), kRuneCount);
    for (const QString& name : names) {
        EXPECT_TRUE(isBitmap("bmp/" + name + ".bmp", {36, 36}));
        EXPECT_TRUE(isBitmap("bmp/sel" + name + ".bmp", {36, 36}));
    }
    EXPECT_TRUE(isBitmap("bmp/Blank.bmp", {36, 36}));
    EXPECT_TRUE(isBitmap("bmp/selBlank.bmp", {36, 36}));
}

TEST(GeneratedPictures, EveryEquipmentTypeAndGroupHasATallPlainAndLitPicture) {
    for (const char* base : equipmentImageBaseNames()) {
        EXPECT_TRUE(isBitmap(QString("bmp/%1.bmp").arg(base), {40, 80}));
        EXPECT_TRUE(isBitmap(QString("bmp/sel%1.bmp").arg(base), {40, 80}));
    }
}

TEST(GeneratedPictures, PlainPicturesAreDimGreyAndSelPicturesLitGold) {
    QStringList bases = shippedRuneNames();
    bases << "Blank";
    for (const char* base : equipmentImageBaseNames()) bases << base;
    for (const QString& base : bases) {
        const Tint plain = tintOf("bmp/" + base + ".bmp");
        const Tint lit = tintOf("bmp/sel" + base + ".bmp");
        EXPECT_LT(plain.saturation, 12) << base.toStdString() << " should be grey";
        EXPECT_GT(lit.warmth, plain.warmth + 30) << "sel" << base.toStdString() << " should be gold";
    }
}

TEST(GeneratedPictures, ClassPicturesFitLeftOfTheCardText) {
    for (const char* name : kCharacterClassNames) {
        const QString path = QString("char/%1.bmp").arg(name);
        ASSERT_TRUE(isBitmap(path));
        const QImage image(kRuntime + "/" + path);
        EXPECT_LT(image.width(), 75) << name;
        EXPECT_GT(image.height(), 0) << name;
    }
}

TEST(GeneratedPictures, EveryClassHasItsOwnPicture) {
    QList<QImage> seen;
    for (const char* name : kCharacterClassNames) {
        const QImage image = QImage(kRuntime + QString("/char/%1.bmp").arg(name)).convertToFormat(QImage::Format_RGB32);
        for (const QImage& other : seen) EXPECT_NE(image, other) << name << " repeats another class";
        seen << image;
    }
}

}  // namespace
}  // namespace sockwright
