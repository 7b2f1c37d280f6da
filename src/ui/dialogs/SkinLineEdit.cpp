#include "ui/dialogs/SkinLineEdit.h"

#include <algorithm>

#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinStyleSheets.h"
#include "ui/skin/SkinTextSizes.h"

namespace sockwright {
namespace {

bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}

}  // namespace

SkinLineEdit::SkinLineEdit(QWidget* parent) : QLineEdit(parent) {
    setFont(skinFont(textSize::kEditField));
    // The caret is drawn in the text colour, so it shows white on the black ground.
    setStyleSheet(styleSheet::lineEdit());
    connect(this, &QLineEdit::textChanged, this, &SkinLineEdit::keepSingleLine);
}

QString SkinLineEdit::singleLine(const QString& text) {
    const auto end = std::find_if(text.begin(), text.end(), isLineBreak);
    QString line = text.left(end - text.begin());
    line.remove(QChar(u'\0'));
    return line;
}

void SkinLineEdit::keepSingleLine() {
    const QString now = text();
    if (std::none_of(now.begin(), now.end(),
                     [](QChar c) { return isLineBreak(c) || c == u'\0'; })) {
        accepted_ = now;
        return;
    }
    // Only the inserted part is cut: what stood before and after it in the field stays.
    const qsizetype limit = std::min(now.size(), accepted_.size());
    qsizetype before = 0;
    while (before < limit && now[before] == accepted_[before]) ++before;
    qsizetype after = 0;
    while (after < limit - before &&
           now[now.size() - 1 - after] == accepted_[accepted_.size() - 1 - after]) {
        ++after;
    }
    const QString inserted = singleLine(now.mid(before, now.size() - before - after));
    const QString cleaned = now.left(before) + inserted + now.right(after);
    accepted_ = cleaned;
    setText(cleaned);
    setCursorPosition(static_cast<int>(before + inserted.size()));
}

}  // namespace sockwright
