#pragma once

#include <QSize>
#include <QString>
#include <QVector>
#include <QPointer>
#include <QWidget>

class QTableWidget;
class QPushButton;

// One measured value of one shape, as the results table lists it.
struct MeasurementRow
{
    int shape = 0;       // 1-based number of the shape in the scene
    QString tool;        // translated tool name
    QString name;        // "L", "S", "R", "D", "A", "C" ...
    double real = 0;     // in `unit` (degrees for angles)
    QString unit;        // "mm", "um", "px", "deg" ...
    double pixels = 0;   // the same value in picture pixels (px, px², deg)
    QString calibration; // name of the calibration used, empty for none
};

// What the export writes above the rows.
struct MeasurementSource
{
    QString picture;     // file name or camera name
    QSize size;          // picture size in pixels
    QString calibration; // name
    double factor = 0;   // real length per pixel, 0 for none
    QString unit;
};

// One object of a particle analysis as the results table lists it: x and y
// in picture pixels (centres at whole numbers + 0.5), lengths in the
// section's unit, the area in its square.
struct ParticleRow
{
    int number = 0;
    double x = 0, y = 0, area = 0, perimeter = 0, diameter = 0, feretMax = 0, feretMin = 0, circularity = 0, mean = 0;
};

struct ParticleSection
{
    QString unit = QStringLiteral("px");
    QVector<ParticleRow> rows;
};

// Mean and sample standard deviation of each column of the rows, in the
// order of ParticleRow (number left out: x first).
struct ParticleSummary
{
    int count = 0;
    double mean[9] = {};
    double sd[9] = {};
};
ParticleSummary particleSummary(const QVector<ParticleRow> &rows);

// The section the CSV export adds after the shapes' rows: a comment line,
// its own header, a row per object and the summary as comment rows.
QByteArray particlesCsv(const ParticleSection &section);

// CSV as spreadsheets and Python's csv module read it: UTF-8, comment rows
// starting with "#" for the source, a header row, a dot as the decimal
// separator and enough digits to give back the same double.
QByteArray measurementsCsv(const QVector<MeasurementRow> &rows, const MeasurementSource &source);
// Tab-separated, header first, for pasting into a spreadsheet; the numbers
// as the table shows them.
QString measurementsTsv(const QVector<MeasurementRow> &rows);

// The results table: one row per measured value of every shape, with
// Export and Copy. It does not read the scene itself; its owner gives it
// the rows whenever the shapes change.
class MeasurementTable : public QWidget
{
    Q_OBJECT
public:
    explicit MeasurementTable(QWidget *parent = nullptr);

    void setRows(const QVector<MeasurementRow> &rows);
    const QVector<MeasurementRow> &rows() const { return m_rows; }
    // The particle analysis' section, under the shapes' rows; hidden when empty.
    void setParticles(const ParticleSection &section);
    const ParticleSection &particles() const { return m_particles; }
    QTableWidget *particleTable() const { return m_particleTable; }
    void setSource(const MeasurementSource &source) { m_source = source; }

    // Writes the CSV; false (after telling the user) when it cannot.
    bool exportTo(const QString &path);
    void copyToClipboard();

    QTableWidget *table() const { return m_table; }
    // The same results in a window of their own, every column at full
    // width (btnResultsWindow); null until opened.
    MeasurementTable *openWindow();
    MeasurementTable *resultsWindow() const { return m_window; }
    // Selects the rows of that shape (1-based; 0 for none) as the scene
    // picked it, without telling shapeSelected.
    void selectShape(int shape);

signals:
    // The user selected a row of that shape (1-based), or none (0).
    void shapeSelected(int shape);
    // The user asked to erase that shape (Delete key or the row's menu).
    void eraseRequested(int shape);

public slots:
    void onBtnExport();
    void onBtnCopy();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void retranslate();
    int selectedShape() const;
    // In a narrow panel the pixel and calibration columns go first (the
    // window and the exports keep them), so that no sideways scroll is needed.
    void fitColumns();
    int contentWidth(int column) const;

    QTableWidget *m_table;
    QTableWidget *m_particleTable;
    ParticleSection m_particles;
    QPushButton *m_export;
    QPushButton *m_copy;
    QPushButton *m_widen;
    QPointer<MeasurementTable> m_window;
    bool m_inWindow = false;
    QVector<MeasurementRow> m_rows;
    MeasurementSource m_source;
};
