#pragma once

#include <QLineF>
#include <QPoint>
#include <QRectF>
#include <cstdint>
#include <utility>
#include <vector>

namespace sockwright::pictures {

// The mark carved into a rune stone: straight strokes between the points of a grid three points
// wide and four high, in the manner of the old runic alphabets (a stave with branches).
class RuneGlyph {
  public:
    using Segment = std::pair<QPoint, QPoint>;  // grid points, column 0..2 and row 0..3
    static constexpr int kColumns = 3;
    static constexpr int kRows = 4;

    explicit RuneGlyph(std::vector<Segment> segments);

    // One glyph per rune, all different from each other. The glyph of rune n is drawn from a
    // generator seeded by n (and by a retry count when it would repeat an earlier rune's glyph),
    // so the same rune always gets the same mark. Later runes get more branches.
    static std::vector<RuneGlyph> distinctGlyphs(int count);

    // The program's own mark, a zigzag of three strokes (like an S), on the logo and the icon.
    static RuneGlyph programMark();

    // The strokes mapped onto a box: column 0 on its left edge, row 0 on its top edge.
    std::vector<QLineF> strokes(const QRectF& box) const;

  private:
    static RuneGlyph generate(std::uint64_t seed, int branches);
    std::vector<Segment> segments_;  // normalised and sorted, so equal glyphs compare equal
};

}  // namespace sockwright::pictures
