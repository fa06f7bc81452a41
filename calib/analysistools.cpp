#include "calib/analysistools.h"

#include "calib/bdwidget.h"
#include "calib/measurementrows.h"
#include "core/appsettings.h"
#include "imaging/cvimage.h"
#include "measure/camerascene.h"
#include "measure/shapetype.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRunnable>
#include <QSlider>
#include <QSpinBox>
#include <QThreadPool>
#include <QToolButton>
#include <QVBoxLayout>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace {

// The tools' icons, drawn: white on the toolbox's blue like the others.
QIcon drawnIcon(int kind)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2));
    switch (kind) {
    case 0: // snap: a point pulled onto an edge
        p.drawLine(20, 4, 20, 28);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(20, 16), 3, 3);
        p.setBrush(Qt::NoBrush);
        p.drawLine(5, 16, 13, 16);
        p.drawLine(10, 12, 14, 16);
        p.drawLine(10, 20, 14, 16);
        break;
    case 1: // fit circle: a circle through scattered points
        p.drawEllipse(QPointF(16, 16), 11, 11);
        p.setBrush(Qt::white);
        for (int a = 0; a < 360; a += 60)
            p.drawEllipse(QPointF(16 + 11 * std::cos(a * M_PI / 180), 16 + 11 * std::sin(a * M_PI / 180)), 2, 2);
        break;
    default: // particles: numbered blobs
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(9, 10), 5, 5);
        p.drawEllipse(QPointF(22, 9), 4, 4);
        p.drawEllipse(QPointF(12, 23), 4, 4);
        p.drawEllipse(QPointF(24, 22), 6, 6);
        break;
    }
    return QIcon(pm);
}

QToolButton *toolButton(QWidget *parent, const char *name, int icon)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(drawnIcon(icon));
    b->setIconSize(QSize(32, 32));
    b->setText(QStringLiteral("..."));
    return b;
}

// The diameters' histogram, in the calibration's unit.
class Histogram : public QWidget
{
public:
    Histogram(const QVector<double> &values, const QString &unit, QWidget *parent)
        : QWidget(parent)
        , m_values(values)
        , m_unit(unit)
    {
        setObjectName(QStringLiteral("particleHistogram"));
        setMinimumSize(360, 220);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().base());
        if (m_values.isEmpty())
            return;
        const auto [lo, hi] = std::minmax_element(m_values.begin(), m_values.end());
        const int bins = std::clamp(int(std::sqrt(double(m_values.size()))) + 1, 5, 40);
        const double width = std::max(1e-12, (*hi - *lo) / bins);
        QVector<int> count(bins, 0);
        for (double v : m_values)
            ++count[std::min(bins - 1, int((v - *lo) / width))];
        const int most = *std::max_element(count.begin(), count.end());
        const QRectF area = QRectF(rect()).adjusted(40, 10, -10, -30);
        p.setPen(palette().text().color());
        for (int b = 0; b < bins; ++b) {
            const double h = area.height() * count[b] / std::max(1, most);
            const QRectF bar(area.left() + area.width() * b / bins, area.bottom() - h, area.width() / bins - 1, h);
            p.fillRect(bar, QColor(0, 167, 246));
        }
        p.drawLine(area.bottomLeft(), area.bottomRight());
        p.drawText(QRectF(area.left(), area.bottom() + 4, area.width(), 20), Qt::AlignLeft,
                   QString::number(*lo, 'g', 4));
        p.drawText(QRectF(area.left(), area.bottom() + 4, area.width(), 20), Qt::AlignRight,
                   QString::number(*hi, 'g', 4) + QLatin1Char(' ') + m_unit);
        p.drawText(QRectF(0, area.top(), 36, 20), Qt::AlignRight, QString::number(most));
    }

private:
    QVector<double> m_values;
    QString m_unit;
};

} // namespace

// ---------------------------------------------------------------- panel

