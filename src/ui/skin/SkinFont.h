#pragma once

#include <QFont>
#include <QSize>
#include <QString>

namespace sockwright {

inline constexpr const char* kSkinFontFace = "Exocet";
// The free face that stands in for Exocet when it is not installed (Debian fonts-quattrocento).
inline constexpr const char* kSkinFontSubstitute = "Quattrocento";

// Lets Qt draw "Exocet" text in the substitute face when Exocet itself is missing. Only the
// first call installs it; skinFont() makes that call before it makes its first font.
void installSkinFontSubstitute();
// Whether the real Exocet face is installed, in any character set.
bool skinFontInstalled();
// The Exocet font at a size given in tenths of a point (110 is 11 points).
QFont skinFont(int pointSizeTenths);

// The width of one line of skin text at a size in tenths of a point.
int skinTextWidth(const QString& text, int pointSizeTenths);
// The height a label needs for one line of skin text.
int skinLineHeight(int pointSizeTenths);
// The room a block of skin text needs, its lines broken only at line feeds.
QSize skinTextSize(const QString& text, int pointSizeTenths);

}  // namespace sockwright
