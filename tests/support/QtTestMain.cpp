// Test entry point for widget tests: a QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
    // Test discovery runs this binary at build time without ctest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // What the program keeps in the user's settings (the installation id) goes to a folder of
    // the run's own, never to the settings of the user running the tests.
    const QTemporaryDir userSettings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userSettings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
