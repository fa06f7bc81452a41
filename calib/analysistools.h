#pragma once

#include "imaging/particles.h"

#include <QDialog>
#include <QImage>
#include <QObject>
#include <QPointer>

#include <opencv2/core.hpp>

struct AppSettings;
class CameraScene;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QToolButton;
class BDWidget;

// The particle analysis' window: threshold (Otsu's or by hand) with the
// objects it takes shown over the picture while it is adjusted, hole
// filling, a least size, the edge rule; "分析" measures the picture shown
// (a live frame or a photo) on a worker thread and puts the objects into the
// scene as shapes, their rows into the results table. On the live view the
// overlay follows the frames, always from the newest one, never queueing.
class ParticlePanel : public QDialog
{
    Q_OBJECT
public:
    explicit ParticlePanel(QWidget *parent = nullptr);
    ~ParticlePanel() override;

    void setScene(CameraScene *scene);
    imaging::ParticleOptions options() const;
    // Measures the picture shown now; the objects arrive later (analysed()).
    void analyse();
    bool isBusy() const { return m_running > 0; }
    void showHistogram();

signals:
    void analysed(int count);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void preview();
    cv::Mat currentGrey() const;
    // Runs job on the worker pool; done(result) comes back on this thread
    // unless a newer job of the same kind started meanwhile.
    void startPreview();

    QPointer<CameraScene> m_scene;
    QMetaObject::Connection m_frames;
    QRadioButton *m_dark;
    QRadioButton *m_light;
    QCheckBox *m_auto;
    QSlider *m_threshold;
    QLabel *m_thresholdValue;
    QCheckBox *m_fillHoles;
    QLabel *m_minAreaLabel;
    QSpinBox *m_minArea;
    QCheckBox *m_excludeEdge;
    QPushButton *m_run;
    QPushButton *m_histogram;
    QLabel *m_status;
    bool m_guessed = false;
    int m_running = 0;
    int m_previewGeneration = 0;
    bool m_previewBusy = false;
    bool m_previewAgain = false;
    int m_runGeneration = 0;
};

// The analysis tools of the toolbox: edge snapping (toolButtonSnap, kept in
// the settings), the circle fit tool (toolButtonFitCircle, one of the
// exclusive tools) and the particle analysis (btnAnalyze).
class AnalysisTools : public QObject
{
    Q_OBJECT
public:
    AnalysisTools(BDWidget *box, QGridLayout *grid, QButtonGroup *tools);

    void setup(CameraScene *scene, AppSettings *settings);
    void retranslate();

    QToolButton *snapButton() const { return m_snap; }
    QToolButton *fitButton() const { return m_fit; }
    QToolButton *analyzeButton() const { return m_analyze; }
    ParticlePanel *panel() const { return m_panel; }

private:
    BDWidget *m_box;
    QPointer<CameraScene> m_scene;
    AppSettings *m_settings = nullptr;
    QToolButton *m_snap;
    QToolButton *m_fit;
    QToolButton *m_analyze;
    ParticlePanel *m_panel = nullptr;
};
