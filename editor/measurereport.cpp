#include "editor/measurereport.h"
#include "core/diskerror.h"

#include "calib/measurementrows.h"
#include "core/atomicsave.h"
#include "core/notifier.h"
#include "measure/camerascene.h"

#include <QCoreApplication>
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>

#include <cmath>

namespace report {

namespace {

QString tr(const char *text)
{
    // The namespace is the context lupdate files these texts under.
    return QCoreApplication::translate("report", text);
}

QString number(double v)
{
    if (!std::isfinite(v))
        return QStringLiteral("-");
    // Four decimals from 1 up, four significant digits below.
    return std::abs(v) >= 1 || v == 0 ? QLocale().toString(v, 'f', 4) : QLocale().toString(v, 'g', 4);
}

QString unitText(int unit) { return unit == 2 ? QString::fromUtf8("\xC2\xB5m") : unitName(unit); }

// One page's drawing state: a cursor going down the printable area.
struct Pager
{
    QPdfWriter *writer;
    QPainter *painter;
    QRectF area;
    double y = 0;
    int page = 1;

    void newPage()
    {
        writer->newPage();
        ++page;
        y = area.top();
    }
};

} // namespace

QPageSize::PageSizeId pageSizeFor(const QLocale &locale)
{
    switch (locale.country()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Philippines:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::PuertoRico: return QPageSize::Letter;
    default: return QPageSize::A4;
    }
}

Content fromScene(CameraScene *scene)
{
    Content c;
    const bool bar = scene->isScaleBarVisible();
    scene->setScaleBarVisible(true); // drawn only with a real unit
    c.picture = scene->grabImage();
    scene->setScaleBarVisible(bar);
    c.rows = measurementRows(*scene);
    c.calibration = scene->calibration();
    c.date = QDateTime::currentDateTime();
    return c;
}

namespace {

bool drawReport(QIODevice *file, const Content &c, QString *error)
{
    auto fail = [error](const QString &why) {
        *error = why;
        return false;
    };
    QPdfWriter writer(file);
    writer.setResolution(300);
    writer.setPageSize(QPageSize(pageSizeFor(QLocale())));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setTitle(tr("测量报告") + QStringLiteral(" - ") + c.fileName);
    writer.setCreator(QStringLiteral("Vistrel"));
    QPainter painter;
    if (!painter.begin(&writer))
        return fail(QStringLiteral("the PDF cannot be started"));
    Pager pg{&writer, &painter, QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height()))};
    pg.y = pg.area.top();

    QFont title = painter.font();
    title.setPointSizeF(16);
    title.setBold(true);
    QFont body = painter.font();
    body.setPointSizeF(9.5);
    QFont bold = body;
    bold.setBold(true);

    painter.setFont(title);
    const QFontMetricsF tm(title, &writer);
    painter.drawText(QRectF(pg.area.left(), pg.y, pg.area.width(), tm.height()), Qt::AlignLeft, tr("测量报告"));
    pg.y += tm.height() * 1.4;

    // The facts, two columns.
    const QLocale locale;
    const BDInfo &cal = c.calibration;
    const bool real = cal.unit >= 0 && cal.unit <= 3 && cal.factor > 0;
    const QString none = tr("无");
    const QVector<QPair<QString, QString>> facts = {
        {tr("文件"), c.fileName.isEmpty() ? none : c.fileName},
        {tr("日期"), locale.toString(c.date, QLocale::LongFormat)},
        {tr("相机"), c.camera.isEmpty() ? none : c.camera},
        {tr("图片尺寸"), QStringLiteral("%1 × %2 px").arg(c.picture.width()).arg(c.picture.height())},
        {tr("标定"), real ? cal.name : tr("未标定")},
        {tr("标定系数"),
         real ? QStringLiteral("%1 %2/px").arg(locale.toString(cal.factor, 'g', 8), unitText(cal.unit)) : none},
        {tr("标定时的图片尺寸"),
         real && cal.pictureSize.isValid()
             ? QStringLiteral("%1 × %2 px").arg(cal.pictureSize.width()).arg(cal.pictureSize.height())
             : none},
        {tr("标定所用相机"), real && !cal.camera.isEmpty() ? cal.camera : none},
    };
    const QFontMetricsF bm(body, &writer);
    double keyWidth = 0;
    for (const auto &f : facts)
        keyWidth = qMax(keyWidth, QFontMetricsF(bold, &writer).horizontalAdvance(f.first));
    keyWidth += bm.averageCharWidth() * 2;
    for (const auto &f : facts) {
        painter.setFont(bold);
        painter.drawText(QRectF(pg.area.left(), pg.y, keyWidth, bm.height()), Qt::AlignLeft, f.first);
        painter.setFont(body);
        painter.drawText(QRectF(pg.area.left() + keyWidth, pg.y, pg.area.width() - keyWidth, bm.height()),
                         Qt::AlignLeft, f.second);
        pg.y += bm.height() * 1.25;
    }
    pg.y += bm.height();

