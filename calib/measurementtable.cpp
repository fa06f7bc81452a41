#include "calib/measurementtable.h"

#include "core/notifier.h"
#include "core/numberformat.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Shortest text that reads back as the same double, always with a dot.
QString exact(double v)
{
    return QString::number(v, 'g', 17);
}

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
const char *const kColumns[] = {QT_TRANSLATE_NOOP("MeasurementTable", "编号"), QT_TRANSLATE_NOOP("MeasurementTable", "工具"),
                                QT_TRANSLATE_NOOP("MeasurementTable", "名称"), QT_TRANSLATE_NOOP("MeasurementTable", "数值"),
                                QT_TRANSLATE_NOOP("MeasurementTable", "单位"), QT_TRANSLATE_NOOP("MeasurementTable", "像素"),
                                QT_TRANSLATE_NOOP("MeasurementTable", "标定")};
const char *const kCsvColumns[] = {"shape", "tool", "value", "real", "unit", "pixels", "calibration"};
constexpr int kColumnCount = 7;

QStringList fields(const MeasurementRow &r)
{
    return {QString::number(r.shape), r.tool, r.name, exact(r.real), r.unit, exact(r.pixels), r.calibration};
}

// What a person reads: the labels' digits (angles as the labels write them).
QString shownNumber(const MeasurementRow &r, double v)
{
    return r.unit == QLatin1String("deg") ? formatAngle(v) : formatMeasure(v);
}

QStringList shownFields(const MeasurementRow &r)
{
    return {QString::number(r.shape), r.tool, r.name, shownNumber(r, r.real), r.unit, shownNumber(r, r.pixels),
            r.calibration};
}

} // namespace

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

MeasurementTable::MeasurementTable(QWidget *parent) : QWidget(parent)
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

    // One above the other: side by side they would widen the narrow toolbox.
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_export);
    buttons->addWidget(m_copy);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    layout->addLayout(buttons);

    connect(m_export, &QPushButton::clicked, this, &MeasurementTable::onBtnExport);
    connect(m_copy, &QPushButton::clicked, this, &MeasurementTable::onBtnCopy);
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
        for (int c = 0; c < kColumnCount; ++c) {
            auto *item = new QTableWidgetItem(shown[c]);
            if (c == 3 || c == 5 || c == 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(i, c, item);
        }
        if (r.shape == keep)
            m_table->selectRow(i);
    }
    m_export->setEnabled(!rows.isEmpty());
    m_copy->setEnabled(!rows.isEmpty());
}

void MeasurementTable::selectShape(int shape)
{
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(measurementsCsv(m_rows, m_source)) < 0 || !file.commit()) {
        notifier().inform(this, tr("保存失败") + QStringLiteral(": ") + QFileInfo(path).fileName());
        return false;
    }
    return true;
}

void MeasurementTable::copyToClipboard()
{
    QApplication::clipboard()->setText(measurementsTsv(m_rows));
}

void MeasurementTable::onBtnExport()
{
    QString base = m_source.picture.isEmpty() ? QStringLiteral("measurements")
                                              : QFileInfo(m_source.picture).completeBaseName();
    const QString path = QFileDialog::getSaveFileName(this, tr("导出测量结果…"), base + QStringLiteral(".csv"),
                                                      QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty())
        exportTo(path);
}

void MeasurementTable::onBtnCopy()
{
    copyToClipboard();
}

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
    m_export->setText(tr("导出测量结果…"));
    m_copy->setText(tr("复制"));
}
