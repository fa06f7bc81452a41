#pragma once

#include <QLoggingCategory>

// The program's diagnostics beyond the capture layer's "SETUP:"/"ERROR:"
// lines. Debug output is off unless --verbose or QT_LOGGING_RULES asks for
// it ("vistrel.record.debug=true"); warnings always show.
Q_DECLARE_LOGGING_CATEGORY(lcCapture)
Q_DECLARE_LOGGING_CATEGORY(lcRecord)

namespace logging {
// --verbose: every vistrel category prints its debug lines. Rules from
// QT_LOGGING_RULES still win over this.
void setVerbose(bool verbose);
} // namespace logging
