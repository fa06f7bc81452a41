#include "calib/measurementtable.h"
#include "core/diskerror.h"

#include "core/atomicsave.h"
#include "core/lastfolder.h"
#include "core/notifier.h"
#include "core/numberformat.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

// Shortest text that reads back as the same double, always with a dot:
// 0.053125, not 0.053125000000000006.
QString exact(double v) { return QString::number(v, 'g', QLocale::FloatingPointShortest); }

QString csvField(const QString &s)
{
    if (!s.contains(QLatin1Char(',')) && !s.contains(QLatin1Char('"')) && !s.contains(QLatin1Char('\n'))
        && !s.contains(QLatin1Char('\r')) && !s.startsWith(QLatin1Char('#')))
        return s;
    QString q = s;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// The header texts in the language shown, and the fixed English ones of the file.
const char *const kColumns[] = {
    QT_TRANSLATE_NOOP("MeasurementTable", "编号"), QT_TRANSLATE_NOOP("MeasurementTable", "工具"),
    QT_TRANSLATE_NOOP("MeasurementTable", "名称"), QT_TRANSLATE_NOOP("MeasurementTable", "数值"),
    QT_TRANSLATE_NOOP("MeasurementTable", "单位"), QT_TRANSLATE_NOOP("MeasurementTable", "像素"),
    QT_TRANSLATE_NOOP("MeasurementTable", "标定")};
const char *const kCsvColumns[] = {"shape", "tool", "value", "real", "unit", "pixels", "calibration"};
constexpr int kColumnCount = 7;

QStringList fields(const MeasurementRow &r)
{
    return {QString::number(r.shape), r.tool, r.name, exact(r.real), r.unit, exact(r.pixels), r.calibration};
}

const char *const kParticleColumns[] = {QT_TRANSLATE_NOOP("MeasurementTable", "编号"),
                                        "X",
                                        "Y",
                                        QT_TRANSLATE_NOOP("MeasurementTable", "面积"),
                                        QT_TRANSLATE_NOOP("MeasurementTable", "周长"),
                                        QT_TRANSLATE_NOOP("MeasurementTable", "等效直径"),
                                        QT_TRANSLATE_NOOP("MeasurementTable", "最大费雷特径"),
                                        QT_TRANSLATE_NOOP("MeasurementTable", "最小费雷特径"),
                                        QT_TRANSLATE_NOOP("MeasurementTable", "圆度"),
                                        QT_TRANSLATE_NOOP("MeasurementTable", "平均灰度")};
constexpr int kParticleColumnCount = 10;

QVector<double> particleValues(const ParticleRow &r)
{
    return {r.x, r.y, r.area, r.perimeter, r.diameter, r.feretMax, r.feretMin, r.circularity, r.mean};
}

// What a person reads: the labels' digits (angles as the labels write them).
QString shownNumber(const MeasurementRow &r, double v)
{
    return r.unit == QLatin1String("deg") ? formatAngle(v) : formatMeasure(v);
}

QStringList shownFields(const MeasurementRow &r)
{
    return {QString::number(r.shape), r.tool,       r.name, shownNumber(r, r.real), r.unit,
            shownNumber(r, r.pixels), r.calibration};
}

} // namespace

ParticleSummary particleSummary(const QVector<ParticleRow> &rows)
{
    ParticleSummary s;
    s.count = rows.size();
    if (rows.isEmpty())
        return s;
    for (const ParticleRow &r : rows) {
        const QVector<double> v = particleValues(r);
        for (int c = 0; c < 9; ++c)
            s.mean[c] += v[c] / rows.size();
    }
    if (rows.size() > 1) {
        for (const ParticleRow &r : rows) {
            const QVector<double> v = particleValues(r);
            for (int c = 0; c < 9; ++c)
                s.sd[c] += (v[c] - s.mean[c]) * (v[c] - s.mean[c]) / (rows.size() - 1);
        }
        for (double &sd : s.sd)
            sd = std::sqrt(sd);
    }
    return s;
}

