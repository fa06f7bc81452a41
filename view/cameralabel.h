#pragma once

#include <QImage>
#include <QLabel>

class QPushButton;

// A picture tile of the four-camera view: its number, selection border, an
// add button while empty and, on tile 0, a freeze button.
class CameraLabel : public QLabel
{
    Q_OBJECT
public:
    explicit CameraLabel(QWidget *parent = nullptr);

    void setIndex(int index);
    int index() const { return m_index; }

    // Ignored while frozen.
    void setImage(const QImage &image);
    // Replaces the picture even while frozen; false when the file is no image.
    bool setFile(const QString &path);
    void clearImage();
    QImage image() const { return m_image; }
    QString fileName() const { return m_fileName; }

    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    bool isFrozen() const { return m_frozen; }
    void setFrozen(bool frozen);
    // The live camera's name and frame rate, drawn across the top.
    void setTitle(const QString &title);
    QString title() const { return m_title; }
    // Why the tile's camera shows nothing (e.g. no USB bandwidth); empty clears it.
    void setMessage(const QString &message);
    QString message() const { return m_message; }
    // Item data role of the camera list that carries a camera id for dragging.
    static constexpr int kCameraIdRole = Qt::UserRole + 1;
    void setAddEnabled(bool enabled) { m_addEnabled = enabled; }
    QPushButton *freezeButton() const { return m_freezeButton; }

    // The centred square where the add icon sits.
    QRect addIconRect() const;

signals:
    void sigAddClicked();
    void toggled(bool checked);
    void sigCameraDropped(const QString &camId);

public slots:
    void onBtnDongJie();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    int m_index = 0;
    bool m_pressed = false;
    bool m_selected = false;
    bool m_addEnabled = true;
    bool m_addPressed = false;
    QString m_fileName;
    QImage m_image;
    QImage m_addIcon;
    QPushButton *m_freezeButton = nullptr;
    bool m_frozen = false;
    QString m_title;
    QString m_message;
};
