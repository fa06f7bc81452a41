#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// An on/off switch drawn from two images.
class QSwitchButton : public QWidget
{
    Q_OBJECT
public:
    explicit QSwitchButton(QWidget *parent = nullptr);

    bool isChecked() const { return m_checked; }
    // Sets the state without emitting clicked.
    void setChecked(bool checked);
    QSize sizeHint() const override { return QSize(m_width, m_height); }

signals:
    void clicked();
    void clicked(bool is_selected);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool m_enabled = true;
    bool m_checked = true;
    bool m_flag = true;
    int m_width = 61;
    int m_height = 27;
    QColor m_colors[4] = {Qt::white, QColor(0xE7, 0xE3, 0xE7), QColor(0x63, 0xBA, 0xFF), QColor(0x7B, 0x79, 0x7B)};
    int m_radius = 30;
    int m_shape = 1;
    QPixmap m_onImage;
    QPixmap m_offImage;
};
