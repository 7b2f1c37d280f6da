#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace sockwright {

// The program keeps texts as bytes in the system's code page, as its files hold them; these
// convert them to Qt's text where they are shown and back where a Qt text goes into them.
inline QString fromLocalBytes(std::string_view bytes) {
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string toLocalBytes(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace sockwright