ParticlePanel::ParticlePanel(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("particlePanel"));
    setWindowFlag(Qt::Tool);
    m_dark = new QRadioButton(this);
    m_dark->setObjectName(QStringLiteral("radioDarkObjects"));
    m_dark->setChecked(true);
    m_light = new QRadioButton(this);
    m_light->setObjectName(QStringLiteral("radioLightObjects"));
    m_auto = new QCheckBox(this);
    m_auto->setObjectName(QStringLiteral("checkAutoThreshold"));
    m_auto->setChecked(true);
    m_threshold = new QSlider(Qt::Horizontal, this);
    m_threshold->setObjectName(QStringLiteral("sliderThreshold"));
    m_threshold->setRange(0, 255);
    m_thresholdValue = new QLabel(this);
    m_fillHoles = new QCheckBox(this);
    m_fillHoles->setObjectName(QStringLiteral("checkFillHoles"));
    m_fillHoles->setChecked(true);
    m_minAreaLabel = new QLabel(this);
    m_minArea = new QSpinBox(this);
    m_minArea->setObjectName(QStringLiteral("spinMinArea"));
    m_minArea->setRange(1, 10000000);
    m_minArea->setValue(10);
    m_excludeEdge = new QCheckBox(this);
    m_excludeEdge->setObjectName(QStringLiteral("checkExcludeEdge"));
    m_excludeEdge->setChecked(true);
    m_run = new QPushButton(this);
    m_run->setObjectName(QStringLiteral("btnRunAnalysis"));
    m_run->setDefault(true);
    m_histogram = new QPushButton(this);
    m_histogram->setObjectName(QStringLiteral("btnHistogram"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("labelAnalysisStatus"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_dark);
    layout->addWidget(m_light);
    layout->addWidget(m_auto);
    auto *slider = new QHBoxLayout;
    slider->addWidget(m_threshold, 1);
    slider->addWidget(m_thresholdValue);
    layout->addLayout(slider);
    layout->addWidget(m_fillHoles);
    auto *minArea = new QHBoxLayout;
    minArea->addWidget(m_minAreaLabel, 1);
    minArea->addWidget(m_minArea);
    layout->addLayout(minArea);
    layout->addWidget(m_excludeEdge);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_run);
    buttons->addWidget(m_histogram);
    layout->addLayout(buttons);
    layout->addWidget(m_status);

    connect(m_threshold, &QSlider::valueChanged, this, [this](int v) {
        m_thresholdValue->setText(QString::number(v));
        if (m_threshold->isSliderDown() || m_threshold->hasFocus())
            m_auto->setChecked(false);
        preview();
    });
    for (QAbstractButton *b : {static_cast<QAbstractButton *>(m_dark), static_cast<QAbstractButton *>(m_auto),
                               static_cast<QAbstractButton *>(m_fillHoles)})
        connect(b, &QAbstractButton::toggled, this, [this] { preview(); });
    connect(m_run, &QPushButton::clicked, this, &ParticlePanel::analyse);
    connect(m_histogram, &QPushButton::clicked, this, &ParticlePanel::showHistogram);
    retranslate();
}

ParticlePanel::~ParticlePanel()
{
    if (m_scene)
        m_scene->setAnalysisOverlay(QImage());
}

void ParticlePanel::setScene(CameraScene *scene)
{
    if (m_scene == scene)
        return;
    if (m_scene)
        m_scene->setAnalysisOverlay(QImage());
    disconnect(m_frames);
    m_scene = scene;
    m_guessed = false;
    // On the live view the threshold's overlay follows the frames: the
    // newest one is taken whenever the worker is free, none waits.
    if (scene)
        m_frames = connect(scene, &CameraScene::pictureShown, this, &ParticlePanel::preview);
    if (isVisible())
        preview();
}

imaging::ParticleOptions ParticlePanel::options() const
{
    imaging::ParticleOptions o;
    o.objects = m_dark->isChecked() ? imaging::Objects::Dark : imaging::Objects::Light;
    o.threshold = m_auto->isChecked() ? -1 : m_threshold->value();
    o.fillHoles = m_fillHoles->isChecked();
    o.minArea = m_minArea->value();
    o.excludeEdge = m_excludeEdge->isChecked();
    return o;
}

cv::Mat ParticlePanel::currentGrey() const
{
    if (!m_scene || m_scene->image().isNull())
        return {};
    // The scene reuses its frame's memory for the next frame: the worker
    // gets a grey copy of its own.
    const cv::Mat grey = imaging::toGray8(m_scene->image());
    return grey.data == m_scene->image().constBits() ? grey.clone() : grey;
}

void ParticlePanel::preview()
{
    if (!isVisible())
        return;
    // While a preview is being made, the latest request waits for it.
    if (m_previewBusy) {
        m_previewAgain = true;
        return;
    }
    startPreview();
}

void ParticlePanel::startPreview()
{
    const cv::Mat grey = currentGrey();
    if (grey.empty())
        return;
    if (!m_guessed) {
        m_guessed = true;
        const QSignalBlocker b1(m_dark), b2(m_light), b3(m_threshold);
        (imaging::guessObjects(grey) == imaging::Objects::Dark ? m_dark : m_light)->setChecked(true);
    }
    const imaging::ParticleOptions o = options();
    const int generation = ++m_previewGeneration;
    m_previewBusy = true;
    QPointer<ParticlePanel> self(this);
    QThreadPool::globalInstance()->start(QRunnable::create([self, grey, o, generation] {
        int level = 0;
        const cv::Mat mask = imaging::objectMask(grey, o, &level);
        QImage overlay(grey.cols, grey.rows, QImage::Format_ARGB32_Premultiplied);
        const QRgb tint = qPremultiply(qRgba(255, 0, 200, 110));
        for (int y = 0; y < mask.rows; ++y) {
            const uchar *m = mask.ptr<uchar>(y);
            auto *out = reinterpret_cast<QRgb *>(overlay.scanLine(y));
            for (int x = 0; x < mask.cols; ++x)
                out[x] = m[x] ? tint : 0;
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, overlay, level, generation] {
                if (!self)
                    return;
                self->m_previewBusy = false;
                if (generation == self->m_previewGeneration && self->isVisible()) {
                    if (self->m_scene)
                        self->m_scene->setAnalysisOverlay(overlay);
                    if (self->m_auto->isChecked()) {
                        const QSignalBlocker block(self->m_threshold);
                        self->m_threshold->setValue(level);
                        self->m_thresholdValue->setText(QString::number(level));
                    }
                }
                if (self->m_previewAgain) {
                    self->m_previewAgain = false;
                    self->preview();
                }
            },
            Qt::QueuedConnection);
    }));
}