QByteArray particlesCsv(const ParticleSection &section)
{
    if (section.rows.isEmpty())
        return {};
    QString out;
    out += QStringLiteral("# particles,%1,lengths in %2\r\n").arg(section.rows.size()).arg(csvField(section.unit));
    out += QStringLiteral("particle,x,y,area,perimeter,equivalent_diameter,feret_max,feret_min,circularity,mean\r\n");
    for (const ParticleRow &r : section.rows) {
        QStringList f{QString::number(r.number)};
        for (double v : particleValues(r))
            f << exact(v);
        out += f.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    const ParticleSummary sum = particleSummary(section.rows);
    QStringList mean{QStringLiteral("# mean")}, sd{QStringLiteral("# sd")};
    for (int c = 0; c < 9; ++c) {
        mean << exact(sum.mean[c]);
        sd << exact(sum.sd[c]);
    }
    out += mean.join(QLatin1Char(',')) + QStringLiteral("\r\n") + sd.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    return out.toUtf8();
}

QByteArray measurementsCsv(const QVector<MeasurementRow> &rows, const MeasurementSource &source)
{
    QString out;
    out += QStringLiteral("# picture,") + csvField(source.picture) + QStringLiteral("\r\n");
    out += QStringLiteral("# size,%1,%2\r\n").arg(source.size.width()).arg(source.size.height());
    if (source.factor > 0)
        out += QStringLiteral("# calibration,") + csvField(source.calibration) + QLatin1Char(',') + exact(source.factor)
               + QLatin1Char(',') + csvField(source.unit) + QStringLiteral(" per px\r\n");
    else
        out += QStringLiteral("# calibration,none\r\n");
    QStringList header;
    for (const char *c : kCsvColumns)
        header << QString::fromLatin1(c);
    out += header.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const MeasurementRow &r : rows) {
        QStringList f = fields(r);
        for (QString &s : f)
            s = csvField(s);
        out += f.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

QString measurementsTsv(const QVector<MeasurementRow> &rows)
{
    QStringList lines;
    QStringList header;
    for (const char *c : kColumns)
        header << QCoreApplication::translate("MeasurementTable", c);
    lines << header.join(QLatin1Char('\t'));
    for (const MeasurementRow &r : rows) {
        QStringList f = shownFields(r);
        for (QString &s : f)
            s.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        lines << f.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

MeasurementTable::MeasurementTable(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("measurementTable"));
    m_table = new QTableWidget(0, kColumnCount, this);
    m_table->setObjectName(QStringLiteral("tableResults"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->installEventFilter(this);
    m_export = new QPushButton(this);
    m_export->setObjectName(QStringLiteral("btnExportMeasurements"));
    m_copy = new QPushButton(this);
    m_copy->setObjectName(QStringLiteral("btnCopyMeasurements"));
    m_particleTable = new QTableWidget(0, kParticleColumnCount, this);
    m_particleTable->setObjectName(QStringLiteral("tableParticles"));
    m_particleTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_particleTable->verticalHeader()->hide();
    m_particleTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_particleTable->hide();
    // An icon only: its words would widen the narrow toolbox in long languages.
    m_widen = new QPushButton(this);
    m_widen->setObjectName(QStringLiteral("btnResultsWindow"));
    m_widen->setIcon(style()->standardIcon(QStyle::SP_TitleBarMaxButton));

    // One above the other: side by side they would widen the narrow toolbox.
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_export);
    buttons->addWidget(m_copy);
    buttons->addWidget(m_widen);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    layout->addWidget(m_particleTable);
    layout->addLayout(buttons);

    connect(m_export, &QPushButton::clicked, this, &MeasurementTable::onBtnExport);
    connect(m_copy, &QPushButton::clicked, this, &MeasurementTable::onBtnCopy);
    connect(m_widen, &QPushButton::clicked, this, &MeasurementTable::openWindow);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, [this] { emit shapeSelected(selectedShape()); });
    connect(m_table, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        const int shape = selectedShape();
        if (shape <= 0)
            return;
        QMenu menu(this);
        menu.addAction(tr("删除"), this, [this, shape] { emit eraseRequested(shape); });
        menu.exec(m_table->viewport()->mapToGlobal(pos));
    });
    retranslate();
}

void MeasurementTable::setRows(const QVector<MeasurementRow> &rows)
{
    const int keep = selectedShape();
    m_rows = rows;
    const QSignalBlocker block(m_table);
    m_table->setRowCount(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        const MeasurementRow &r = rows[i];
        // The table shows what the labels show; the file keeps every digit.
        const QStringList shown = shownFields(r);
        const QString tip = QStringLiteral("%1 %2: %3 %4").arg(r.tool, r.name, shown[3], r.unit);
        for (int c = 0; c < kColumnCount; ++c) {
            auto *item = new QTableWidgetItem(shown[c]);
            item->setToolTip(tip);
            if (c == 3 || c == 5 || c == 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(i, c, item);
        }
        if (r.shape == keep)
            m_table->selectRow(i);
    }
    m_export->setEnabled(!rows.isEmpty() || !m_particles.rows.isEmpty());
    m_copy->setEnabled(!rows.isEmpty());
    fitColumns();
    if (m_window) {
        m_window->setSource(m_source);
        m_window->setRows(rows);
    }
}

int MeasurementTable::contentWidth(int column) const
{
    const QFontMetrics fm(m_table->font());
    int width = 0;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (const QTableWidgetItem *item = m_table->item(row, column))
            width = qMax(width, fm.horizontalAdvance(item->text()));
    }
    // The cell's margins on both sides.
    return width + 2 * m_table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_table) + 8;
}

void MeasurementTable::fitColumns()
{
    QHeaderView *header = m_table->horizontalHeader();
    for (int c = 0; c < kColumnCount; ++c)
        m_table->setColumnHidden(c, false);
    if (m_inWindow)
        return;
    const int room = m_table->viewport()->width();
    // Calibration, pixels, then the tool's name (each row's tooltip keeps
    // it) go while the rest would still need a sideways scroll.
    for (int c : {6, 5, 1}) {
        int need = 0;
        for (int i = 0; i < kColumnCount; ++i) {
            if (!m_table->isColumnHidden(i))
                need += qMax(header->sectionSizeHint(i), contentWidth(i));
        }
        if (need <= room)
            break;
        m_table->setColumnHidden(c, true);
    }
}

void MeasurementTable::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitColumns();
}

