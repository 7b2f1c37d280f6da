#pragma once

#include <QColor>
#include <QPainterPath>

class QPainter;

namespace sockwright::pictures {

enum class Material { Steel, DarkSteel, Gold, Wood, Leather, Bone, Ruby, Sapphire, Emerald, Cloth };

// Fills the parts of the item pictures: each material with a sheen across the part, light from
// the upper left, and a dark edge that keeps neighbouring parts apart.
class MaterialPainter {
  public:
    static void fill(QPainter& painter, const QPainterPath& part, Material material);
    // A part's own sheen runs across its width; long thin parts look round this way.
    static void fillAcross(QPainter& painter, const QPainterPath& part, Material material);
    // The material's brightest shade, for trims drawn as lines.
    static QColor lightOf(Material material);

    // Paths from point lists, for the pictures' outlines.
    static QPainterPath polygon(std::initializer_list<QPointF> points);
};

}  // namespace sockwright::pictures
