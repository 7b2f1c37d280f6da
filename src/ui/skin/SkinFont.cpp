#include "ui/skin/SkinFont.h"

#include <QFontDatabase>
#include <QStringList>
#include <mutex>

namespace sockwright {

void installSkinFontSubstitute() {
    // Once for the run: a substitution made elsewhere before this one is kept.
    static std::once_flag installed;
    std::call_once(installed, [] {
        if (QFont::substitutes(kSkinFontFace).isEmpty()) {
            QFont::insertSubstitution(kSkinFontFace, kSkinFontSubstitute);
        }
    });
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
