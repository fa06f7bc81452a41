#pragma once

#include <QObject>

// Keeps the mouse wheel away from sliders, so scrolling the panel never
// changes a camera setting by accident.
class SliderFilter : public QObject
{
    Q_OBJECT
public:
    explicit SliderFilter(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
