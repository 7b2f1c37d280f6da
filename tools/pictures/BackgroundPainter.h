#pragma once

#include <QImage>

namespace sockwright::pictures {

// The main window's background: black, with thin olive frames with rounded corners round the
// headings and the list (a line between the two), behind each of the six rune slots, and round
// the details. The frames are placed from the main window's layout table, so they always sit
// round the controls.
class BackgroundPainter {
  public:
    static QImage background();
};

}  // namespace sockwright::pictures
