#include "ui/dialogs/SkinStepper.h"

#include <QFontMetrics>
#include <QRect>
#include <algorithm>

#include "ui/dialogs/SkinnedDialogParts.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/SkinFont.h"

namespace sockwright {
namespace {

constexpr int kArrowGap = 6;
constexpr int kValueHeight = 20;
// The value's text stands a little below the row's middle, level with the captions beside it.
constexpr int kValueDrop = 2;

}  // namespace

SkinStepper::SkinStepper(const QString& name, const QString& previousCaption,
                         const QString& nextCaption, QWidget* parent)
    : QWidget(parent),
      previous_(makeFaceButton(this, name + QStringLiteral("Prev"), previousCaption, "Prev")),
      value_(makeSkinLabel(this, name + QStringLiteral("Value"))),
      next_(makeFaceButton(this, name + QStringLiteral("Next"), nextCaption, "Next")) {
    connect(previous_, &QAbstractButton::clicked, this, &SkinStepper::previous);
    connect(next_, &QAbstractButton::clicked, this, &SkinStepper::next);
}

void SkinStepper::setEntries(const QStringList& entries, const QString& emptyText) {
    entries_ = entries;
    emptyText_ = emptyText;
    index_ = entries_.isEmpty() ? -1 : 0;
    showEntry();
}

void SkinStepper::setIndex(int index) {
    if (entries_.isEmpty()) return;
    index_ = index >= 0 && index < entries_.size() ? index : 0;
    showEntry();
}

QString SkinStepper::text() const {
    return value_->text();
}

void SkinStepper::next() {
    step(1);
}

void SkinStepper::previous() {
    step(-1);
}

void SkinStepper::step(int by) {
    if (entries_.isEmpty()) return;
    const auto count = static_cast<int>(entries_.size());
    index_ = ((index_ + by) % count + count) % count;
    showEntry();
    emit stepped();
}

void SkinStepper::showEntry() {
    setLabelText(*value_, index_ >= 0 ? entries_[index_] : emptyText_);
}

int SkinStepper::naturalWidth() const {
    const QFontMetrics metrics(skinFont(value_->pointSize()));
    int widest = 0;
    for (const QString& entry : entries_)
        widest = std::max(widest, metrics.horizontalAdvance(entry));
    return widest + 2 * (previous_->width() + kArrowGap) + 2 * kArrowGap;
}

void SkinStepper::placeInRow(const QRect& row) {
    // Placed in the row's own coordinates first, then moved together into the stepper.
    const int arrowTop = (row.height() - previous_->height()) / 2;
    const QRect previous(0, arrowTop, previous_->width(), previous_->height());
    const QRect next(row.width() - next_->width(), arrowTop, next_->width(), next_->height());
    const int valueLeft = previous.right() + 1 + kArrowGap;
    const QRect value(valueLeft, (row.height() - kValueHeight) / 2 + kValueDrop,
                      next.x() - kArrowGap - valueLeft, kValueHeight);
    const QRect all = previous | next | value;
    setGeometry(all.translated(row.topLeft()));
    previous_->setGeometry(previous.translated(-all.topLeft()));
    value_->setGeometry(value.translated(-all.topLeft()));
    next_->setGeometry(next.translated(-all.topLeft()));
}

}  // namespace sockwright
