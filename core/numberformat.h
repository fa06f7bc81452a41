#pragma once

#include <QString>

// How measured numbers are written wherever a person reads them (shape
// labels, the results table, the clipboard). Always '.' as the decimal
// point: labels are burnt into photos and must read the same everywhere.
namespace numberformat {

// A value of 1 or more (in magnitude) keeps four decimals ("12.3457");
// below 1 enough decimals for four significant digits, at most eight
// ("0.0005208", "0.00002713"). Zero is "0.0000".
QString formatMeasure(double value);

// Angles in degrees, two decimals ("90.00").
QString formatAngle(double degrees);

// How many decimals formatMeasure writes for this value.
int measureDecimals(double value);

} // namespace numberformat

using numberformat::formatAngle;
using numberformat::formatMeasure;
