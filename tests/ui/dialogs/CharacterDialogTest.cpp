#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <string>
#include <utility>

#include "support/FindControl.h"
#include "ui/dialogs/CharacterDialog.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

QLineEdit& field(const CharacterDialog& dialog, const char* name) {
    return findControl<QLineEdit>(dialog, name);
}
QString label(const CharacterDialog& dialog, const char* name) {
    return findControl<LabelButton>(dialog, name).text();
}
void press(const CharacterDialog& dialog, const char* name) {
    findControl<ImageButton>(dialog, name).click();
}

// The level field keeps only digits and holds the level within 1 to 99 on every change; an
// empty field is allowed while typing and leaves the level as it was.
TEST(CharacterDialogTest, LevelFieldKeepsDigitsWithinOneToNinetyNine) {
    struct Row {
        int start;
        const char* before;  // the field's text, the caret at `caret`, before the input
        int caret;
        const char* input;
        bool pasted;  // one change, as a paste makes; else typed key by key
        const char* shown;
        int level;
    };
    const Row rows[] = {
        {99, "", 0, "", false, "", 99},
        {99, "", 0, "5", false, "5", 5},
        {40, "", 0, "1a2", false, "12", 12},
        {40, "", 0, "1000", true, "99", 99},
        {40, "", 0, "150", false, "99", 99},
        {40, "", 0, "0", false, "1", 1},
        {40, "", 0, "007", true, "007", 7},
        {40, "", 0, "99999999999999999999", true, "99", 99},
        {40, "", 0, "-5", true, "5", 5},
        {40, "1", 0, "a2", false, "21", 21},  // the caret stays where the letter was
        {40, "45", 2, "\n6", true, "45", 45},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.before) + "|" + row.input);
        CharacterDialog dialog;
        dialog.setLevel(row.start);
        QLineEdit& level = field(dialog, "level");
        level.setText(row.before);
        level.setCursorPosition(row.caret);
        if (row.pasted) {
            level.insert(row.input);
        } else {
            QTest::keyClicks(&level, row.input);
        }
        EXPECT_EQ(level.text(), row.shown);
        press(dialog, "ok");
        EXPECT_EQ(dialog.level(), row.level);
    }
}

// Whatever reaches a name field stays on one line: the inserted text is cut at its first line
// break and loses its NULs, and what stood around it stays. On OK only an empty name is replaced.
TEST(CharacterDialogTest, NameFieldKeepsOneLineAndOkNamesAnEmptyNameNoName) {
    const QString nul(QChar(u'\0'));
    struct Row {
        QString before;
        int caret;
        QString inserted;
        std::string name;
    };
    const Row rows[] = {
        {"", 0, "AB\r\nCD", "AB"},      {"", 0, "line\rnext", "line"},
        {"", 0, "A" + nul + "B", "AB"}, {"XY", 1, nul + "1\n2", "X1Y"},
        {"X", 1, "\nrest", "X"},        {"", 0, "", "NoName"},
        {"", 0, "   ", "   "},          {"Enter Name", 10, "", "Enter Name"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.before.toStdString() + "|" + row.inserted.toStdString());
        CharacterDialog dialog;
        QLineEdit& name = field(dialog, "name");
        name.setText(row.before);
        name.setCursorPosition(row.caret);
        name.insert(row.inserted);
        press(dialog, "ok");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.name(), row.name);
    }
    CharacterDialog dialog;
    dialog.setName("first\nsecond");
    EXPECT_EQ(field(dialog, "name").text(), "first");
}

TEST(CharacterDialogTest, ClassAndTypeStepAroundTheirTablesKeepingTheEditedFields) {
    CharacterDialog dialog;
    EXPECT_EQ(label(dialog, "classValue") + " " + label(dialog, "typeValue"), "AMAZON EXPANSION");
    QStringList classes;
    for (int step = 0; step < 7; ++step) {
        press(dialog, "classNext");
        classes << label(dialog, "classValue");
    }
    EXPECT_EQ(classes.join(' '), "ASSASSIN BARBARIAN DRUID NECROMANCER SORCERESS PALADIN AMAZON");
    press(dialog, "classPrev");
    dialog.setCharacterType(0);
    press(dialog, "typePrev");
    EXPECT_EQ(label(dialog, "classValue") + " " + label(dialog, "typeValue"), "PALADIN HARDCORE");

    // What the user typed survives the steps.
    field(dialog, "name").setText("Akara");
    field(dialog, "level").setText("42");
    press(dialog, "typeNext");
    EXPECT_EQ(field(dialog, "name").text() + " " + field(dialog, "level").text(), "Akara 42");
    EXPECT_EQ(label(dialog, "typeValue"), "CLASSIC");

    // What the dialog shows is what it gives: an index outside a table shows and gives 0.
    dialog.setCharacterClass(9);
    dialog.setCharacterType(-1);
    EXPECT_EQ(label(dialog, "classValue") + " " + label(dialog, "typeValue"), "AMAZON CLASSIC");
    press(dialog, "ok");
    EXPECT_EQ(std::pair(dialog.characterClass(), dialog.characterType()), std::pair(0, 0));
    EXPECT_EQ(dialog.name(), "Akara");
    EXPECT_EQ(dialog.level(), 42);
}

}  // namespace
}  // namespace sockwright
