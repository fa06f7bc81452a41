#pragma once

#include "measure/annotations.h"
#include "measure/shapetype.h"

#include <QImage>
#include <QMainWindow>
#include <QVector>

#include <functional>

struct AppSettings;
class BDWidget;
class CameraScene;
class CameraViewer;
class QPrinter;

namespace Ui {
class MeasureEditWindow;
}

// A window in which a saved photo is measured, saved with its shapes and
// printed.
class MeasureEditer : public QMainWindow
{
    Q_OBJECT
public:
    explicit MeasureEditer(QWidget *parent = nullptr);
    ~MeasureEditer() override;

    void attach(AppSettings *settings);
    // Refuses (false, nothing decoded) pictures that are unreadable or larger
    // than imagesafety::kMaxPixels.
    bool openImage(const QString &path);
    // The photo with its shapes burnt in; false when it could not be written
    // (an existing file is then left as it was).
    bool saveTo(const QString &path);
    // Where saveTo writes the measurements when the CSV option is on.
    static QString csvPathFor(const QString &photo);

    // Where Save puts the measured copy of original: "name_measured.ext"
    // beside it, or "name_measured_1.ext", "_2" ... when that is taken.
    static QString measuredPathFor(const QString &original);
    // Where the last Save of the open picture went (empty before one).
    QString savedPath() const { return m_savedPath; }

    // Where a picture of the given size lands on a page's viewport.
    static QRect printTarget(const QRect &viewport, const QSize &image);

    QString filePath() const { return m_filePath; }
    // A large shapes file is still being read or its shapes built; the
    // window stays live meanwhile, nothing can be saved.
    bool isLoading() const { return m_loading; }
    // Shapes differ from those at open or at the last save.
    bool isModified() const;
    // Before the picture is closed or replaced: with unsaved shapes asks
    // Save / Discard / Cancel. True when the caller may go on.
    bool maybeSave();
    // The window title: the photo's name, "*" while it has unsaved shapes.
    QString composeTitle() const;
    CameraScene *scene() const { return m_scene; }
    CameraViewer *viewer() const;
    BDWidget *toolbox() const;
    Ui::MeasureEditWindow *form() const { return ui; }

    // The save-as picker (dir, filter); tests replace it.
    using SavePicker = std::function<QString(const QString &filter)>;
    void setSavePicker(SavePicker picker) { m_savePicker = std::move(picker); }

signals:
    // A picture was written by Save or Save As; the owner lists it.
    void imageSaved(const QString &path);
    // An option kept in the settings changed (the CSV beside saved photos).
    void settingsChanged();
    // The open photo's shapes file was read (or found missing or damaged)
    // and its shapes are in the scene.
    void annotationsLoaded();

public slots:
    void onBdInfoChanged();
    void onCoorInfo(QPoint point, QColor c);
    void onUpdateCamViewSize();
    void onImageSave();
    void onImageSaveAs();
    void onImagePrint();
    void plotPrintPic(QPrinter *printer);
    void onComboZoomChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void onReport();
    // "name.jpg — Orvanta Pro", or the program's name without a photo.
    void updateTitle();
    // The photo's annotations file and calibration (the file's, else the
    // photo's own) into the scene and the toolbox.
    void restoreAnnotations();
    void applyAnnotations(annotations::Load result, const annotations::Document &doc, const QString &error);
    // A batch of m_pending into the scene; the next from the event loop.
    void buildPendingShapes();
    void finishLoading();
    void cancelLoading();
    void saveAnnotations();
    void markClean();

    Ui::MeasureEditWindow *ui;
    QString m_filePath;
    class QMenu *m_fileMenu = nullptr;
    class QAction *m_reportAction = nullptr;
    QString m_savedPath;
    CameraScene *m_scene = nullptr;
    AppSettings *m_settings = nullptr;
    SavePicker m_savePicker;
    QString m_productTitle = QStringLiteral("Orvanta Pro");
    QVector<ShapeRecord> m_cleanShapes; // as opened or last saved
    bool m_loading = false;
    int m_loadGeneration = 0;       // a load's result for an older photo is dropped
    QVector<ShapeRecord> m_pending; // read, not yet in the scene
    int m_pendingNext = 0;
    QImage m_photoPixels;            // the photo's own, while its original is shown tentatively
    annotations::Document m_foreign; // a newer program's parts of the shapes file, kept for saving
};
