#include "ui/dialogs/SkinnedSelectionDialog.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

#include "ui/dialogs/AccountDialogParts.h"
#include "ui/skin/BuiltInImages.h"
#include "ui/skin/ButtonFaces.h"
#include "ui/skin/DialogSkin.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"

namespace sockwright {

SkinnedSelectionDialog::SkinnedSelectionDialog(const QString& title, Buttons buttons,
                                               QWidget* parent)
    : QDialog(parent, kDialogWindowFlags), ok_(new ImageButton(this)) {
    setWindowTitle(title);
    DialogSkin::apply(*this, kRed);

    // "&OK" gives OK the mnemonic Alt+O beside Enter; the caption itself is never drawn.
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setText(QStringLiteral("&OK"));
    ok_->setImage(builtInImage("OK"));
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);

    if (buttons == Buttons::OkAndCancel) {
        cancel_ = new ImageButton(this);
        cancel_->setObjectName(QStringLiteral("cancel"));
        cancel_->setText(QStringLiteral("&Cancel"));
        cancel_->setImage(builtInImage("Cancel"));
        connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
    }
}

QSize SkinnedSelectionDialog::buttonSize(const ImageButton& button, std::string_view face) {
    if (!button.image().isNull()) return button.sizeHint();
    const ButtonFace* builtIn = findButtonFace(face);
    return builtIn ? QSize(builtIn->width, builtIn->height) : QSize();
}

QSize SkinnedSelectionDialog::okSize() const {
    return buttonSize(*ok_, "OK");
}

QSize SkinnedSelectionDialog::cancelSize() const {
    return cancel_ ? buttonSize(*cancel_, "Cancel") : QSize();
}

void SkinnedSelectionDialog::keyPressEvent(QKeyEvent* event) {
    // The picture buttons are no push buttons, so QDialog knows no default button to press.
    if (pressOnEnter(*this, *event, *ok_)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);  // Escape rejects
}

void SkinnedSelectionDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const QRect& rule : rules_) painter.fillRect(rule, kOlive);
}

int skinTextWidth(const QString& text, int pointSizeTenths) {
    return skinTextSize(text, pointSizeTenths).width();
}

int skinLineHeight(int pointSizeTenths) {
    // What the drawing of one line takes, which may be a pixel more than the font's height.
    return skinTextSize(QStringLiteral("Xg"), pointSizeTenths).height();
}

QSize skinTextSize(const QString& text, int pointSizeTenths) {
    const QFontMetrics metrics(skinFont(pointSizeTenths));
    // As the labels draw it; a centred line may round to a pixel more than a left-aligned one.
    QSize size(0, metrics.height());
    for (const Qt::Alignment alignment : {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight})
        size =
            size.expandedTo(metrics.boundingRect(QRect(), Qt::AlignTop | alignment, text).size());
    return size;
}

}  // namespace sockwright
