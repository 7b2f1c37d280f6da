#pragma once

#include <QImage>

namespace sockwright::pictures {

// The program icon, 256 x 256 with a transparent ground: a lit rune stone bearing the program's
// mark, set in a gold socket on a dark rounded tile edged in olive.
class ProgramIconPainter {
  public:
    static constexpr int kSize = 256;
    static QImage icon();
    // The icon at another size, drawn down (or up) from the 256-pixel one with smoothing.
    static QImage icon(int size);
};

}  // namespace sockwright::pictures
