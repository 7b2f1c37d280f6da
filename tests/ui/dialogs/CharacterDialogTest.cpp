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
    // The field; its text, the caret in its middle; the input, pasted as one change or typed key
    // by key; the text shown; the level or the name after OK.
    const std::tuple<const char*, QString, QString, bool, QString, std::string> rows[] = {
        {"level", "", "", false, "", "40"},
        {"level", "", "1a2", false, "12", "12"},
        {"level", "", "1000", true, "99", "99"},
        {"level", "", "0", false, "1", "1"},
        {"level", "", "99999999999999999999", true, "99", "99"},
        {"level", "1", "a2", false, "21", "21"},  // the caret stays where the letter was
        {"name", "", "AB\r\nCD", true, "AB", "AB"},
        {"name", "XY", nul + "1\n2", true, "X1Y", "X1Y"},
        {"name", "", "", true, "", "NoName"},
    };
    for (const auto& [name, before, input, pasted, shown, given] : rows) {
        SCOPED_TRACE(before.toStdString() + "|" + input.toStdString());
        CharacterDialog dialog;
        dialog.setLevel(40);
        QLineEdit& field = findControl<QLineEdit>(dialog, name);
        field.setText(before);
        field.setCursorPosition(static_cast<int>(before.size() / 2));
        pasted ? field.insert(input) : QTest::keyClicks(&field, input);
        EXPECT_EQ(field.text(), shown);
        EXPECT_EQ(pressButton(dialog, "ok"), QDialog::Accepted);
        EXPECT_EQ(name[0] == 'l' ? std::to_string(dialog.level()) : dialog.name(), given);
    }
}

}  // namespace
}  // namespace sockwright