MeasurementTable *MeasurementTable::openWindow()
{
    if (!m_window) {
        auto *dialog = new QDialog(this, Qt::Window);
        dialog->setObjectName(QStringLiteral("resultsWindow"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        m_window = new MeasurementTable(dialog);
        m_window->m_inWindow = true;
        m_window->m_widen->hide();
        auto *layout = new QVBoxLayout(dialog);
        layout->addWidget(m_window);
        // Picks and erases there act on the shapes as they do here.
        connect(m_window, &MeasurementTable::shapeSelected, this, &MeasurementTable::shapeSelected);
        connect(m_window, &MeasurementTable::eraseRequested, this, &MeasurementTable::eraseRequested);
        m_window->setSource(m_source);
        m_window->setRows(m_rows);
        dialog->setWindowTitle(m_widen->toolTip());
        dialog->resize(720, 420);
    }
    QWidget *dialog = m_window->QWidget::window();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return m_window;
}

void MeasurementTable::setParticles(const ParticleSection &section)
{
    m_particles = section;
    const QVector<ParticleRow> &rows = section.rows;
    const ParticleSummary sum = particleSummary(rows);
    const int summaryRows = rows.isEmpty() ? 0 : 3;
    m_particleTable->setRowCount(rows.size() + summaryRows);
    auto put = [this](int row, int column, const QString &text) {
        auto *item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_particleTable->setItem(row, column, item);
    };
    for (int i = 0; i < rows.size(); ++i) {
        put(i, 0, QString::number(rows[i].number));
        const QVector<double> v = particleValues(rows[i]);
        for (int c = 0; c < 9; ++c)
            put(i, c + 1, QString::number(v[c], 'f', c == 7 ? 3 : 4));
    }
    if (summaryRows) {
        const int at = rows.size();
        put(at, 0, tr("数量"));
        put(at, 1, QString::number(sum.count));
        put(at + 1, 0, tr("平均值"));
        put(at + 2, 0, tr("标准差"));
        for (int c = 0; c < 9; ++c) {
            put(at + 1, c + 1, QString::number(sum.mean[c], 'f', 4));
            put(at + 2, c + 1, QString::number(sum.sd[c], 'f', 4));
        }
    }
    m_particleTable->setVisible(!rows.isEmpty());
    retranslate();
    m_export->setEnabled(!m_rows.isEmpty() || !rows.isEmpty());
}

void MeasurementTable::selectShape(int shape)
{
    if (m_window)
        m_window->selectShape(shape);
    const QSignalBlocker block(m_table);
    QItemSelection rows;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].shape == shape)
            rows.select(m_table->model()->index(i, 0), m_table->model()->index(i, kColumnCount - 1));
    }
    // The view's single selection binds the user, not this: a shape may
    // have several rows.
    m_table->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    if (!rows.isEmpty())
        m_table->scrollTo(rows.first().topLeft());
}

