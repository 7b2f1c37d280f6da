#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace sockwright::pictures {

// The faces of the picture buttons, each at its fixed size: white capitals on black for the
// words, olive triangles for the arrows, the program's title, a question mark and the logo.
class ButtonFacePainter {
  public:
    // The seventeen face names, which are also their resource names.
    static QStringList faceNames();
    // The size of a face; an empty size for a name it does not know.
    static QSize sizeOf(const QString& faceName);
    // The face; a null image for a name it does not know.
    static QImage face(const QString& faceName);
};

}  // namespace sockwright::pictures
