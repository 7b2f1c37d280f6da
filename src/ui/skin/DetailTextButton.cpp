#include "ui/skin/DetailTextButton.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeySequence>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <utility>

#include "ui/skin/ElidedText.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"

namespace sockwright {

DetailTextButton::DetailTextButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void DetailTextButton::setDetailText(const QString& text, std::vector<int> highlightedLines) {
    highlighted_ = std::move(highlightedLines);
    setText(text);
    // setText takes the mnemonic of the text as the button's shortcut; a panel has none.
    setShortcut(QKeySequence());
    update();
}

QStringList DetailTextButton::lines() const {
    QStringList lines = text().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

void DetailTextButton::setPointSize(int tenths) {
    pointSize_ = tenths;
    update();
}

void DetailTextButton::setWrapping(bool wrapping) {
    wrapping_ = wrapping;
    update();
}

bool DetailTextButton::isCut() const {
    if (wrapping_) {
        QTextDocument document;
        layOutWrapped(document);
        return document.size().height() > height();
    }
    const QFontMetrics metrics(skinFont(pointSize_));
    return ElidedText(text(), metrics, width()).isElided() ||
           metrics.lineSpacing() * static_cast<int>(lines().size()) > height();
}

bool DetailTextButton::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QAbstractButton::event(event);
    ElidedText::offerToolTip(*static_cast<QHelpEvent*>(event), this, isCut() ? text() : QString());
    return true;
}

void DetailTextButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!wrapping_) {
        LabelButton::paintText(painter, rect(), text(), pointSize_, kDetailText,
                               LabelButton::Centre);
        return;
    }
    painter.fillRect(rect(), kBlack);
    QTextDocument document;
    layOutWrapped(document);
    painter.setClipRect(rect());
    document.drawContents(&painter, QRectF(rect()));
}

void DetailTextButton::layOutWrapped(QTextDocument& document) const {
    document.setDefaultFont(skinFont(pointSize_));
    document.setDocumentMargin(0);
    document.setTextWidth(width());
    QTextCursor cursor(&document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    const QStringList shown = lines();
    for (int line = 0; line < shown.size(); ++line) {
        if (line > 0) cursor.insertBlock();
        cursor.setBlockFormat(centred);
        QTextCharFormat colour;
        const bool lit =
            std::find(highlighted_.begin(), highlighted_.end(), line) != highlighted_.end();
        colour.setForeground(lit ? kWhite : kDetailText);
        cursor.insertText(shown[line], colour);
    }
}

}  // namespace sockwright
