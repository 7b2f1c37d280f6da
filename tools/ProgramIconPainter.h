#pragma once

#include <QImage>

namespace sockwright::pictures {

// The program icon, 256 x 256 with a transparent ground: a lit rune stone bearing the program's
// mark, set in a gold socket on a dark rounded tile edged in olive.
class ProgramIconPainter {
  public:
    static constexpr int kSize = 256;
    static QImage icon();
};

}  // namespace sockwright::pictures
