#include "ui/dialogs/CharacterDialog.h"

#include <QStringList>
#include <algorithm>
#include <optional>

#include "model/Account.h"
#include "model/CharacterClass.h"
#include "ui/dialogs/SkinLineEdit.h"
#include "ui/dialogs/SkinStepper.h"
#include "ui/dialogs/SkinnedDialogParts.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {
namespace {

constexpr int kMargin = 10;
constexpr int kCaptionWidth = 70;
constexpr int kColumnGap = 10;
constexpr int kMinValueWidth = 200;
constexpr int kRowPitch = 32;
constexpr int kLabelHeight = 20;
constexpr int kButtonGap = 8;

// The decimal number of a text of digits; anything beyond kMaxLevel stays above it without
// overflowing, however many digits there are. Nothing for an empty text.
std::optional<int> digitsValue(const QString& digits) {
    if (digits.isEmpty()) return std::nullopt;
    int value = 0;
    for (const QChar c : digits) value = std::min(value * 10 + (c.unicode() - u'0'), 1000);
    return value;
}

QString onlyDigits(const QString& text) {
    QString digits;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9') digits.append(c);
    }
    return digits;
}

// The digits at the start of a text, the rest ignored.
QString leadingDigits(const QString& text) {
    qsizetype end = 0;
    while (end < text.size() && text[end] >= u'0' && text[end] <= u'9') ++end;
    return text.left(end);
}

}  // namespace

CharacterDialog::CharacterDialog(QWidget* parent)
    : SkinnedDialog(QStringLiteral("Character"), kWhite, parent) {
    createControls();
    placeControls();
    showValues();
    nameField_->setFocus();
}

void CharacterDialog::createControls() {
    const auto caption = [this](const char* name, const char* text) {
        return makeSkinLabel(this, QLatin1String(name), QLatin1String(text));
    };
    const auto entries = [](const auto& names) {
        QStringList list;
        for (const char* name : names) list << QLatin1String(name);
        return list;
    };

    nameCaption_ = caption("nameCaption", "Name");
    nameField_ = new SkinLineEdit(this);
    nameField_->setObjectName(QStringLiteral("name"));

    levelCaption_ = caption("levelCaption", "Level");
    levelField_ = new SkinLineEdit(this);
    levelField_->setObjectName(QStringLiteral("level"));
    connect(levelField_, &QLineEdit::textChanged, this, &CharacterDialog::filterLevel);

    classCaption_ = caption("classCaption", "Class");
    class_ = new SkinStepper(QStringLiteral("class"), QStringLiteral("&Prev"),
                             QStringLiteral("Ne&xt"), this);
    class_->setEntries(entries(kCharacterClassNames));

    typeCaption_ = caption("typeCaption", "Type");
    type_ = new SkinStepper(QStringLiteral("type"), QStringLiteral("Prev"), QStringLiteral("Next"),
                            this);
    type_->setEntries(entries(kCharacterTypeNames));
    type_->setIndex(kExpansionCharacter);

    addButtons(Buttons::CancelThenOk);

    // A step keeps what the fields hold.
    for (SkinStepper* stepper : {class_, type_}) {
        connect(stepper, &SkinStepper::stepped, this, [this] {
            takeFieldsBack();
            showValues();
        });
    }
}

void CharacterDialog::placeControls() {
    const int valueWidth =
        std::max({kMinValueWidth, class_->naturalWidth(), type_->naturalWidth()});
    const int fieldHeight = nameField_->sizeHint().height();
    const int valueLeft = kMargin + kCaptionWidth + kColumnGap;
    const int dialogWidth = valueLeft + valueWidth + kMargin;

    int top = kMargin;
    const auto placeRow = [&](LabelButton& caption) {
        caption.setGeometry(kMargin, top + (fieldHeight - kLabelHeight) / 2 + 2, kCaptionWidth,
                            kLabelHeight);
        const QRect value(valueLeft, top, valueWidth, fieldHeight);
        top += kRowPitch;
        return value;
    };
    nameField_->setGeometry(placeRow(*nameCaption_));
    levelField_->setGeometry(placeRow(*levelCaption_));
    class_->placeInRow(placeRow(*classCaption_));
    type_->placeInRow(placeRow(*typeCaption_));
    top += kButtonGap;

    const int rowHeight = placeCancelAndOk(kMargin, dialogWidth - kMargin, top);
    setFixedSize(dialogWidth, top + rowHeight + kMargin);
}

void CharacterDialog::setName(const std::string& name) {
    name_ = name;
    showValues();
}

void CharacterDialog::setLevel(int level) {
    level_ = std::clamp(level, kMinLevel, kMaxLevel);
    showValues();
}

int CharacterDialog::characterClass() const {
    return class_->index();
}

void CharacterDialog::setCharacterClass(int characterClass) {
    class_->setIndex(characterClass);
    showValues();
}

int CharacterDialog::characterType() const {
    return type_->index();
}

void CharacterDialog::setCharacterType(int characterType) {
    type_->setIndex(characterType);
    showValues();
}

void CharacterDialog::showValues() {
    nameField_->setText(fromLocalBytes(name_));
    levelField_->setText(QString::number(level_));
}

void CharacterDialog::takeFieldsBack() {
    name_ = toLocalBytes(nameField_->text());
    if (const auto number = digitsValue(leadingDigits(levelField_->text()))) {
        level_ = std::clamp(*number, kMinLevel, kMaxLevel);
    }
}

void CharacterDialog::filterLevel() {
    // Setting the field's text below comes back here; the text is then already clean.
    if (filteringLevel_) return;
    filteringLevel_ = true;

    const QString text = levelField_->text();
    const QString digits = onlyDigits(text);
    if (const auto number = digitsValue(digits)) level_ = *number;
    const int clamped = std::clamp(level_, kMinLevel, kMaxLevel);
    if (clamped != level_) {
        level_ = clamped;
        levelField_->setText(QString::number(level_));
    } else if (text != digits) {
        // Only the other characters go; the caret stays after the digits that were before it.
        const int caretDigits =
            static_cast<int>(onlyDigits(text.left(levelField_->cursorPosition())).size());
        levelField_->setText(digits);
        levelField_->setCursorPosition(caretDigits);
    }
    filteringLevel_ = false;
}

void CharacterDialog::accept() {
    takeFieldsBack();
    if (name_.empty()) name_ = kNoName;
    QDialog::accept();
}

}  // namespace sockwright
