#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <string>
#include <tuple>

#include "ui/RecordingDialogService.h"
#include "ui/dialogs/CharacterDialog.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

// The level field keeps only digits and holds the level within 1 to 99 on every change; left
// empty, the level stays as it was. Whatever reaches the name field stays on one line: the
// inserted text is cut at its first line break and loses its NULs, and what stood around it
// stays. On OK only an empty name is replaced.
TEST(CharacterDialogTest, FieldsKeepWhatTheyMayHold) {
    const QString nul(QChar(u'\0'));
    struct Row {
        const char* field;
        QString before;  // the field's text, the caret in its middle
        QString input;
        bool pasted;  // one change, as a paste makes; else typed key by key
        QString shown;
        std::string given;  // the level or the name after OK
    };
    const Row rows[] = {
        {"level", "", "", false, "", "40"},
        {"level", "", "1a2", false, "12", "12"},
        {"level", "", "1000", true, "99", "99"},
        {"level", "", "0", false, "1", "1"},
        {"level", "", "99999999999999999999", true, "99", "99"},
        {"level", "1", "a2", false, "21", "21"},  // the caret stays where the letter was
        {"name", "", "AB\r\nCD", true, "AB", "AB"},
        {"name", "", "A" + nul + "B", true, "AB", "AB"},
        {"name", "XY", nul + "1\n2", true, "X1Y", "X1Y"},
        {"name", "", "", true, "", "NoName"},
        {"name", "", "   ", true, "   ", "   "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.before.toStdString() + "|" + row.input.toStdString());
        CharacterDialog dialog;
        dialog.setLevel(40);
        QLineEdit& field = findControl<QLineEdit>(dialog, row.field);
        field.setText(row.before);
        field.setCursorPosition(static_cast<int>(row.before.size() / 2));
        if (row.pasted) {
            field.insert(row.input);
        } else {
            QTest::keyClicks(&field, row.input);
        }
        EXPECT_EQ(field.text(), row.shown);
        pressButton(dialog, "ok");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(row.field[0] == 'l' ? std::to_string(dialog.level()) : dialog.name(), row.given);
    }
}

// The class and type steps wrap around their tables both ways and keep what was typed.
TEST(CharacterDialogTest, ClassAndTypeStepsWrapAndKeepTheTypedFields) {
    CharacterDialog dialog;
    findControl<QLineEdit>(dialog, "name").setText("Akara");
    findControl<QLineEdit>(dialog, "level").setText("42");
    for (const char* button :
         {"classPrev", "classNext", "classNext", "typeNext", "typeNext", "typePrev", "ok"})
        pressButton(dialog, button);
    EXPECT_EQ(
        std::tuple(dialog.name(), dialog.level(), dialog.characterClass(), dialog.characterType()),
        std::tuple("Akara", 42, 1, 2));
}

}  // namespace
}  // namespace sockwright
