#include "ui/dialogs/SelectEquipmentDialog.h"

#include <algorithm>
#include <array>

#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/MaskToggleGroup.h"
#include "ui/skin/RuneToggleButton.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImages.h"

namespace sockwright {
namespace {

using ClickRule = RuneToggleButton::ClickRule;

constexpr int kLabelSize = LabelButton::kDefaultPointSize;
// The generated equipment pictures; the grid keeps this room when pictures are missing.
constexpr QSize kEquipmentPicture(40, 80);

constexpr int kMargin = 10;
constexpr int kCellPadding = 5;  // each side of the widest label in a cell
constexpr int kLabelGap = 1;     // between a button and the label under it
constexpr int kRowGap = 8;       // between one row of buttons and the next
constexpr int kGroupGap = 9;     // between the group column and the types, with a rule
constexpr int kRuleGap = 8;      // above and below the rule over Cancel and OK
constexpr int kButtonGap = 8;    // between Cancel and OK

// Where a button stands: the picture (index in equipmentImageBaseNames() order, so the types
// first in bit order, then the groups), its grid column and its top in half rows. Column 0 is
// the group column; the defence group heads it and the melee group stands below it, half way
// between the middle and the bottom row. The ranged group closes the top row at the right.
struct Place {
    const char* objectName;
    int picture;
    int column;
    int halfRow;
};

constexpr int kTypeCount = static_cast<int>(kEquipmentTypes.size());

constexpr int picture(EquipmentType type) {
    return static_cast<int>(type);
}
constexpr int picture(EquipmentGroup group) {
    return kTypeCount + static_cast<int>(group);
}

constexpr std::array<Place, kEquipmentImageCount> kPlaces{{
    {"defence", picture(EquipmentGroup::Defence), 0, 0},
    {"helms", picture(EquipmentType::Helms), 1, 0},
    {"armour", picture(EquipmentType::BodyArmour), 2, 0},
    {"shields", picture(EquipmentType::Shields), 3, 0},
    {"bows", picture(EquipmentType::Bows), 4, 0},
    {"crossbows", picture(EquipmentType::Crossbows), 5, 0},
    {"ranged", picture(EquipmentGroup::Ranged), 6, 0},
    {"axes", picture(EquipmentType::Axes), 1, 2},
    {"claws", picture(EquipmentType::Claws), 2, 2},
    {"daggers", picture(EquipmentType::Daggers), 3, 2},
    {"maces", picture(EquipmentType::Maces), 4, 2},
    {"orbs", picture(EquipmentType::Orbs), 5, 2},
    {"polearms", picture(EquipmentType::Polearms), 6, 2},
    {"melee", picture(EquipmentGroup::Melee), 0, 3},
    {"scepters", picture(EquipmentType::Scepters), 1, 4},
    {"spears", picture(EquipmentType::Spears), 2, 4},
    {"staves", picture(EquipmentType::Staves), 3, 4},
    {"swords", picture(EquipmentType::Swords), 4, 4},
    {"wands", picture(EquipmentType::Wands), 5, 4},
}};
constexpr int kColumnCount = 7;
constexpr int kHalfRowCount = 6;  // three rows

static_assert(static_cast<int>(EquipmentType::BodyArmour) == kTypeCount - 1,
              "the types' pictures come first, in the order of kEquipmentTypes");

bool isGroup(const Place& place) {
    return place.picture >= kTypeCount;
}
EquipmentMask bitsOf(const Place& place) {
    return isGroup(place) ? kEquipmentGroups[place.picture - kTypeCount].mask
                          : kEquipmentTypes[place.picture].bit;
}
const char* labelOf(const Place& place) {
    return isGroup(place) ? kEquipmentGroups[place.picture - kTypeCount].label
                          : kEquipmentTypes[place.picture].label;
}

}  // namespace

SelectEquipmentDialog::SelectEquipmentDialog(const SkinImages& images, QWidget* parent)
    : SkinnedSelectionDialog(QStringLiteral("Select Equipment"), Buttons::OkThenCancel, parent),
      types_(new MaskToggleGroup(this)) {
    QSize picture = kEquipmentPicture;
    for (const QPixmap& image : images.equipment.plain) picture = picture.expandedTo(image.size());
    const QSize button = picture + QSize(2, 2);  // the picture is drawn one pixel in
    const int labelHeight = skinLineHeight(kLabelSize);

    // One cell width for every column, wide enough for "CROSSBOWS" under a narrow picture.
    int widestLabel = 0;
    for (const Place& place : kPlaces)
        widestLabel =
            std::max(widestLabel, skinTextWidth(QString::fromLatin1(labelOf(place)), kLabelSize));
    const int cell = std::max(button.width(), widestLabel + 2 * kCellPadding);
    const int rowPitch = button.height() + kLabelGap + labelHeight + kRowGap;
    const auto cellLeft = [&](int column) {
        return kMargin + column * cell + (column > 0 ? kGroupGap : 0);
    };

    for (const Place& place : kPlaces) {
        const QString name = QString::fromLatin1(place.objectName);
        auto* toggle = new RuneToggleButton(this);
        toggle->setObjectName(name);
        toggle->setImages(images.equipment.highlighted[place.picture],
                          images.equipment.plain[place.picture]);
        auto* label = new LabelButton(QString::fromLatin1(labelOf(place)), this);
        label->setObjectName(name + QStringLiteral("Label"));
        toggle->setLabel(label);
        types_->add(toggle, bitsOf(place),
                    isGroup(place) ? ClickRule::SetOrClearAll : ClickRule::FlipEachBit);

        const int x = cellLeft(place.column);
        const int y = kMargin + place.halfRow * rowPitch / 2;
        toggle->setGeometry(x + (cell - button.width()) / 2, y, button.width(), button.height());
        label->setGeometry(x, y + button.height() + kLabelGap, cell, labelHeight);
    }

    const int gridBottom = kMargin + kHalfRowCount * rowPitch / 2 - kRowGap;
    const int width = cellLeft(kColumnCount) + kMargin;
    addRule(QRect(kMargin + cell + kGroupGap / 2, kMargin, 1, gridBottom - kMargin));
    const int ruleY = gridBottom + kRuleGap;
    addRule(QRect(kMargin, ruleY, width - 2 * kMargin, 1));

    const QSize ok = okButton().size();
    const QSize cancel = cancelButton()->size();
    const int buttonsTop = ruleY + 1 + kRuleGap;
    const int buttonsHeight = std::max(ok.height(), cancel.height());
    const int okX = width - kMargin - ok.width();
    okButton().setGeometry(okX, buttonsTop + (buttonsHeight - ok.height()) / 2, ok.width(),
                           ok.height());
    cancelButton()->setGeometry(okX - kButtonGap - cancel.width(),
                                buttonsTop + (buttonsHeight - cancel.height()) / 2, cancel.width(),
                                cancel.height());
    setFixedSize(width, buttonsTop + buttonsHeight + kMargin);
    okButton().setFocus();
}

void SelectEquipmentDialog::setEquipment(EquipmentMask equipment) {
    types_->setMask(equipment);
}

EquipmentMask SelectEquipmentDialog::equipment() const {
    return types_->mask();
}

}  // namespace sockwright