void ParticlePanel::analyse()
{
    const cv::Mat grey = currentGrey();
    if (grey.empty())
        return;
    const imaging::ParticleOptions o = options();
    const int generation = ++m_runGeneration;
    ++m_running;
    m_run->setEnabled(false);
    m_status->setText(tr("分析中…"));
    QPointer<ParticlePanel> self(this);
    QThreadPool::globalInstance()->start(QRunnable::create([self, grey, o, generation] {
        const imaging::ParticleResult result = imaging::analyzeParticles(grey, o);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, result, generation, size = cv::Size(grey.cols, grey.rows)] {
                if (!self)
                    return;
                --self->m_running;
                self->m_run->setEnabled(true);
                if (generation != self->m_runGeneration || !self->m_scene)
                    return;
                // A frame of another size means another picture: nothing to add to.
                if (self->m_scene->image().size() != QSize(size.width, size.height))
                    return;
                self->m_scene->setParticles(result.particles);
                self->m_scene->setAnalysisOverlay(QImage());
                self->m_status->setText(tr("%1 个颗粒").arg(result.particles.size()));
                emit self->analysed(result.particles.size());
            },
            Qt::QueuedConnection);
    }));
}

void ParticlePanel::showHistogram()
{
    if (!m_scene)
        return;
    const ParticleSection section = particleSection(*m_scene);
    QVector<double> d;
    for (const ParticleRow &r : section.rows)
        d << r.diameter;
    auto *dialog = new QDialog(this);
    dialog->setObjectName(QStringLiteral("particleHistogramDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("直方图") + QStringLiteral(" — ") + tr("等效直径"));
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(new Histogram(d, section.unit, dialog));
    dialog->show();
}

void ParticlePanel::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    preview();
}

void ParticlePanel::hideEvent(QHideEvent *event)
{
    if (m_scene)
        m_scene->setAnalysisOverlay(QImage());
    QDialog::hideEvent(event);
}

void ParticlePanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void ParticlePanel::retranslate()
{
    setWindowTitle(tr("颗粒分析"));
    m_dark->setText(tr("暗物体，亮背景"));
    m_light->setText(tr("亮物体，暗背景"));
    m_auto->setText(tr("自动阈值 (Otsu)"));
    m_fillHoles->setText(tr("填充孔洞"));
    m_minAreaLabel->setText(tr("最小面积 (像素)"));
    m_excludeEdge->setText(tr("排除接触边缘的颗粒"));
    m_run->setText(tr("分析"));
    m_histogram->setText(tr("直方图"));
}

// ---------------------------------------------------------------- toolbox

AnalysisTools::AnalysisTools(BDWidget *box, QGridLayout *grid, QButtonGroup *tools)
    : QObject(box)
    , m_box(box)
{
    QWidget *parent = grid->parentWidget();
    m_snap = toolButton(parent, "toolButtonSnap", 0);
    m_snap->setCheckable(true);
    m_fit = toolButton(parent, "toolButtonFitCircle", 1);
    m_fit->setCheckable(true);
    tools->addButton(m_fit);
    m_analyze = toolButton(parent, "btnAnalyze", 2);
    // After undo and redo on the last row of the tools.
    // Into the free places of the tool grid's last row, then the next.
    grid->addWidget(m_snap, 3, 4);
    grid->addWidget(m_fit, 3, 5);
    grid->addWidget(m_analyze, 4, 0);

    connect(m_snap, &QToolButton::toggled, this, [this](bool on) {
        if (m_settings && m_settings->extras.snapToEdges != on) {
            m_settings->extras.snapToEdges = on;
            emit m_box->optionChanged();
        }
    });
    connect(m_fit, &QToolButton::clicked, this, [this] {
        if (m_scene)
            m_scene->setTool(FitCircle);
    });
    connect(m_analyze, &QToolButton::clicked, this, [this] {
        if (!m_panel) {
            m_panel = new ParticlePanel(m_box->window());
            connect(m_panel, &ParticlePanel::analysed, m_box, [this] { m_box->showResults(true); });
        }
        m_panel->setScene(m_scene);
        m_panel->show();
        m_panel->raise();
    });
    retranslate();
}

void AnalysisTools::setup(CameraScene *scene, AppSettings *settings)
{
    m_scene = scene;
    m_settings = settings;
    if (settings) {
        const QSignalBlocker block(m_snap);
        m_snap->setChecked(settings->extras.snapToEdges);
    }
    if (m_panel)
        m_panel->setScene(scene);
}

void AnalysisTools::retranslate()
{
    m_snap->setToolTip(tr("吸附边缘"));
    m_fit->setToolTip(tr("拟合圆"));
    m_analyze->setToolTip(tr("颗粒分析"));
}
