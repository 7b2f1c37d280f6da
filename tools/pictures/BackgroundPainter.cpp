#include "BackgroundPainter.h"

#include <QPainter>

#include "ui/MainWindowLayout.h"
#include "ui/skin/SkinColours.h"

namespace sockwright::pictures {

namespace {

// A one-pixel frame whose straight edges lie exactly on the rectangle's outer pixels.
void frame(QPainter& painter, const layout::Rect& r, int radius) {
    painter.drawRoundedRect(QRectF(r.x + 0.5, r.y + 0.5, r.width - 1, r.height - 1), radius,
                            radius);
}

}  // namespace

QImage BackgroundPainter::background() {
    QImage image(layout::kBackgroundWidth, layout::kBackgroundHeight, QImage::Format_RGB32);
    image.fill(kBlack);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kOlive, 1.0));
    painter.setBrush(Qt::NoBrush);

    frame(painter, layout::kListFrame, layout::kFrameRadius);
    const qreal divider = layout::kListFrameDividerY + 0.5;
    painter.drawLine(QPointF(layout::kListFrame.x + 1, divider),
                     QPointF(layout::kListFrame.x + layout::kListFrame.width - 1, divider));
    for (int slot = 0; slot < layout::kRuneSlotCount; ++slot) {
        frame(painter, layout::runeSlotFrame(slot), layout::kSlotFrameRadius);
    }
    frame(painter, layout::kDetailsFrame, layout::kFrameRadius);
    return image;
}

}  // namespace sockwright::pictures
