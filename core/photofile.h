#pragma once

#include "core/bdinfo.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

// Photos that carry their pixel size, so that other programs (ImageJ/Fiji,
// exiftool, viewers) and Vistrel itself know the scale:
//  - PNG:  pHYs in pixels per metre, an iTXt chunk "Vistrel calibration".
//  - JPEG: JFIF density (dots per cm while that keeps 3 digits, else per
//          inch, else aspect only) and a COM segment.
//  - TIFF: XResolution/YResolution/ResolutionUnit and two ImageDescription
//          tags: OME-XML first (the OME-TIFF readers, Bio-Formats and
//          tifffile, take only the first), ImageJ's key=value form second
//          (ImageJ keeps the last description it meets; tifffile finds
//          ImageJ's in either). ImageJ ImageJ takes the unit from "unit=" and
//          converts only centimetre resolutions with unit=um, so mm goes with
//          ResolutionUnit none (pixels per mm), um and cm with centimetres,
//          in with inches.
//  - BMP:  pixels per metre in the header only.
// The text in every format holds the lines
//   vistrel.unit=mm  vistrel.factor=<shortest exact>  vistrel.name=<calibration>
// and is what readPhotoScale trusts; the densities are for the other readers.
namespace photofile {

// The text key of the PNG chunk.
extern const char kPngKeyword[];

// Suffixes of photos the program writes and opens in the measure editor
// (lower case, no dot): png, jpg, jpeg, bmp, tif, tiff.
QStringList photoSuffixes();
bool isPhotoSuffix(const QString &suffix); // any case

// A calibration with a real unit (mm, cm, um, in) and a usable factor.
bool hasRealScale(const BDInfo &scale);

// Writes the picture in the format of the file's suffix (png, jpg, jpeg,
// bmp, tif, tiff) through a temporary file: an existing file stays intact
// when anything fails. With a real scale the file carries it.
// Where a photo came from, for the formats that can say so (TIFF's OME-XML).
struct PhotoOrigin
{
    QString camera;   // the camera's model; empty: the calibration's camera
    QDateTime taken;  // invalid: now
    QString fileName; // the picture's name; writePhoto fills it in
};

bool writePhoto(const QString &path, const QImage &image, const BDInfo &scale, QString *error = nullptr,
                const PhotoOrigin &origin = PhotoOrigin());

// The encoded file with the scale put in (chunks and segments replaced or
// inserted); empty when the bytes are not a file of that format this can
// edit. format: "png", "jpg", "tif".
QByteArray withScale(const QByteArray &encoded, const QByteArray &format, const BDInfo &scale,
                     const PhotoOrigin &origin = PhotoOrigin());

// The OME-XML of a single-plane picture (8 or 16 bits per sample) with the
// pixel size and where it came from.
QByteArray omeXml(const QSize &size, int samplesPerPixel, int bitsPerSample, const BDInfo &scale,
                  const PhotoOrigin &origin);

// The scale a photo carries: Vistrel's own text, or for a TIFF without it
// ImageJ's description and resolution. pictureSize is the photo's size.
// Reads only headers, each bounded; nothing for other or damaged files.
std::optional<BDInfo> readPhotoScale(const QString &path);

// The text block and its parser (shared by every format).
QString scaleText(const BDInfo &scale);
std::optional<BDInfo> parseScaleText(const QString &text);

} // namespace photofile
