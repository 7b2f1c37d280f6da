#include "ui/dialogs/AboutDialog.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "ui/DialogUnits.h"
#include "ui/skin/BuiltInImages.h"
#include "ui/skin/DialogSkin.h"

namespace sockwright {
namespace {

constexpr int kIconSize = 32;

void placeInUnits(QWidget& widget, int x, int y, int width, int height) {
    widget.setGeometry(dialogUnitsAcross(x), dialogUnitsDown(y), dialogUnitsAcross(width),
                       dialogUnitsDown(height));
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, kDialogWindowFlags), ok_(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("About Sockwright"));
    QFont systemFont = font();
    systemFont.setPointSize(8);
    setFont(systemFont);

    auto* icon = new QLabel(this);
    icon->setPixmap(programIcon().pixmap(kIconSize, kIconSize));
    icon->setGeometry(dialogUnitsAcross(11), dialogUnitsDown(14), kIconSize, kIconSize);

    auto* version = new QLabel(kVersionLine, this);
    placeInUnits(*version, 40, 10, 136, 8);
    auto* second = new QLabel(kSecondLine, this);
    placeInUnits(*second, 40, 25, 136, 8);

    placeInUnits(*ok_, 178, 7, 50, 14);
    ok_->setDefault(true);
    ok_->setFocus();
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(dialogUnitsAcross(235), dialogUnitsDown(55));
}

}  // namespace sockwright
