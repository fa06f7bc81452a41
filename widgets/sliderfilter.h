#pragma once

#include <QObject>

// Keeps the mouse wheel away from sliders, so scrolling the panel never
// changes a camera setting by accident; a double click on a slider's value
// label opens its value editor.
class SliderFilter : public QObject
{
    Q_OBJECT
public:
    explicit SliderFilter(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
