#pragma once

#include <QColor>

namespace sockwright {

// The named colours of the dark skin.
inline const QColor kBlack{0, 0, 0};
inline const QColor kOlive{128, 128, 0};
inline const QColor kWhite{255, 255, 255};
inline const QColor kGrey{155, 155, 155};
inline const QColor kRed{255, 0, 0};
inline const QColor kGreen{0, 255, 0};
inline const QColor kDetailText{89, 83, 157};
inline const QColor kListText{136, 124, 102};
inline const QColor kListSelectedText{178, 170, 149};

}  // namespace sockwright
