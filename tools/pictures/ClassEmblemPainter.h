#pragma once

#include <QImage>

namespace sockwright::pictures {

// The class pictures of the character cards: a bronze-ringed medallion with each class's
// emblem (Amazon: spear and bow; Assassin: claw; Barbarian: crossed axes; Druid: bear's paw;
// Necromancer: skull; Sorceress: flame; Paladin: shield with a cross). The card's text starts
// 75 pixels from its left edge, so the picture stays well inside that; the medallion keeps
// three pixels clear of the picture's edges, where a selected card draws its frame.
class ClassEmblemPainter {
  public:
    static constexpr int kWidth = 64;
    static constexpr int kHeight = 64;

    // The picture of the class with this index (order of the character classes); a null image
    // for an index outside them.
    static QImage emblem(int classIndex);
};

}  // namespace sockwright::pictures
