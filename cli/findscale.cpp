#include "cli/tools.h"

#include "core/imagesafety.h"
#include "imaging/scalefinder.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace {

// "0.01mm", "10 um", "0.001in" into a length and unit; false for anything else.
bool parseDivision(const QString &text, double *length, QString *unit)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*([0-9]*\\.?[0-9]+(?:[eE][-+]?[0-9]+)?)\\s*(mm|cm|um|µm|in)\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return false;
    bool ok = false;
    *length = m.captured(1).toDouble(&ok);
    *unit = m.captured(2) == QStringLiteral("µm") ? QStringLiteral("um") : m.captured(2);
    return ok && std::isfinite(*length) && *length > 0;
}

} // namespace

int runFindScale(const ToolArgs &args)
{
    double division = 0;
    QString unit;
    if (!parseDivision(args.value, &division, &unit)) {
        toolErr(QStringLiteral("--find-scale needs one division's length with its unit, e.g. --find-scale=0.01mm"));
        return 2;
    }
    if (args.files.isEmpty()) {
        toolErr(QStringLiteral("--find-scale: name at least one picture"));
        return 2;
    }
    int failures = 0;
    for (const QString &path : args.files) {
        QImage picture;
        QString why;
        if (!imagesafety::readImageSafely(path, &picture, &why)) {
            toolErr(QStringLiteral("%1: cannot be read: %2").arg(path, why));
            ++failures;
            continue;
        }
        const imaging::ScaleFit fit = imaging::findScale(picture);
        if (!fit.found) {
            toolErr(QStringLiteral("%1: %2").arg(path, fit.failure));
            ++failures;
            continue;
        }
        // Length of one picture pixel, and its standard error from the fit.
        const double factor = division / fit.pitch;
        const double error = factor * fit.relativeError();
        toolOut(QStringLiteral("%1 factor=%2 unit=%3 divisions=%4 uncertainty=%5")
                    .arg(path, QString::number(factor, 'g', 10), unit, QString::number(fit.divisions),
                         QString::number(error, 'g', 2)));
    }
    return failures ? 1 : 0;
}
