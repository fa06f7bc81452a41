#pragma once

#include <QMap>
#include <QScrollArea>

class QLabel;
class ParamSlider;
class QSwitchButton;
class QVBoxLayout;
class SliderFilter;

// One group of the camera panel: rows of a name with a switch or a slider.
class FuncWidget : public QScrollArea
{
    Q_OBJECT
public:
    explicit FuncWidget(QWidget *parent = nullptr);

    QSwitchButton *addSwitch(const QString &name);
    // A double click on the value label opens the slider's value editor.
    ParamSlider *addSlider(const QString &name);

    QLabel *nameLabel(const QString &name) const { return m_labels.value(name); }
    QWidget *row(const QString &name) const { return m_rows.value(name); }
    QStringList rowNames() const { return m_order; }
    // Shows translated row names; the keys stay the source names.
    void setRowText(const QString &name, const QString &text);
    // Hides a row whole (name, control and value), e.g. for a control the device lacks.
    void setRowVisible(const QString &name, bool visible);

private:
    QWidget *m_inner;
    QVBoxLayout *m_layout;
    QMap<QString, QLabel *> m_labels;
    QMap<QString, QWidget *> m_rows;
    QMap<QString, QLabel *> m_values;
    QStringList m_order;
    SliderFilter *m_filter;
};
