#include "ui/dialogs/RuneDetailsDialog.h"

#include <QStringList>
#include <algorithm>

#include "engine/RunewordDetails.h"
#include "model/Rune.h"
#include "ui/dialogs/SkinnedDialogParts.h"
#include "ui/skin/DetailTextButton.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinTextSizes.h"

namespace sockwright {
namespace {

constexpr int kLevelSize = LabelButton::kDefaultPointSize;
// The generated rune pictures; the dialog keeps this room when the picture is missing.
constexpr QSize kRunePicture(36, 36);

constexpr int kMargin = 10;
constexpr int kTextPadding = 8;  // each side of the widest line
constexpr int kGap = 6;          // between the controls, top to bottom
constexpr int kRuleGap = 8;      // above and below the rules around the details

// Every rune of the shipped rune file fits a panel of this many lines, each as wide as this
// line (Ist's weapon bonus, the widest; El has the most lines). The dialog then keeps one size
// for all of them and grows only for a longer text of an edited rune file.
constexpr const char* kWidestShippedLine = "30% Better Chance of Getting Magic Items";
constexpr int kMostShippedLines = 11;

QSize detailsArea(const QString& text) {
    QStringList shippedLines;
    for (int line = 0; line < kMostShippedLines; ++line)
        shippedLines << QString::fromLatin1(kWidestShippedLine);
    const QSize shipped = skinTextSize(shippedLines.join('\n'), DetailTextButton::kPointSize);
    return skinTextSize(text, DetailTextButton::kPointSize).expandedTo(shipped);
}

}  // namespace

RuneDetailsDialog::RuneDetailsDialog(const Rune& rune, const QPixmap* highlightedImage,
                                     QWidget* parent)
    : SkinnedSelectionDialog(QStringLiteral("Rune Details"), Buttons::Ok, parent) {
    // One arg() for both, so that a "%2" in the name stays part of the name.
    auto* name = makeSkinLabel(
        this, QStringLiteral("nameLabel"),
        QStringLiteral("%1 (%2)").arg(fromLocalBytes(rune.name), QString::number(rune.number)));
    name->setPointSize(textSize::kRuneName);

    // The picture is a button only to be drawn like the others; it does nothing.
    auto* image = new ImageButton(this);
    image->setObjectName(QStringLiteral("image"));
    image->setFocusPolicy(Qt::NoFocus);
    if (highlightedImage != nullptr) image->setImage(*highlightedImage);

    auto* level = new LabelButton(QStringLiteral("REQUIRED LEVEL: %1").arg(rune.level), this);
    level->setObjectName(QStringLiteral("levelLabel"));

    auto* details = new DetailTextButton(this);
    details->setObjectName(QStringLiteral("details"));
    details->setText(fromLocalBytes(runeDetailsText(rune)));

    const QSize nameSize = skinTextSize(name->text(), textSize::kRuneName);
    const QSize levelSize = skinTextSize(level->text(), kLevelSize);
    const QSize detailsSize = detailsArea(details->text());
    const QSize picture = image->image().isNull() ? kRunePicture : image->sizeHint();
    const QSize ok = okButton().size();
    const int inner =
        std::max({nameSize.width(), levelSize.width(), detailsSize.width(), picture.width()}) +
        2 * kTextPadding;
    const int width = inner + 2 * kMargin;
    const auto centred = [&](int itemWidth) { return (width - itemWidth) / 2; };

    int y = kMargin;
    name->setGeometry(kMargin, y, inner, nameSize.height());
    y += nameSize.height() + kGap;
    image->setGeometry(centred(picture.width()), y, picture.width(), picture.height());
    y += picture.height() + kGap;
    level->setGeometry(kMargin, y, inner, levelSize.height());
    y += levelSize.height() + kRuleGap;
    addRule(QRect(kMargin, y, inner, 1));
    y += 1 + kRuleGap;
    details->setGeometry(kMargin, y, inner, detailsSize.height());
    y += detailsSize.height() + kRuleGap;
    addRule(QRect(kMargin, y, inner, 1));
    y += 1 + kRuleGap;
    okButton().setGeometry(centred(ok.width()), y, ok.width(), ok.height());
    setFixedSize(width, y + ok.height() + kMargin);
    okButton().setFocus();
}

}  // namespace sockwright
