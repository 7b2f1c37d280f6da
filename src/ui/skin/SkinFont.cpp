#include "ui/skin/SkinFont.h"

#include <QFontDatabase>
#include <QFontMetrics>
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

int skinTextWidth(const QString& text, int pointSizeTenths) {
    return skinTextSize(text, pointSizeTenths).width();
}

int skinLineHeight(int pointSizeTenths) {
    // What the drawing of one line takes, which may be a pixel more than the font's height.
    return skinTextSize(QStringLiteral("Xg"), pointSizeTenths).height();
}

QSize skinTextSize(const QString& text, int pointSizeTenths) {
    const QFontMetrics metrics(skinFont(pointSizeTenths));
    // As the labels draw it; a centred line may round to a pixel more than a left-aligned one.
    QSize size(0, metrics.height());
    for (const Qt::Alignment alignment : {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight})
        size =
            size.expandedTo(metrics.boundingRect(QRect(), Qt::AlignTop | alignment, text).size());
    return size;
}

}  // namespace sockwright
