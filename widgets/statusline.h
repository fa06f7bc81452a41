#pragma once

#include <QLabel>
#include <QMap>

// The status line: several parts side by side (frame rate, coordinates and
// colour, recording time, next timed shot, calibration note). When the line
// is too narrow, the least important parts are left out whole, so what is
// shown is never cut in the middle of a number.
class StatusLine : public QLabel
{
    Q_OBJECT
public:
    explicit StatusLine(QWidget *parent = nullptr);

    // Parts are shown in ascending order of `order`; an empty text removes
    // the part. Lower `priority` is dropped first when space runs out.
    void setPart(int order, const QString &text, int priority);
    void clearParts();
    // Everything, whether it fits or not (the tool tip shows it too).
    QString fullText() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void relayout();

    struct Part
    {
        QString text;
        int priority = 0;
    };
    QMap<int, Part> m_parts;
};

// Fits a text-under-icon tool button to its caption, in a slightly smaller
// font than body text: a caption wider than maxLineWidth is broken onto two lines at the space that makes the wider
// line shortest, and the button never gets smaller than the largest of
// `captions` (so a button whose text changes, such as Record / Stop
// recording, does not shift its neighbours or the toolbar's height). The
// first caption is shown.
class QToolButton;
void fitToolButton(QToolButton *button, const QStringList &captions, int maxLineWidth = 64);

// A toolbar of such buttons in a narrow window: captions under the icons
// while the bar fits into `width`, icons alone (the caption as tooltip)
// when it does not. captionToolBar puts the captions back before they are
// fitted again (a language change); fitToolBar then decides.
class QWidget;
void captionToolBar(QWidget *bar);
void fitToolBar(QWidget *bar, int width);
