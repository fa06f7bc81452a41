#pragma once

#include "measure/graphicsitem.h"

// Free note placed at one click.
class GraphicsTextItem : public GraphicsItem
{
public:
    GraphicsTextItem();
    void setText(const QString &text)
    {
        m_text = text;
        repaint();
    }
    QString text() const { return m_text; }

    QRectF boundingRect() const override;
    // The note is its label, in the text colour; it has no handles drawn.
    QStringList labels() const override;
    QVector<QPointF> handlePoints() const override { return {}; }
    ShapeRecord record() const override;
    void restore(const ShapeRecord &record) override;

protected:
    QColor labelColor(const QPainter *painter) const override;

private:
    QString m_text;
};

// On-screen ruler for calibrating: measures a length as displayed on the
// monitor, so its reading follows the zoom.
class GraphicsMeasureItem : public GraphicsItem
{
public:
    GraphicsMeasureItem();
    void setUnit(int unit);
    int unit() const { return m_unit; }
    double mmPerViewPixel() const { return m_mmPerPixel; }

    double viewLength() const;
    // Between the ends in picture pixels: what a new calibration divides by.
    double pictureLength() const;
    // On-screen length in the ruler's unit, with the view's device-pixel ratio.
    double realLength() const;

    Outline outline() const override;
    void drawShape(QPainter *painter) override;

private:
    int m_unit = 0;
    double m_mmPerPixel;
};
