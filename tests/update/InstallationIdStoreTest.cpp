// The installation id: its form, and that a stored one is reused unless it could break the
// request line it travels in.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "update/InstallationIdStore.h"

namespace sockwright {
namespace {

TEST(InstallationIdStore, FormatsTheFieldsWithOnlyTheThirdGroupInLowerCase) {
    const QUuid uuid(0x0a1b2c3d, 0xbeef, 0xcafe, 0xd1, 0x02, 0xa3, 0x04, 0xb5, 0x06, 0xc7, 0x08);
    EXPECT_EQ(InstallationIdStore::format(uuid), "0A1B2C3D_BEEF_cafe_D102_A304B506C708");
}

TEST(InstallationIdStore, MakesAnIdOnceAndKeepsAnyUsableStoredText) {
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("SOCKWRIGHT.ini"));
    const std::optional<std::string> made = InstallationIdStore(file).installationId();
    ASSERT_TRUE(made);
    EXPECT_EQ(made->size(), 36u);
    EXPECT_EQ(InstallationIdStore(file).installationId(), made);

    // Written by hand: used as it stands, however short.
    QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("ID"), QStringLiteral("mine"));
    EXPECT_EQ(InstallationIdStore(file).installationId(), "mine");

    // A blank, a line break or a text too long for the store is replaced by a new id, which is
    // then kept.
    for (const QString& unusable :
         {QStringLiteral("a b"), QStringLiteral("x\r\nHost: elsewhere"), QString(255, 'x')}) {
        QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("ID"), unusable);
        const std::optional<std::string> renewed = InstallationIdStore(file).installationId();
        ASSERT_TRUE(renewed);
        EXPECT_EQ(renewed->size(), 36u);
        EXPECT_NE(renewed, made);
        EXPECT_EQ(InstallationIdStore(file).installationId(), renewed);
    }
}

}  // namespace
}  // namespace sockwright
