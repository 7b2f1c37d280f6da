#include "ui/skin/ElidedText.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QStringList>
#include <QToolTip>

namespace sockwright {

ElidedText::ElidedText(const QString& text, const QFontMetrics& metrics, int width) : text_(text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (metrics.horizontalAdvance(line) <= width) continue;
        line = metrics.elidedText(line, Qt::ElideRight, width);
        elided_ = true;
    }
    shown_ = elided_ ? lines.join(QLatin1Char('\n')) : text;
}

bool ElidedText::offerToolTip(QHelpEvent& event, QWidget* widget, const QString& whole,
                              const QRect& area) {
    if (whole.isEmpty()) {
        QToolTip::hideText();
        event.ignore();
        return false;
    }
    QToolTip::showText(event.globalPos(), whole, widget, area);
    return true;
}

}  // namespace sockwright
