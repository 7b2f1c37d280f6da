#pragma once

#include <QRect>
#include <QString>

class QFontMetrics;
class QHelpEvent;
class QWidget;

namespace sockwright {

// A text fitted to a width: each of its lines (split at '\n') that is wider than the width is
// cut short and ends in an ellipsis. Every control that draws a text into a fixed box shows it
// this way and offers the whole text as its tooltip, so no text is lost.
class ElidedText {
  public:
    ElidedText(const QString& text, const QFontMetrics& metrics, int width);

    const QString& shown() const { return shown_; }
    bool isElided() const { return elided_; }
    // The whole text while it is shown elided; empty when it fits.
    QString toolTip() const { return elided_ ? text_ : QString(); }
    // Answers a tooltip request over a widget (over area of it, when given): shows the whole
    // text while it is elided, else hides any tooltip and ignores the request. True when shown.
    bool answerToolTip(QHelpEvent& event, QWidget* widget, const QRect& area = {}) const {
        return offerToolTip(event, widget, toolTip(), area);
    }
    // The same with a tooltip of one's own; an empty one hides any tooltip.
    static bool offerToolTip(QHelpEvent& event, QWidget* widget, const QString& whole,
                             const QRect& area = {});

  private:
    QString text_;
    QString shown_;
    bool elided_ = false;
};

}  // namespace sockwright
