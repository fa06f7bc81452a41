#pragma once

#include <QtGlobal>

// One entry of the stream subtype preference list. `code` is the 32-bit
// number callers use for the subtype (a FOURCC for the FOURCC subtypes);
// `pixelFormat` is the V4L2 pixel format behind it, 0 when the subtype has no
// counterpart we can convert (it is then never offered).
struct Subtype
{
    const char *name;
    quint32 code;
    quint32 pixelFormat;
};

constexpr quint32 fourcc(char a, char b, char c, char d)
{
    return quint32(quint8(a)) | (quint32(quint8(b)) << 8) | (quint32(quint8(c)) << 16) | (quint32(quint8(d)) << 24);
}

namespace subtype {

constexpr int kCount = 20;
constexpr int kRgb24 = 0; // index of the default subtype
constexpr int kMjpg = 15;

// The 20 subtypes in the order they are tried.
const Subtype &at(int index);
// Index of the first entry whose code equals `code`, -1 when none.
int indexOfCode(quint32 code);
// Index of the first entry that maps to the V4L2 pixel format, -1 when none.
int indexOfPixelFormat(quint32 pixelFormat);

// Code of the "uncompressed" choice and of MJPG, as the main window passes them.
quint32 rgb24Code();
quint32 mjpgCode();

} // namespace subtype
