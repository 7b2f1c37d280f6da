#pragma once

#include <QImage>

#include "ui/skin/ButtonFaces.h"

namespace sockwright::pictures {

// The faces of the picture buttons, each at its fixed size: white capitals on black for the
// words, olive triangles for the arrows, the program's title, a question mark and the logo.
class ButtonFacePainter {
  public:
    static QImage face(const ButtonFace& face);
};

}  // namespace sockwright::pictures
