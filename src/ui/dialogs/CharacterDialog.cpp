#include "ui/dialogs/CharacterDialog.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>
#include <optional>

#include "model/Account.h"
#include "model/CharacterClass.h"
#include "ui/dialogs/SkinLineEdit.h"
#include "ui/dialogs/SkinnedDialogParts.h"
#include "ui/skin/DialogSkin.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"

namespace sockwright {
namespace {

constexpr int kMargin = 10;
constexpr int kCaptionWidth = 70;
constexpr int kColumnGap = 10;
constexpr int kMinValueWidth = 200;
constexpr int kRowPitch = 32;
constexpr int kArrowGap = 6;
constexpr int kLabelHeight = 20;
constexpr int kButtonGap = 8;

constexpr int kClassCount = static_cast<int>(kCharacterClassNames.size());
constexpr int kTypeCount = static_cast<int>(kCharacterTypeNames.size());

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

int wrapped(int index, int step, int count) {
    return ((index + step) % count + count) % count;
}

}  // namespace

CharacterDialog::CharacterDialog(QWidget* parent) : QDialog(parent, kDialogWindowFlags) {
    setWindowTitle(QStringLiteral("Character"));
    DialogSkin::apply(*this, kWhite);
    createControls();
    placeControls();
    showValues();
    nameField_->setFocus();
}

void CharacterDialog::createControls() {
    makeSkinLabel(this, QStringLiteral("nameCaption"), QStringLiteral("Name"));
    nameField_ = new SkinLineEdit(this);
    nameField_->setObjectName(QStringLiteral("name"));

    makeSkinLabel(this, QStringLiteral("levelCaption"), QStringLiteral("Level"));
    levelField_ = new SkinLineEdit(this);
    levelField_->setObjectName(QStringLiteral("level"));
    connect(levelField_, &QLineEdit::textChanged, this, &CharacterDialog::filterLevel);

    makeSkinLabel(this, QStringLiteral("classCaption"), QStringLiteral("Class"));
    auto* classPrev =
        makeFaceButton(this, QStringLiteral("classPrev"), QStringLiteral("&Prev"), "Prev");
    classValue_ = makeSkinLabel(this, QStringLiteral("classValue"));
    auto* classNext =
        makeFaceButton(this, QStringLiteral("classNext"), QStringLiteral("Ne&xt"), "Next");

    makeSkinLabel(this, QStringLiteral("typeCaption"), QStringLiteral("Type"));
    auto* typePrev =
        makeFaceButton(this, QStringLiteral("typePrev"), QStringLiteral("Prev"), "Prev");
    typeValue_ = makeSkinLabel(this, QStringLiteral("typeValue"));
    auto* typeNext =
        makeFaceButton(this, QStringLiteral("typeNext"), QStringLiteral("Next"), "Next");

    auto* cancel =
        makeFaceButton(this, QStringLiteral("cancel"), QStringLiteral("Cancel"), "Cancel");
    ok_ = makeFaceButton(this, QStringLiteral("ok"), QStringLiteral("OK"), "OK");

    connect(classPrev, &QAbstractButton::clicked, this, &CharacterDialog::previousClass);
    connect(classNext, &QAbstractButton::clicked, this, &CharacterDialog::nextClass);
    connect(typePrev, &QAbstractButton::clicked, this, &CharacterDialog::previousType);
    connect(typeNext, &QAbstractButton::clicked, this, &CharacterDialog::nextType);
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(ok_, &QAbstractButton::clicked, this, &CharacterDialog::accept);
}

void CharacterDialog::placeControls() {
    const QFontMetrics metrics(skinFont(LabelButton::kDefaultPointSize));
    int widest = 0;
    for (const char* name : kCharacterClassNames)
        widest = std::max(widest, metrics.horizontalAdvance(name));
    for (const char* name : kCharacterTypeNames)
        widest = std::max(widest, metrics.horizontalAdvance(name));
    const auto& prev = *findChild<ImageButton*>(QStringLiteral("classPrev"));
    const int valueWidth =
        std::max(kMinValueWidth, widest + 2 * (prev.width() + kArrowGap) + 2 * kArrowGap);
    const int fieldHeight = nameField_->sizeHint().height();
    const int valueLeft = kMargin + kCaptionWidth + kColumnGap;
    const int dialogWidth = valueLeft + valueWidth + kMargin;

    const auto placeCaption = [&](const char* name, int top) {
        findChild<LabelButton*>(QLatin1String(name))
            ->setGeometry(kMargin, top + (fieldHeight - kLabelHeight) / 2 + 2, kCaptionWidth,
                          kLabelHeight);
    };
    const auto placeStepper = [&](const char* prefix, LabelButton& value, int top) {
        auto* previous = findChild<ImageButton*>(QLatin1String(prefix) + QLatin1String("Prev"));
        auto* next = findChild<ImageButton*>(QLatin1String(prefix) + QLatin1String("Next"));
        const int arrowTop = top + (fieldHeight - previous->height()) / 2;
        previous->move(valueLeft, arrowTop);
        next->move(valueLeft + valueWidth - next->width(), arrowTop);
        const int labelLeft = valueLeft + previous->width() + kArrowGap;
        value.setGeometry(labelLeft, top + (fieldHeight - kLabelHeight) / 2 + 2,
                          next->x() - kArrowGap - labelLeft, kLabelHeight);
    };

    int top = kMargin;
    placeCaption("nameCaption", top);
    nameField_->setGeometry(valueLeft, top, valueWidth, fieldHeight);
    top += kRowPitch;
    placeCaption("levelCaption", top);
    levelField_->setGeometry(valueLeft, top, valueWidth, fieldHeight);
    top += kRowPitch;
    placeCaption("classCaption", top);
    placeStepper("class", *classValue_, top);
    top += kRowPitch;
    placeCaption("typeCaption", top);
    placeStepper("type", *typeValue_, top);
    top += kRowPitch + kButtonGap;

    auto* cancel = findChild<ImageButton*>(QStringLiteral("cancel"));
    const int rowHeight = std::max(cancel->height(), ok_->height());
    cancel->move(kMargin, top + (rowHeight - cancel->height()) / 2);
    ok_->move(dialogWidth - kMargin - ok_->width(), top + (rowHeight - ok_->height()) / 2);
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

void CharacterDialog::setCharacterClass(int characterClass) {
    class_ = isCharacterClass(characterClass) ? characterClass : 0;
    showValues();
}

void CharacterDialog::setCharacterType(int characterType) {
    type_ = isCharacterType(characterType) ? characterType : 0;
    showValues();
}

void CharacterDialog::nextClass() {
    stepClass(1);
}

void CharacterDialog::previousClass() {
    stepClass(-1);
}

void CharacterDialog::nextType() {
    stepType(1);
}

void CharacterDialog::previousType() {
    stepType(-1);
}

void CharacterDialog::stepClass(int step) {
    class_ = wrapped(class_, step, kClassCount);
    takeFieldsBack();
    showValues();
}

void CharacterDialog::stepType(int step) {
    type_ = wrapped(type_, step, kTypeCount);
    takeFieldsBack();
    showValues();
}

void CharacterDialog::showValues() {
    nameField_->setText(fromLocalBytes(name_));
    levelField_->setText(QString::number(level_));
    setLabelText(*classValue_,
                 QLatin1String(kCharacterClassNames[isCharacterClass(class_) ? class_ : 0]));
    setLabelText(*typeValue_,
                 QLatin1String(kCharacterTypeNames[isCharacterType(type_) ? type_ : 0]));
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

void CharacterDialog::keyPressEvent(QKeyEvent* event) {
    if (pressOnEnter(*this, *event, *ok_)) return;
    QDialog::keyPressEvent(event);  // Escape answers Cancel
}

}  // namespace sockwright
