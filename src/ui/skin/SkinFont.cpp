#include "ui/skin/SkinFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace sockwright {

void installSkinFontSubstitute() {
    if (QFont::substitutes(kSkinFontFace).isEmpty()) {
        QFont::insertSubstitution(kSkinFontFace, kSkinFontSubstitute);
    }
}

bool skinFontInstalled() {
    return QFontDatabase::families().contains(kSkinFontFace, Qt::CaseInsensitive);
}

QFont skinFont(int pointSizeTenths) {
    installSkinFontSubstitute();
    QFont font(kSkinFontFace);
    font.setPointSizeF(pointSizeTenths / 10.0);
    return font;
}

}  // namespace sockwright
