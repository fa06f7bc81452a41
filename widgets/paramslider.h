#pragma once

#include <QSlider>

// A slider in the units of the device control it sets. A logarithmic one
// gives the short end of a wide range (exposure) as much travel as the long
// end. Page steps are about a twentieth of the range; a double click on the
// slider or its value label opens a box to type the value in.
class ParamSlider : public QSlider
{
    Q_OBJECT
public:
    // Positions of a logarithmic slider.
    static constexpr int kLogPositions = 1000;

    explicit ParamSlider(QWidget *parent = nullptr);

    void setValueRange(int minimum, int maximum, int step, bool logarithmic);
    bool isLogarithmic() const { return m_log; }
    int valueMinimum() const { return m_min; }
    int valueMaximum() const { return m_max; }
    // The control's value the slider stands at.
    int deviceValue() const;
    // Moves the slider; deviceValueChanged follows unless signals are blocked.
    void setDeviceValue(int value);
    // The box for typing a value, over `anchor` (the value label); null when none is open.
    void editValue(QWidget *anchor = nullptr);
    QWidget *editor() const { return m_editor; }

    static int logPosition(int value, int minimum, int maximum);
    static int logValue(int position, int minimum, int maximum);

signals:
    void deviceValueChanged(int value);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int toValue(int position) const;
    int toPosition(int value) const;

    int m_min = 0;
    int m_max = 0;
    int m_step = 1;
    bool m_log = false;
    int m_typed = 0; // a typed value, kept exactly while the slider stands at its position
    bool m_hasTyped = false;
    QWidget *m_editor = nullptr;
};
