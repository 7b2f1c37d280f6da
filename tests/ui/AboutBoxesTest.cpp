// The two about boxes, and the links and boxes the main window opens through its dialog service.
#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "RecordingDialogService.h"
#include "RuntimeFolder.h"
#include "WidgetInput.h"
#include "Texts.h"
#include "ui/MainWindow.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/AboutTextDialog.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/SkinFont.h"

namespace sockwright {
namespace {

using testing::RecordingDialogService;
using testing::RuntimeFolder;
using testing::click;
using testing::pressKey;

QString textOf(int id) {
    return QString::fromLatin1(text(id).data(), static_cast<qsizetype>(text(id).size()));
}

TEST(AboutTextDialog, ShowsTheThanksFromOneLineDownAndClosesWithOk) {
    AboutTextDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Sockwright"));
    const QString thanks = dialog.textLabel().text();
    EXPECT_EQ(thanks, textOf(TextThanks));
    EXPECT_TRUE(thanks.startsWith(QLatin1Char('\n')));
    EXPECT_FALSE(thanks.endsWith(QLatin1Char('\n')));
    EXPECT_EQ(thanks.count(QLatin1Char('\n')), 12);
    EXPECT_EQ(dialog.textLabel().alignment, LabelButton::Centre);
    // At least 250 x 129 dialog units, and the whole text fits, with OK below it.
    const QRect area = dialog.textLabel().geometry();
    EXPECT_EQ(area.topLeft(), QPoint(0, 0));
    EXPECT_GE(area.width(), 375);
    EXPECT_GE(area.height(), 210);
    const QRect needed = QFontMetrics(skinFont(dialog.textLabel().pointSize))
                             .boundingRect(QRect(), Qt::AlignTop | Qt::AlignHCenter, thanks);
    EXPECT_LE(needed.width(), area.width());
    EXPECT_LE(needed.height(), area.height());
    EXPECT_GT(dialog.okButton().geometry().top(), area.bottom());
    EXPECT_LE(dialog.okButton().geometry().bottom(), dialog.height());

    dialog.show();
    click(dialog.okButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(AboutDialog, PlainBoxWithVersionAndDefaultOk) {
    AboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Sockwright"));
    EXPECT_TRUE(dialog.okButton().isDefault());
    QStringList lines;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        lines.push_back(label->text());
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << "cut: " << label->text().toStdString();
    }
    EXPECT_TRUE(lines.contains(QStringLiteral("Sockwright Version 1.0")));
    EXPECT_EQ(lines.size(), 2);
    dialog.show();
    pressKey(dialog, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(MainWindowCommands, BoxesAndLinksGoThroughTheDialogService) {
    RuntimeFolder runtime;
    RecordingDialogService dialogs;
    MainWindow window(dialogs);
    ASSERT_TRUE(window.initialise());
    window.show();

    click(window.aboutButton(), Qt::LeftButton);
    ASSERT_NE(window.aboutMenuEntry(), nullptr);
    window.aboutMenuEntry()->trigger();
    EXPECT_EQ(dialogs.dialogs,
              (std::vector<std::string>{"sockwright::AboutTextDialog", "sockwright::AboutDialog"}));

    click(window.logoButton(), Qt::LeftButton);
    click(window.titleButton(), Qt::LeftButton);
    click(window.contactLine(), Qt::LeftButton);
    EXPECT_EQ(dialogs.links, (QStringList{textOf(TextGamePage), textOf(TextHomePage),
                                          textOf(TextContactLink)}));
    EXPECT_TRUE(textOf(TextContactLink).startsWith(QStringLiteral("mailto:")));
    EXPECT_TRUE(window.isVisible()) << "none of these ends the window";
}

}  // namespace
}  // namespace sockwright
