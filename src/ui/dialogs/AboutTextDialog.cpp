#include "ui/dialogs/AboutTextDialog.h"

#include <QFontMetrics>
#include <QString>

#include "Texts.h"
#include "ui/DialogUnits.h"
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
    : SkinnedDialog(QStringLiteral("About Sockwright"), kRed, parent),
      text_(new LabelButton(this)) {
    const std::string_view thanks = text(TextThanks);
    text_->setText(fromLocalBytes(thanks));
    text_->setFocusPolicy(Qt::NoFocus);
    const QSize area = textArea(*text_);
    text_->setGeometry(0, 0, area.width(), area.height());

    addButtons(Buttons::Ok);
    ImageButton& ok = okButton();
    ok.move((area.width() - ok.width()) / 2, area.height() + kButtonGap);
    ok.setFocus();
    setFixedSize(area.width(), area.height() + kButtonGap + ok.height() + kMargin);
}

}  // namespace sockwright
