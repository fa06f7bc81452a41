#include "widgets/statusline.h"

#include <QApplication>
#include <QLayout>
#include <QResizeEvent>
#include <QToolButton>

StatusLine::StatusLine(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    // Takes the room the line has, and gives it up before anything else does.
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHorizontalStretch(1);
    setSizePolicy(policy);
}

void StatusLine::setPart(int order, const QString &text, int priority)
{
    if (text.isEmpty())
        m_parts.remove(order);
    else
        m_parts[order] = {text, priority};
    relayout();
}

void StatusLine::clearParts()
{
    m_parts.clear();
    relayout();
}

QString StatusLine::fullText() const
{
    QStringList all;
    for (const Part &p : m_parts)
        all << p.text;
    return all.join(QLatin1Char(' '));
}

QSize StatusLine::minimumSizeHint() const { return QSize(0, QLabel::minimumSizeHint().height()); }

QSize StatusLine::sizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(fullText()) + 8, QLabel::sizeHint().height());
}

void StatusLine::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    relayout();
}

void StatusLine::relayout()
{
    const int room = contentsRect().width();
    QMap<int, Part> shown = m_parts;
    const QFontMetrics fm(font());
    auto joined = [&shown] {
        QStringList list;
        for (const Part &p : shown)
            list << p.text;
        return list.join(QLatin1Char(' '));
    };
    // Drop the least important part (the later one among equals) until the rest fits.
    while (shown.size() > 1 && fm.horizontalAdvance(joined()) > room) {
        auto drop = shown.end();
        for (auto it = shown.begin(); it != shown.end(); ++it) {
            if (drop == shown.end() || it->priority <= drop->priority)
                drop = it;
        }
        shown.erase(drop);
    }
    QString text = joined();
    if (fm.horizontalAdvance(text) > room && room > 0)
        text = fm.elidedText(text, Qt::ElideRight, room);
    if (text != QLabel::text())
        QLabel::setText(text);
    const QString tip = fullText();
    setToolTip(tip != text ? tip : QString());
}

void fitToolButton(QToolButton *button, const QStringList &captions, int maxLineWidth)
{
    if (captions.isEmpty())
        return;
    // Captions a little smaller than body text, as toolbars have them: six
    // of them must share 800 pixels with the zoom box and the page buttons.
    QFont font = QApplication::font(button);
    font.setPointSizeF(qMax(8.0, font.pointSizeF() * 0.85));
    button->setFont(font);
    const QFontMetrics fm(font);
    auto broken = [&](const QString &caption) {
        if (caption.contains(QLatin1Char('\n')) || fm.horizontalAdvance(caption) <= maxLineWidth)
            return caption;
        QString best = caption;
        int bestWidth = fm.horizontalAdvance(caption);
        for (int i = caption.indexOf(QLatin1Char(' ')); i > 0; i = caption.indexOf(QLatin1Char(' '), i + 1)) {
            const int w = qMax(fm.horizontalAdvance(caption.left(i)), fm.horizontalAdvance(caption.mid(i + 1)));
            if (w < bestWidth) {
                bestWidth = w;
                best = caption.left(i) + QLatin1Char('\n') + caption.mid(i + 1);
            }
        }
        return best;
    };
    QSize largest;
    for (const QString &caption : captions) {
        button->setText(broken(caption));
        largest = largest.expandedTo(button->sizeHint());
    }
    button->setText(broken(captions.first()));
    button->setMinimumSize(largest);
}

namespace {
// The room a button takes with its caption, kept while it shows only its icon.
const char *const kCaptionedSize = "vistrelCaptionedSize";
// The tooltip is the caption we put there, to go with the caption.
const char *const kCaptionTip = "vistrelCaptionTip";

QList<QToolButton *> captionedButtons(QWidget *bar)
{
    QList<QToolButton *> out;
    for (QToolButton *b : bar->findChildren<QToolButton *>())
        if (b->toolButtonStyle() == Qt::ToolButtonTextUnderIcon || b->property(kCaptionedSize).isValid())
            out << b;
    return out;
}
} // namespace

void captionToolBar(QWidget *bar)
{
    for (QToolButton *b : captionedButtons(bar)) {
        if (b->toolButtonStyle() == Qt::ToolButtonTextUnderIcon)
            continue;
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setMinimumSize(b->property(kCaptionedSize).toSize());
        if (b->property(kCaptionTip).toBool()) {
            b->setToolTip(QString());
            b->setProperty(kCaptionTip, false);
        }
    }
}

void fitToolBar(QWidget *bar, int width)
{
    if (!bar->layout())
        return;
    captionToolBar(bar);
    const QList<QToolButton *> buttons = captionedButtons(bar);
    for (QToolButton *b : buttons)
        b->setProperty(kCaptionedSize, b->minimumSize());
    bar->layout()->invalidate();
    if (bar->layout()->sizeHint().width() <= width)
        return;
    for (QToolButton *b : buttons) {
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setMinimumSize(0, 0);
        if (b->toolTip().isEmpty()) {
            b->setToolTip(b->text().simplified());
            b->setProperty(kCaptionTip, true);
        }
    }
}