int MeasurementTable::selectedShape() const
{
    const QList<QTableWidgetItem *> items = m_table->selectedItems();
    if (items.isEmpty())
        return 0;
    const int row = items.first()->row();
    return row >= 0 && row < m_rows.size() ? m_rows[row].shape : 0;
}

bool MeasurementTable::exportTo(const QString &path)
{
    if (!atomicsave::save(path, measurementsCsv(m_rows, m_source) + particlesCsv(m_particles)).saved) {
        notifier().inform(this, tr("保存失败") + QLatin1Char('\n') + diskerror::diagnose(path));
        return false;
    }
    return true;
}

void MeasurementTable::copyToClipboard() { QApplication::clipboard()->setText(measurementsTsv(m_rows)); }

void MeasurementTable::onBtnExport()
{
    QString base = m_source.picture.isEmpty() ? QStringLiteral("measurements")
                                              : QFileInfo(m_source.picture).completeBaseName();
    const QString path = QFileDialog::getSaveFileName(this, tr("导出测量结果…"),
                                                      lastfolder::start(base + QStringLiteral(".csv")),
                                                      tr("CSV 表格") + QStringLiteral(" (*.csv)"));
    lastfolder::remember(path);
    if (!path.isEmpty())
        exportTo(path);
}

void MeasurementTable::onBtnCopy() { copyToClipboard(); }

bool MeasurementTable::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Delete) || key->key() == Qt::Key_Backspace) {
            if (const int shape = selectedShape())
                emit eraseRequested(shape);
            return true;
        }
        if (key->matches(QKeySequence::Copy)) {
            copyToClipboard();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MeasurementTable::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void MeasurementTable::retranslate()
{
    QStringList header;
    for (const char *c : kColumns)
        header << tr(c);
    m_table->setHorizontalHeaderLabels(header);
    QStringList particleHeader;
    for (int c = 0; c < kParticleColumnCount; ++c) {
        QString text = tr(kParticleColumns[c]);
        // Lengths in the section's unit, the area in its square.
        if (c == 3)
            text += QStringLiteral(" (%1²)").arg(m_particles.unit);
        else if (c >= 4 && c <= 7)
            text += QStringLiteral(" (%1)").arg(m_particles.unit);
        particleHeader << text;
    }
    m_particleTable->setHorizontalHeaderLabels(particleHeader);
    m_export->setText(tr("导出测量结果…"));
    m_copy->setText(tr("复制"));
    m_widen->setToolTip(tr("在窗口中显示结果"));
    m_widen->setAccessibleName(m_widen->toolTip());
}