    // The picture across the page, at its own resolution inside the PDF.
    QSizeF target =
        QSizeF(c.picture.size()).scaled(QSizeF(pg.area.width(), pg.area.bottom() - pg.y), Qt::KeepAspectRatio);
    if (target.height() < pg.area.height() * 0.3) {
        pg.newPage();
        target = QSizeF(c.picture.size()).scaled(pg.area.size(), Qt::KeepAspectRatio);
    }
    const QRectF pictureRect(pg.area.left() + (pg.area.width() - target.width()) / 2, pg.y, target.width(),
                             target.height());
    painter.drawImage(pictureRect, c.picture);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(pictureRect);

    // The results table on the pages after the picture.
    pg.newPage();
    painter.setFont(title);
    painter.drawText(QRectF(pg.area.left(), pg.y, pg.area.width(), tm.height()), Qt::AlignLeft, tr("测量结果"));
    pg.y += tm.height() * 1.3;
    const QStringList headers = {tr("序号"), tr("工具"), tr("名称"), tr("数值"), tr("单位"), tr("像素值"), tr("标定")};
    const double widths[] = {0.08, 0.2, 0.1, 0.17, 0.09, 0.17, 0.19};
    const double rowHeight = bm.height() * 1.35;
    auto drawRow = [&](const QStringList &cells, bool header) {
        painter.setFont(header ? bold : body);
        double x = pg.area.left();
        const double pad = bm.averageCharWidth() * 0.6;
        for (int i = 0; i < cells.size(); ++i) {
            const double w = widths[i] * pg.area.width();
            const Qt::Alignment align = (i == 3 || i == 5) && !header ? Qt::AlignRight : Qt::AlignLeft;
            painter.drawText(QRectF(x + pad, pg.y, w - 2 * pad, rowHeight), align | Qt::AlignVCenter,
                             bm.elidedText(cells[i], Qt::ElideRight, w - 2 * pad));
            x += w;
        }
        painter.setPen(QPen(header ? Qt::black : QColor(190, 190, 190), header ? 3 : 1));
        painter.drawLine(QPointF(pg.area.left(), pg.y + rowHeight), QPointF(pg.area.right(), pg.y + rowHeight));
        painter.setPen(Qt::black);
        pg.y += rowHeight;
    };
    drawRow(headers, true);
    if (c.rows.isEmpty()) {
        painter.setFont(body);
        painter.drawText(QRectF(pg.area.left(), pg.y, pg.area.width(), rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         tr("没有测量"));
    }
    for (const MeasurementRow &r : c.rows) {
        if (pg.y + rowHeight > pg.area.bottom() - bm.height() * 2) {
            painter.setFont(body);
            painter.drawText(QRectF(pg.area.left(), pg.area.bottom() - bm.height(), pg.area.width(), bm.height()),
                             Qt::AlignRight, tr("续下页"));
            pg.newPage();
            drawRow(headers, true); // each page has its header
        }
        drawRow({QString::number(r.shape), r.tool, r.name, number(r.real), r.unit, number(r.pixels),
                 r.calibration.isEmpty() ? none : r.calibration},
                false);
    }
    if (!painter.end())
        return fail(QStringLiteral("the PDF could not be finished"));
    return true;
}

} // namespace

bool writePdf(const QString &path, const Content &c, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (c.picture.isNull())
        return fail(QStringLiteral("no picture"));
    // Written beside the target, then renamed over it: a failure keeps an older report.
    const atomicsave::Result saved = atomicsave::save(
        path, [&c](QFileDevice &file, QString *why) { return drawReport(&file, c, why); });
    return saved.saved || fail(saved.reason);
}

namespace {
std::function<QString(const QString &)> g_chooser;
}

void setPathChooser(std::function<QString(const QString &)> chooser) { g_chooser = std::move(chooser); }

QAction *addReportAction(QMenu *menu, QAction *after, QObject *receiver, const std::function<void()> &run)
{
    auto *action = new QAction(menu);
    action->setObjectName(QStringLiteral("actionReport"));
    const QList<QAction *> actions = menu->actions();
    const int at = actions.indexOf(after);
    menu->insertAction(at >= 0 && at + 1 < actions.size() ? actions[at + 1] : nullptr, action);
    QObject::connect(action, &QAction::triggered, receiver, [run] { run(); });
    retranslateAction(action);
    return action;
}

void retranslateAction(QAction *action) { action->setText(tr("导出报告…")); }

QString exportReport(QWidget *parent, Content content, const QString &suggested)
{
    const QString path = g_chooser
                             ? g_chooser(suggested)
                             : QFileDialog::getSaveFileName(parent, tr("导出报告"), suggested, tr("PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return QString();
    const QString target = QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0
                               ? path
                               : path + QStringLiteral(".pdf");
    if (content.fileName.isEmpty())
        content.fileName = QFileInfo(target).fileName();
    QString why;
    if (!writePdf(target, content, &why)) {
        // The file and what went wrong with it, in words.
        notifier().inform(parent, tr("无法写入报告：%1").arg(QDir::toNativeSeparators(target)) + QLatin1Char('\n')
                                      + diskerror::diagnose(target));
        return QString();
    }
    return target;
}

} // namespace report
