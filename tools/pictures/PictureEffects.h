#pragma once

#include <QColor>
#include <QImage>

namespace sockwright::pictures {

// Finishing steps shared by the item and emblem pictures.
class PictureEffects {
  public:
    // The drawing (transparent ground) on black, with a soft glow of the given colour round it.
    static QImage glowingOnBlack(const QImage& drawing, const QColor& glow, int radius);
    // A soft glow of the given colour round the drawing, alone, on a transparent ground.
    static QImage glowOf(const QImage& drawing, const QColor& glow, int radius);
    // The drawing on black, turned to a dull grey of its own brightness.
    static QImage dimOnBlack(const QImage& drawing);
    // The drawing on black, unchanged.
    static QImage onBlack(const QImage& drawing);
    // A transparent canvas of the given size, ready to draw on.
    static QImage canvas(int width, int height);
};

}  // namespace sockwright::pictures
