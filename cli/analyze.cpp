#include "cli/tools.h"

#include "imaging/cvimage.h"
#include "imaging/particles.h"

#include <QImage>
#include <QImageReader>
#include <QRegularExpression>

#include <cmath>

namespace {

QString num(double v) { return QString::number(v, 'g', 9); }

} // namespace

int runAnalyze(const ToolArgs &args)
{
    double factor = 1.0;
    imaging::ParticleOptions options;
    bool objectsGiven = false;
    for (const QString &o : args.options) {
        if (o.startsWith(QLatin1String("--calibration="))) {
            // FACTOR+UNIT, e.g. 0.0025+mm: real length of one pixel.
            static const QRegularExpression re(QStringLiteral("^([0-9]*\\.?[0-9]+(?:[eE][-+]?[0-9]+)?)\\+(\\S+)$"));
            const QRegularExpressionMatch m = re.match(o.mid(14));
            bool ok = false;
            factor = m.hasMatch() ? m.captured(1).toDouble(&ok) : 0;
            if (!ok || !(factor > 0) || !std::isfinite(factor)) {
                toolErr(QStringLiteral("--calibration wants FACTOR+UNIT, e.g. 0.0025+mm"));
                return 2;
            }
        } else if (o == QLatin1String("--dark") || o == QLatin1String("--light")) {
            options.objects = o == QLatin1String("--dark") ? imaging::Objects::Dark : imaging::Objects::Light;
            objectsGiven = true;
        } else if (o.startsWith(QLatin1String("--min-area="))) {
            bool ok = false;
            options.minArea = o.mid(11).toInt(&ok);
            if (!ok || options.minArea < 0) {
                toolErr(QStringLiteral("--min-area wants a whole number of pixels"));
                return 2;
            }
        } else if (o.startsWith(QLatin1String("--threshold="))) {
            bool ok = false;
            options.threshold = o.mid(12).toInt(&ok);
            if (!ok || options.threshold < 0 || options.threshold > 255) {
                toolErr(QStringLiteral("--threshold wants a grey level 0..255"));
                return 2;
            }
        } else {
            toolErr(QStringLiteral("unknown option %1").arg(o));
            return 2;
        }
    }
    if (args.files.isEmpty()) {
        toolErr(QStringLiteral("--analyze needs a picture"));
        return 2;
    }
    toolOut(QStringLiteral("file,number,x,y,area,perimeter,equivalent_diameter,feret_max,feret_min,circularity,mean"));
    int failed = 0;
    for (const QString &file : args.files) {
        QImageReader reader(file);
        // The reader's own guard against pictures too large to hold.
        const QImage image = reader.read();
        if (image.isNull()) {
            toolErr(QStringLiteral("cannot read %1: %2").arg(file, reader.errorString()));
            ++failed;
            continue;
        }
        const cv::Mat grey = imaging::toGray8(image);
        imaging::ParticleOptions o = options;
        if (!objectsGiven)
            o.objects = imaging::guessObjects(grey);
        const imaging::ParticleResult result = imaging::analyzeParticles(grey, o);
        QString name = file;
        if (name.contains(QLatin1Char(',')) || name.contains(QLatin1Char('"')))
            name = QLatin1Char('"') + name.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
        int number = 0;
        for (const imaging::Particle &p : result.particles) {
            toolOut(QStringList{name, QString::number(++number), num(p.centroid.x()), num(p.centroid.y()),
                                num(p.area * factor * factor), num(p.perimeter * factor), num(p.diameter * factor),
                                num(p.feretMax * factor), num(p.feretMin * factor), num(p.circularity), num(p.mean)}
                        .join(QLatin1Char(',')));
        }
    }
    return failed ? 1 : 0;
}
