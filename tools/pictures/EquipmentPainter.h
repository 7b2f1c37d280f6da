#pragma once

#include <QImage>
#include <QString>

#include "Light.h"

class QPainter;

namespace sockwright::pictures {

// The tall pictures of the Select Equipment dialog: each equipment type, and each group, drawn
// as the item standing upright. The lit picture is in full colour with a gold glow round it;
// the dim one is the same item in dull grey.
class EquipmentPainter {
  public:
    static constexpr int kWidth = 40;
    static constexpr int kHeight = 80;

    // The picture for an image base name ("axe", "helm", "melee", ...); a null image for a
    // name it does not know.
    static QImage equipment(const QString& baseName, Light light);

    // The item alone, in full colour, on a transparent ground of kWidth x kHeight.
    static QImage item(const QString& baseName);
    // Draws the item in full colour into the painter's kWidth x kHeight box; false for a name
    // it does not know. Other pictures use it under their own transformation.
    static bool drawItem(QPainter& painter, const QString& baseName);
};

}  // namespace sockwright::pictures
