#include "ui/dialogs/AboutTextDialog.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QString>

#include "Texts.h"
#include "ui/DialogUnits.h"
#include "ui/dialogs/SkinnedDialogParts.h"
#include "ui/skin/DialogSkin.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"

namespace sockwright {
namespace {

// The text fills 250 by 129 dialog units, or more where the face drawing it needs more room;
// the OK button sits centred below it.
constexpr int kTextWidth = dialogUnitsAcross(250);
constexpr int kTextHeight = dialogUnitsDown(129);
constexpr int kTextPadding = 4;
constexpr int kButtonGap = 6;
constexpr int kMargin = 8;

QSize textArea(const LabelButton& label) {
    const QFontMetrics metrics(skinFont(label.pointSize()));
    const QSize needed =
        metrics.boundingRect(QRect(), Qt::AlignTop | Qt::AlignHCenter, label.text()).size() +
        QSize(2 * kTextPadding, kTextPadding);
    return needed.expandedTo(QSize(kTextWidth, kTextHeight));
}

}  // namespace

AboutTextDialog::AboutTextDialog(QWidget* parent)
    : QDialog(parent, kDialogWindowFlags),
      text_(new LabelButton(this)),
      ok_(new ImageButton(this)) {
    setWindowTitle(QStringLiteral("About Sockwright"));
    DialogSkin::apply(*this, kRed);

    const std::string_view thanks = text(TextThanks);
    text_->setText(fromLocalBytes(thanks));
    text_->setFocusPolicy(Qt::NoFocus);
    const QSize area = textArea(*text_);
    text_->setGeometry(0, 0, area.width(), area.height());

    ok_->setText(QStringLiteral("OK"));
    ok_->setFace("OK");
    // Without its picture the button still takes the room its face would.
    const QSize okSize = ok_->sizeHint();
    ok_->setGeometry((area.width() - okSize.width()) / 2, area.height() + kButtonGap,
                     okSize.width(), okSize.height());
    ok_->setFocus();
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);

    setFixedSize(area.width(), area.height() + kButtonGap + okSize.height() + kMargin);
}

void AboutTextDialog::keyPressEvent(QKeyEvent* event) {
    // The OK picture is no push button, so the dialog has no default button to press itself.
    if (pressOnEnter(*this, *event, *ok_)) return;
    QDialog::keyPressEvent(event);
}

}  // namespace sockwright
