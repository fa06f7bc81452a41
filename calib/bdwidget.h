#pragma once

#include "core/bdinfo.h"

#include <QTimer>
#include <QVector>
#include <QWidget>

#include <functional>
#include <memory>

struct AppSettings;
class CameraScene;
class QAbstractButton;
class QButtonGroup;
class QLocale;
class MeasurementTable;
class AnalysisTools;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace imaging {
struct ScaleFit;
}
class QThread;

namespace Ui {
class BDWidget;
}

// The measurement toolbox: tools, drawing style, the active calibration and
// the calibration list. Every action goes to the scene it is bound to.
class BDWidget : public QWidget
{
    Q_OBJECT
public:
    explicit BDWidget(QWidget *parent = nullptr);
    ~BDWidget() override;

    void setup(CameraScene *scene, AppSettings *settings);
    void refresh();
    void leaveEditPage();
    void setViewScale(double scale);
    double viewScale() const { return m_viewScale; }

    bool isEditPage() const;
    const QVector<QAbstractButton *> &toolList() const { return m_tools; }

    // File pickers of backup and restore; tests replace them. An empty
    // answer means cancelled.
    using FilePicker = std::function<QString(bool save)>;
    void setFilePicker(FilePicker picker) { m_filePicker = std::move(picker); }

    Ui::BDWidget *form() const { return ui; }
    // The results table under the tools, bound to the scene of setup().
    MeasurementTable *resultsTable() const { return m_results; }
    // Snapping, the circle fit and the particle analysis.
    AnalysisTools *analysisTools() const { return m_analysis; }
    // The picture's name the table's export starts from (a photo's file).
    void setPictureName(const QString &name);
    void showResults(bool show);
    // "Also save CSV" under the table (AppSettings::Extras::csvBesidePhoto); hidden
    // unless the owner saves pictures itself (the measure editor).
    QCheckBox *csvOption() const { return m_csvOption; }

    // Names the camera a new calibration is made on (the window's current
    // camera); none in the measure editor.
    using CameraName = std::function<QString()>;
    void setCameraName(CameraName name) { m_cameraName = std::move(name); }

    // Says how the calibration in force was adapted to the picture
    // ("calibrated at 1920 × 1080, scaled ×1.50"); empty when it applies
    // as it was made.
    QString calibrationNote() const { return m_note; }
    // The chosen calibration as it applies to a picture of that size (a
    // photo of another camera); the scene's own when none was chosen.
    BDInfo calibrationFor(const QSize &picture) const;

    // The camera whose picture the toolbox measures (its id); each camera
    // keeps the calibration chosen for it and gets it back here. Empty in
    // the measure editor.
    void setCamera(const QString &camera);
    // The calibration in force, as made, and whether there is one.
    bool hasCalibration() const { return m_hasApplied; }
    BDInfo calibrationInForce() const { return m_applied; }
    // "50.75X · 1920×1080 · 0.5208 µm/px", or "Not calibrated (px)".
    QString inForceText() const;
    // What the status line shows of it: the calibration and any note.
    QString statusText() const;
    // How a record is listed: its name, the picture size it was made at and,
    // when made on another camera than the current one, that camera's model.
    QString displayName(const BDInfo &info) const;

    // A photo's own calibration, in force in this toolbox only (the list is
    // not changed until "Add to list"); a null pointer ends it.
    void setPhotoCalibration(const BDInfo *info);
    bool isFromPhoto() const { return m_fromPhoto; }

    // Lays the ruler over the scale found in the scene's picture and fills
    // the actual length; runs off the GUI thread. Tests wait for scaleFound.
    void findScale();
    bool isFindingScale() const;

    // A real length typed in the locale's way ("0,5" in German) or the C
    // way; *ok false for anything else.
    static double parseLength(const QString &text, const QLocale &locale, bool *ok);

signals:
    void bdInfoChanged();
    void calibrationNoteChanged(const QString &note);
    // A choice kept in the settings changed (the CSV option, a camera's
    // calibration).
    void optionChanged();
    // The automatic calibration ended: found or not (the message is shown).
    void scaleFound(bool found);

public slots:
    void onToolBtnClicked();
    void onToolBtnGrid();
    void onToolButtonUndo();
    void onToolButtonRedo();
    void onToolBtnClear();
    void onStyleChanged(int idx);
    void onBDChanged();
    void onUnitChanged();
    void onMeasureChanged();
    void onBtnBDEdit();
    void onBtnBDDel();
    void onBtnBDSave();
    void onBtnBDLoad();
    void onBDNewData();
    void onBDLabelChanged();
    void onCurrentStackChanged();

protected:
    void changeEvent(QEvent *event) override;

private:
    void keepCaptionWordsWhole();
    void setTableHeader();
    // Makes a record of the list the calibration in force (and remembers it
    // for the current camera).
    void choose(int row);
    void remember();
    void onScaleFound(const imaging::ScaleFit &fit);
    void updateUnitFields();
    // Hands the chosen record to the scene, adapted to its picture size.
    void applyCalibration();
    void updateNote();

    void bindResults();
    void retranslateResults();

    CameraScene *m_scene = nullptr;
    MeasurementTable *m_results = nullptr;
    AnalysisTools *m_analysis = nullptr;
    QPushButton *m_showResults = nullptr;
    QPushButton *m_resultsBack = nullptr;
    QCheckBox *m_csvOption = nullptr;
    QVector<QMetaObject::Connection> m_resultConnections;
    QString m_pictureName;
    AppSettings *m_settings = nullptr;
    QTimer m_measureTimer;
    double m_viewScale = 1.0;
    QVector<QAbstractButton *> m_tools;
    Ui::BDWidget *ui;
    QButtonGroup *m_toolGroup = nullptr;
    FilePicker m_filePicker;
    CameraName m_cameraName;
    // The record last handed to the scene, as made (not scaled).
    BDInfo m_applied;
    bool m_hasApplied = false;
    QString m_note;
    QString m_notice; // why the calibration in force changed by itself
    QString m_camera;
    bool m_fromPhoto = false;
    QLabel *m_inForce = nullptr;
    QPushButton *m_addPhoto = nullptr;
    QPushButton *m_findScale = nullptr;
    QLineEdit *m_division = nullptr;
    QLabel *m_divisionUnit = nullptr;
    QThread *m_finder = nullptr;
    std::shared_ptr<imaging::ScaleFit> m_found;
    QMetaObject::Connection m_sizeConnection;
};
