#pragma once

#include <QColor>
#include <QVector>
#include <Qt>

// Drawing style of a measurement shape: five indices into fixed lists.
// Copied into every shape when it is created; never shared.
struct DrawStyle
{
    int textColorIndex = 0;
    int fontSizeIndex = 5;
    int lineColorIndex = 0;
    int lineStyle = 0;
    int lineWidthIndex = 0;

    QVector<QColor> colors{QColor(0xFF, 0x00, 0x00), QColor(0x00, 0xFF, 0x00), QColor(0x00, 0x00, 0xFF)};
    QVector<int> fontSizes{12, 14, 16, 20, 24, 32, 48, 56, 72};
    QVector<int> lineWidths{1, 2, 4, 6, 8, 10, 12};

    // An index out of its list falls back to the first entry rather than
    // reading past the list: indices come from files and combo boxes.
    QColor textColor() const { return colors.value(textColorIndex, colors.value(0)); }
    QColor lineColor() const { return colors.value(lineColorIndex, colors.value(0)); }
    int fontPixelSize() const { return fontSizes.value(fontSizeIndex, fontSizes.value(0)); }
    int lineWidth() const { return lineWidths.value(lineWidthIndex, lineWidths.value(0)); }
    Qt::PenStyle penStyle() const { return lineStyle != 0 ? Qt::DashLine : Qt::SolidLine; }

    bool operator==(const DrawStyle &o) const
    {
        return textColorIndex == o.textColorIndex && fontSizeIndex == o.fontSizeIndex
               && lineColorIndex == o.lineColorIndex && lineStyle == o.lineStyle && lineWidthIndex == o.lineWidthIndex;
    }
    bool operator!=(const DrawStyle &o) const { return !(*this == o); }
};
