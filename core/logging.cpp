#include "core/logging.h"

Q_LOGGING_CATEGORY(lcCapture, "vistrel.capture", QtWarningMsg)
Q_LOGGING_CATEGORY(lcRecord, "vistrel.record", QtWarningMsg)

namespace logging {

void setVerbose(bool verbose)
{
    if (verbose)
        QLoggingCategory::setFilterRules(QStringLiteral("vistrel.*.debug=true"));
}

} // namespace logging
