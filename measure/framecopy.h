#pragma once

#include <QImage>

// `source` in a format the scene draws directly (RGB32 or an ARGB32 one):
// itself when it is one, else converted; null when the conversion failed.
QImage nativeFrame(const QImage &source);

// Copies the pixels of `source` into `target`, which keeps its memory when
// its size and format match and nobody else holds it (writing into a shared
// image would copy it first). False when out of memory; `target` is null then.
bool copyFrame(const QImage &source, QImage &target);
