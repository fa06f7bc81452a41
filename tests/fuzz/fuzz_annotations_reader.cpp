#include "measure/annotations.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *what)
{
    fprintf(stderr, "annotations reader: %s\n", what);
    abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    annotations::Document doc;
    QString error;
    if (!annotations::fromJson(input, &doc, &error)) {
        if (error.isEmpty())
            fail("refused without a reason");
        return 0;
    }

    // Whatever is accepted keeps to the bounds the editor relies on.
    if (doc.shapes.size() > annotations::kMaxShapes)
        fail("too many shapes");
    for (const ShapeRecord &r : doc.shapes) {
        int least = 0, most = 0;
        if (!annotations::pointRange(r.type, &least, &most))
            fail("unknown kind accepted");
        if (r.points.size() < least || r.points.size() > most)
            fail("point count outside the kind's range");
        for (const QPointF &p : r.points) {
            if (!std::isfinite(p.x()) || !std::isfinite(p.y()) || std::fabs(p.x()) > annotations::kMaxCoordinate
                || std::fabs(p.y()) > annotations::kMaxCoordinate)
                fail("coordinate out of bounds");
        }
        if (r.text.size() > annotations::kMaxTextChars)
            fail("text too long");
        if (r.style.textColor() != r.style.colors.value(r.style.textColorIndex)
            || r.style.fontPixelSize() != r.style.fontSizes.value(r.style.fontSizeIndex)
            || r.style.lineWidth() != r.style.lineWidths.value(r.style.lineWidthIndex))
            fail("style index out of its list");
    }
    if (!std::isfinite(doc.calibration.factor) || doc.calibration.factor <= 0)
        fail("unusable calibration factor");

    // What was read writes and reads back unchanged.
    const QByteArray out = annotations::toJson(doc);
    annotations::Document again;
    if (!annotations::fromJson(out, &again) || again.skippedShapes != 0)
        fail("written file does not read back");
    if (annotations::toJson(again) != out)
        fail("file changed in a round trip");
    return 0;
}
