#include "update/UpdateLog.h"

namespace sockwright {

Q_LOGGING_CATEGORY(updateLog, "sockwright.update", QtInfoMsg)

}  // namespace sockwright
