#pragma once

#include <QLoggingCategory>

namespace sockwright {

// Why an update step failed, for developers: debug messages of "sockwright.update", off unless
// QT_LOGGING_RULES="sockwright.update.debug=true" switches them on.
Q_DECLARE_LOGGING_CATEGORY(updateLog)

}  // namespace sockwright
