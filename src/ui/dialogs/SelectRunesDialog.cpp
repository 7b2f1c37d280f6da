#include "ui/dialogs/SelectRunesDialog.h"

#include <QKeySequence>
#include <algorithm>

#include "model/CharacterRunes.h"
#include "model/RuneTable.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/MaskToggleGroup.h"
#include "ui/skin/RuneToggleButton.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImages.h"

namespace sockwright {
namespace {

using ClickRule = RuneToggleButton::ClickRule;

constexpr int kLabelSize = LabelButton::kDefaultPointSize;
// The generated rune and blank pictures; the grid keeps this room when pictures are missing.
constexpr QSize kRunePicture(36, 36);

constexpr int kMargin = 10;
constexpr int kCellPadding = 4;    // each side of the widest name in a grid cell
constexpr int kLabelGap = 1;       // between a button and the label under it
constexpr int kRowGap = 6;         // between one rune row and the next
constexpr int kRowColumnGap = 9;   // between the row buttons and the runes, with a rule
constexpr int kRuleGap = 8;        // above and below the rule under the grid
constexpr int kLineGap = 6;        // between the logic line and the count line
constexpr int kHeadingGap = 10;    // after the longer heading
constexpr int kChoicePadding = 6;  // each side of a choice's text
constexpr int kMinimumChoiceWidth = 24;
constexpr int kButtonGap = 8;  // between the choices, Cancel and OK

constexpr const char* kRowNames[kRuneRowCount] = {"Common", "Medium", "Rare"};

struct ChoiceText {
    const char* text;
    const char* objectName;
    int value;
};

constexpr ChoiceText kLogicChoices[] = {
    {"ANY", "logicAny", static_cast<int>(RuneLogic::Any)},
    {"ALL", "logicAll", static_cast<int>(RuneLogic::All)},
    {"COMPLETE", "logicComplete", static_cast<int>(RuneLogic::Complete)},
};

constexpr ChoiceText kCountChoices[] = {
    {"1", "count1", 1},
    {"2", "count2", 2},
    {"3", "count3", 3},
    {"4", "count4", 4},
    {"5", "count5", 5},
    {"6", "count6", 6},
    {"ANY", "countAny", kAnyRuneCount},
};

QPixmap pictureOrNone(const QPixmap* picture) {
    return picture ? *picture : QPixmap();
}

const QString kCountHelp = QStringLiteral(
    "Click: own it or not\n"
    "Wheel, Shift+click or +: one more\n"
    "Ctrl+click or -: one fewer\n"
    "Right click: the rune's details");

int choiceWidth(const LabelButton& label) {
    return std::max(kMinimumChoiceWidth,
                    skinTextWidth(label.text(), kLabelSize) + 2 * kChoicePadding);
}

}  // namespace

SelectRunesDialog::SelectRunesDialog(const RuneTable& runeTable, const SkinImages& images,
                                     QWidget* parent)
    : SkinnedSelectionDialog(QStringLiteral("Select Runes"), Buttons::OkThenCancel, parent) {
    draft_.runes = RuneSet{};
    draft_.runeCounts = RuneCounts{};
    buildGrid(runeTable, images);
    buildChoices();

    QSize runePicture = kRunePicture;
    for (const RuneToggleButton* button : runeButtons_)
        runePicture = runePicture.expandedTo(button->currentImage().size());
    runePicture = runePicture.expandedTo(images.blanks.plain.size());
    layOut(runePicture);
    showChoices();
    okButton().setFocus();
}

void SelectRunesDialog::buildGrid(const RuneTable& runeTable, const SkinImages& images) {
    for (int row = 0; row < kRuneRowCount; ++row) {
        rows_[row] = new MaskToggleGroup(this);

        auto* rowButton = new RuneToggleButton(this);
        rowButton->setObjectName(QStringLiteral("row%1").arg(row));
        rowButton->setImages(images.blanks.highlighted, images.blanks.plain);
        rows_[row]->add(rowButton, kWholeRuneRow, ClickRule::SetOrClearAll);
        rowButtons_[row] = rowButton;
        connect(rows_[row], &MaskToggleGroup::maskChanged, this,
                [this, row](std::uint32_t mask) { rowChanged(row, mask); });

        // The row labels stay white: they name the row, not its state.
        auto* rowLabel = new LabelButton(QString::fromLatin1(kRowNames[row]), this);
        rowLabel->setObjectName(QStringLiteral("rowLabel%1").arg(row));
        rowLabels_[row] = rowLabel;
    }

    for (int number = 1; number <= kRuneCount; ++number) {
        const int index = number - 1;
        const Rune* rune = runeTable.find(number);
        auto* button = new RuneToggleButton(this);
        button->setObjectName(QStringLiteral("rune%1").arg(number));
        auto* label = new LabelButton(this);
        label->setObjectName(QStringLiteral("runeLabel%1").arg(number));
        if (rune != nullptr) {
            label->setText(fromLocalBytes(rune->name));
            // A name is no caption: a '&' in it must not become a keyboard shortcut.
            label->setShortcut(QKeySequence());
            button->setImages(pictureOrNone(images.runes.highlightedOf(number)),
                              pictureOrNone(images.runes.plainOf(number)));
            button->setRuneNumber(number);
            connect(button, &RuneToggleButton::runeDetailsRequested, this,
                    &SelectRunesDialog::runeDetailsRequested);
            button->setCounting(true);
            button->setToolTip(kCountHelp);
            connect(button, &RuneToggleButton::countStepRequested, this,
                    [this, number](int step) { stepCount(number, step); });
        } else {
            // A slot the rune file left empty shows nothing and cannot be clicked; its bit still
            // belongs to the row, so the row button and the saved masks keep their meaning.
            button->setEnabled(false);
            button->setFocusPolicy(Qt::NoFocus);
        }
        button->setLabel(label);
        rows_[runeRow(number)]->add(button, runeBit(number), ClickRule::FlipEachBit);
        runeButtons_[index] = button;
        runeLabels_[index] = label;
    }
}

void SelectRunesDialog::buildChoices() {
    logicHeading_ = new LabelButton(QStringLiteral("Rune Logic"), this);
    logicHeading_->setObjectName(QStringLiteral("logicHeading"));
    logicHeading_->setLeft();
    countHeading_ = new LabelButton(QStringLiteral("Rune No."), this);
    countHeading_->setObjectName(QStringLiteral("countHeading"));
    countHeading_->setLeft();

    const auto makeChoice = [this](const ChoiceText& text) {
        auto* label = new LabelButton(QString::fromLatin1(text.text), this);
        label->setObjectName(QString::fromLatin1(text.objectName));
        label->setCursor(Qt::PointingHandCursor);
        return Choice{label, text.value};
    };
    for (std::size_t i = 0; i < logicChoices_.size(); ++i) {
        logicChoices_[i] = makeChoice(kLogicChoices[i]);
        const int value = logicChoices_[i].value;
        connect(logicChoices_[i].label, &QAbstractButton::clicked, this,
                [this, value] { setRuneLogic(static_cast<RuneLogic>(value)); });
    }
    for (std::size_t i = 0; i < countChoices_.size(); ++i) {
        countChoices_[i] = makeChoice(kCountChoices[i]);
        const int value = countChoices_[i].value;
        connect(countChoices_[i].label, &QAbstractButton::clicked, this,
                [this, value] { setRuneCountFilter(value); });
    }
}

void SelectRunesDialog::layOut(QSize runePicture) {
    const QSize button = runePicture + QSize(2, 2);  // the picture is drawn one pixel in
    const int labelHeight = skinLineHeight(kLabelSize);

    // One cell width for every column, wide enough for the longest name of the rune file.
    int widestName = 0;
    for (const LabelButton* label : runeLabels_)
        widestName = std::max(widestName, skinTextWidth(label->text(), kLabelSize));
    for (const LabelButton* label : rowLabels_)
        widestName = std::max(widestName, skinTextWidth(label->text(), kLabelSize));
    const int cell = std::max(button.width(), widestName + 2 * kCellPadding);
    const int rowPitch = button.height() + kLabelGap + labelHeight + kRowGap;

    const auto placeInCell = [&](QWidget* buttonWidget, LabelButton* label, int x, int y) {
        buttonWidget->setGeometry(x + (cell - button.width()) / 2, y, button.width(),
                                  button.height());
        label->setGeometry(x, y + button.height() + kLabelGap, cell, labelHeight);
    };
    const int runesLeft = kMargin + cell + kRowColumnGap;
    for (int row = 0; row < kRuneRowCount; ++row) {
        const int y = kMargin + row * rowPitch;
        placeInCell(rowButtons_[row], rowLabels_[row], kMargin, y);
        for (int place = 0; place < kRunesPerRow; ++place) {
            const int index = row * kRunesPerRow + place;
            placeInCell(runeButtons_[index], runeLabels_[index], runesLeft + place * cell, y);
        }
    }
    const int gridBottom = kMargin + kRuneRowCount * rowPitch - kRowGap;
    const int gridRight = runesLeft + kRunesPerRow * cell;
    addRule(QRect(kMargin + cell + kRowColumnGap / 2, kMargin, 1, gridBottom - kMargin));

    // The two choice lines under a rule, their choices starting after the longer heading.
    const int ruleY = gridBottom + kRuleGap;
    const int headingWidth = std::max(skinTextWidth(logicHeading_->text(), kLabelSize),
                                      skinTextWidth(countHeading_->text(), kLabelSize));
    const int choicesLeft = kMargin + headingWidth + kHeadingGap;
    const auto placeLine = [&](LabelButton* heading, auto& choices, int y) {
        heading->setGeometry(kMargin, y, headingWidth, labelHeight);
        int x = choicesLeft;
        for (const Choice& choice : choices) {
            const int width = choiceWidth(*choice.label);
            choice.label->setGeometry(x, y, width, labelHeight);
            x += width;
        }
        return x;
    };
    const int logicY = ruleY + 1 + kRuleGap;
    placeLine(logicHeading_, logicChoices_, logicY);

    // The count line is as tall as its picture buttons; its labels sit in the middle.
    const QSize cancel = cancelButton()->size();
    const QSize ok = okButton().size();
    const int countLineTop = logicY + labelHeight + kLineGap;
    const int countLineHeight = std::max({labelHeight, cancel.height(), ok.height()});
    const int countsRight =
        placeLine(countHeading_, countChoices_, countLineTop + (countLineHeight - labelHeight) / 2);

    const int width =
        std::max(gridRight, countsRight + kButtonGap + cancel.width() + kButtonGap + ok.width()) +
        kMargin;
    addRule(QRect(kMargin, ruleY, width - 2 * kMargin, 1));

    const int okX = width - kMargin - ok.width();
    okButton().setGeometry(okX, countLineTop + (countLineHeight - ok.height()) / 2, ok.width(),
                           ok.height());
    cancelButton()->setGeometry(okX - kButtonGap - cancel.width(),
                                countLineTop + (countLineHeight - cancel.height()) / 2,
                                cancel.width(), cancel.height());
    setFixedSize(width, countLineTop + countLineHeight + kMargin);
}

void SelectRunesDialog::setSelection(const RuneSet& runes, RuneCountFilter runeCountFilter,
                                     RuneLogic runeLogic) {
    setRunes(runes);
    setRuneCountFilter(runeCountFilter);
    setRuneLogic(runeLogic);
}

void SelectRunesDialog::setRunes(const RuneSet& runes) {
    for (int row = 0; row < kRuneRowCount; ++row) rows_[row]->setMask(runes.rows[row]);
}

void SelectRunesDialog::setRuneCountFilter(RuneCountFilter runeCountFilter) {
    runeCountFilter_ = runeCountFilter;
    showChoices();
}

void SelectRunesDialog::setRuneLogic(RuneLogic runeLogic) {
    runeLogic_ = runeLogic;
    showChoices();
}

void SelectRunesDialog::setRuneCounts(const RuneCounts& counts) {
    sockwright::setRuneCounts(draft_, counts);
    setRunes(draft_.runes);
    showCounts();
}

void SelectRunesDialog::rowChanged(int row, std::uint32_t mask) {
    draft_.runes.rows[row] = mask;
    followRuneBits(draft_);
    showCounts();
}

void SelectRunesDialog::stepCount(int rune, int step) {
    setRuneCount(draft_, rune, draft_.runeCounts.count(rune) + step);
    const int row = runeRow(rune);
    rows_[row]->setMask(draft_.runes.rows[row]);
    showCounts();
}

void SelectRunesDialog::showCounts() {
    for (int rune = 1; rune <= kRuneCount; ++rune)
        runeButtons_[rune - 1]->setCount(draft_.runeCounts.count(rune));
}

void SelectRunesDialog::showChoices() {
    // A value outside the choices (an edited settings file) lights none of them.
    for (const Choice& choice : logicChoices_)
        choice.label->setTextColour(choice.value == static_cast<int>(runeLogic_) ? kWhite : kGrey);
    for (const Choice& choice : countChoices_)
        choice.label->setTextColour(choice.value == runeCountFilter_ ? kWhite : kGrey);
}

}  // namespace sockwright
