#include "calib/bdwidget.h"
#include "core/lastfolder.h"

#include "core/appsettings.h"
#include "core/notifier.h"
#include "core/numberformat.h"
#include "imaging/cvimage.h"
#include "imaging/scalefinder.h"
#include "core/screenmetrics.h"
#include "calib/analysistools.h"
#include "calib/bdfile.h"
#include "calib/measurementrows.h"
#include "calib/measurementtable.h"
#include "measure/camerascene.h"
#include "measure/textshapes.h"
#include "ui_bdwidget.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QThread>
#include <QCheckBox>
#include <QPushButton>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QPixmap>

#include <utility>

namespace {

QIcon colourSwatch(const QColor &c)
{
    QPixmap pm(60, 24);
    pm.fill(c);
    return QIcon(pm);
}

} // namespace

BDWidget::BDWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::BDWidget)
    , m_filePicker([this](bool save) {
        const QString filter = tr("标定文件") + QStringLiteral(" (*.bd)");
        const QString start = lastfolder::start(QStringLiteral("bdInfo.bd"));
        const QString path = save ? QFileDialog::getSaveFileName(this, QString(), start, filter)
                                  : QFileDialog::getOpenFileName(this, QString(), start, filter);
        lastfolder::remember(path);
        return path;
    })
{
    ui->setupUi(this);

    // The results table is a page of its own, reached from the header: the
    // tools already fill the height of a small screen.
    auto *resultsPage = new QWidget;
    resultsPage->setObjectName(QStringLiteral("BiaoDingResultsPage"));
    auto *resultsLayout = new QVBoxLayout(resultsPage);
    resultsLayout->setContentsMargins(4, 4, 4, 4);
    resultsLayout->setSpacing(4);
    m_resultsBack = new QPushButton(resultsPage);
    m_resultsBack->setObjectName(QStringLiteral("btnResultsBack"));
    m_results = new MeasurementTable(resultsPage);
    m_csvOption = new QCheckBox(resultsPage);
    m_csvOption->setObjectName(QStringLiteral("checkCsvBesidePhoto"));
    m_csvOption->hide();
    resultsLayout->addWidget(m_resultsBack);
    resultsLayout->addWidget(m_results, 1);
    resultsLayout->addWidget(m_csvOption);
    ui->BiaoDingPage->addWidget(resultsPage);
    m_showResults = new QPushButton(ui->BiaoDingNormalPage);
    m_showResults->setObjectName(QStringLiteral("btnResults"));
    const int headerAt = ui->normalLayout->indexOf(ui->pushButton);
    ui->normalLayout->removeWidget(ui->pushButton);
    auto *header = new QHBoxLayout;
    header->addWidget(ui->pushButton, 1);
    header->addWidget(m_showResults);
    ui->normalLayout->insertLayout(headerAt, header);
    connect(m_showResults, &QPushButton::clicked, this,
            [this, resultsPage] { ui->BiaoDingPage->setCurrentWidget(resultsPage); });
    connect(m_resultsBack, &QPushButton::clicked, this, [this] { ui->BiaoDingPage->setCurrentIndex(0); });
    connect(m_csvOption, &QCheckBox::toggled, this, [this](bool on) {
        if (m_settings && m_settings->extras.csvBesidePhoto != on) {
            m_settings->extras.csvBesidePhoto = on;
            emit optionChanged();
        }
    });

    auto *table = ui->tableBDInfo;
    table->setColumnCount(1);
    setTableHeader();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setVisible(false);

    // Each button and the tool it picks; the group's id of a button is its tool.
    const std::pair<QAbstractButton *, ShapeType> tools[] = {
        {ui->toolButton1, Point},        {ui->toolButton2, Line},          {ui->toolButton3, BrokenLine},
        {ui->toolButton4, Rect},         {ui->toolButton5, Polygon},       {ui->toolButton6, ParallelLine},
        {ui->toolButton7, VerticalLine}, {ui->toolButton8, Cross},         {ui->toolButton9, AngleLine},
        {ui->toolButton10, Arc},         {ui->toolButton11, Circle1},      {ui->toolButton12, Circle2},
        {ui->toolButton13, Circle3},     {ui->toolButton14, DoubleCircle}, {ui->toolButton15, CircleLine},
        {ui->toolButton16, Select},      {ui->toolButton17, Erase},        {ui->toolButton19, Text},
    };
    m_toolGroup = new QButtonGroup(this);
    m_toolGroup->setObjectName(QStringLiteral("toolButtonGroup"));
    m_toolGroup->setExclusive(true);
    for (const auto &[button, tool] : tools) {
        m_tools.append(button);
        m_toolGroup->addButton(button, tool);
        connect(button, &QAbstractButton::clicked, this, &BDWidget::onToolBtnClicked);
    }
    m_analysis = new AnalysisTools(this, ui->gridLayout_3, m_toolGroup);
    keepCaptionWordsWhole();
    connect(ui->toolButton18, &QAbstractButton::clicked, this, &BDWidget::onToolBtnGrid);
    connect(ui->toolButtonUndo, &QAbstractButton::clicked, this, &BDWidget::onToolButtonUndo);
    connect(ui->toolButtonRedo, &QAbstractButton::clicked, this, &BDWidget::onToolButtonRedo);
    connect(ui->toolButtonClear, &QAbstractButton::clicked, this, &BDWidget::onToolBtnClear);

    for (QComboBox *box : {ui->boxFontColor, ui->boxFontSize, ui->boxGridColor, ui->boxGridType})
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &BDWidget::onStyleChanged);
    // Line styles are whole words ("Durchgezogen"): never cut.
    ui->boxGridType->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(ui->boxBDVar, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &BDWidget::onBDChanged);
    connect(ui->boxBDUnit, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &BDWidget::onUnitChanged);
    connect(&m_measureTimer, &QTimer::timeout, this, &BDWidget::onMeasureChanged);
    connect(ui->btnBDEdit, &QPushButton::clicked, this, &BDWidget::onBtnBDEdit);
    connect(ui->btnBDBack, &QPushButton::clicked, this, &BDWidget::onBtnBDEdit);
    connect(ui->btnBDDel, &QPushButton::clicked, this, &BDWidget::onBtnBDDel);
    connect(ui->btnBDSave, &QPushButton::clicked, this, &BDWidget::onBtnBDSave);
    connect(ui->btnBDLoad, &QPushButton::clicked, this, &BDWidget::onBtnBDLoad);
    connect(ui->btnBDNewData, &QPushButton::clicked, this, &BDWidget::onBDNewData);
    connect(ui->BiaoDingPage, &QStackedWidget::currentChanged, this, &BDWidget::onCurrentStackChanged);

    // The calibration in force, always in sight under the list; a photo's
    // own can be added to the list from here.
    m_inForce = new QLabel(ui->BiaoDingNormalPage);
    m_inForce->setObjectName(QStringLiteral("labelBDInForce"));
    m_inForce->setWordWrap(true);
    m_addPhoto = new QPushButton(ui->BiaoDingNormalPage);
    m_addPhoto->setObjectName(QStringLiteral("btnBDAddPhoto"));
    m_addPhoto->hide();
    {
        const int at = ui->normalLayout->indexOf(ui->labelBDNote);
        ui->normalLayout->insertWidget(at, m_inForce);
        ui->normalLayout->insertWidget(at + 1, m_addPhoto);
    }
    connect(m_addPhoto, &QPushButton::clicked, this, [this] {
        if (!m_settings || !m_fromPhoto)
            return;
        m_settings->calibrations.append(m_applied);
        m_fromPhoto = false;
        refresh();
        emit bdInfoChanged();
    });
    // Automatic calibration: one division's length, then the scale is found.
    m_findScale = new QPushButton(ui->BiaoDingEditPage);
    m_findScale->setObjectName(QStringLiteral("btnBDFindScale"));
    m_division = new QLineEdit(ui->BiaoDingEditPage);
    m_division->setObjectName(QStringLiteral("labelBDDivision"));
    m_division->setText(QLocale().toString(0.01));
    m_divisionUnit = new QLabel(ui->BiaoDingEditPage);
    {
        auto *row = new QHBoxLayout;
        row->addWidget(m_division, 1);
        row->addWidget(m_divisionUnit);
        auto *box = new QVBoxLayout;
        box->addWidget(m_findScale);
        box->addLayout(row);
        ui->editLayout->insertLayout(ui->editLayout->indexOf(ui->btnBiaoDingNew) + 2, box);
    }
    connect(m_findScale, &QPushButton::clicked, this, &BDWidget::findScale);
    connect(ui->boxBDUnit, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &BDWidget::updateUnitFields);
    updateUnitFields();

    const QIcon arrowOff(QStringLiteral(":/Vistrel/image/icon/arrow_off.png"));
    for (QPushButton *b : {ui->btnBiaoDing, ui->btnBiaoDingList, ui->btnBiaoDingNew})
        b->setIcon(arrowOff);

    ui->toolButton1->setChecked(true);
    ui->BiaoDingPage->setCurrentIndex(0);
    retranslateResults();
}

BDWidget::~BDWidget()
{
    if (m_finder) {
        m_finder->disconnect(this);
        m_finder->wait();
    }
    delete ui;
}

void BDWidget::setup(CameraScene *scene, AppSettings *settings)
{
    if (m_scene != scene) {
        disconnect(m_sizeConnection);
        m_hasApplied = false;
        if (scene) // another resolution or photo: the calibration is adapted again
            m_sizeConnection = connect(scene, &CameraScene::pictureSizeChanged, this, &BDWidget::applyCalibration);
    }
    const bool rebind = m_scene != scene;
    m_scene = scene;
    m_settings = settings;
    m_analysis->setup(scene, settings);
    if (rebind)
        bindResults();
    refresh();
}

void BDWidget::setPictureName(const QString &name)
{
    m_pictureName = name;
    bindResults();
}

void BDWidget::bindResults()
{
    for (const QMetaObject::Connection &c : qAsConst(m_resultConnections))
        disconnect(c);
    m_resultConnections = bindTableToScene(m_results, m_scene, m_pictureName);
}

double BDWidget::parseLength(const QString &text, const QLocale &locale, bool *ok)
{
    // Group separators are refused: in German "0.5" would otherwise read 5.
    const QString t = text.trimmed();
    QLocale strict(locale);
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    double value = strict.toDouble(t, ok);
    if (!*ok) {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator);
        value = c.toDouble(t, ok);
    }
    return *ok ? value : 0.0;
}

void BDWidget::setTableHeader() { ui->tableBDInfo->setHorizontalHeaderLabels({tr("放大倍数")}); }

void BDWidget::retranslateResults()
{
    m_showResults->setText(tr("结果"));
    m_resultsBack->setText(tr("返回"));
    m_csvOption->setText(tr("同时保存 CSV"));
    m_csvOption->setToolTip(tr("保存图片时在旁边写入测量结果（CSV）"));
    m_addPhoto->setText(tr("加入列表"));
    m_findScale->setText(tr("自动识别刻度"));
    m_findScale->setToolTip(tr("在画面中找到标尺的刻度，并把测量尺放在第一条和最后一条刻度上"));
    m_division->setToolTip(tr("每一格的长度"));
    // The tool names in the rows follow the language.
    if (m_scene)
        m_results->setRows(measurementRows(*m_scene));
}

void BDWidget::showResults(bool show) { ui->BiaoDingPage->setCurrentIndex(show ? 2 : 0); }

void BDWidget::refresh()
{
    if (!m_settings)
        return;
    m_csvOption->setChecked(m_settings->extras.csvBesidePhoto);
    for (QComboBox *box : {ui->boxFontColor, ui->boxFontSize, ui->boxGridColor, ui->boxGridType})
        box->clear();

    // Filling the combos overwrites the record through onStyleChanged.
    const DrawStyle saved = m_settings->style;
    for (const QColor &c : saved.colors) {
        ui->boxFontColor->addItem(colourSwatch(c), QString());
        ui->boxGridColor->addItem(colourSwatch(c), QString());
    }
    for (int size : saved.fontSizes)
        ui->boxFontSize->addItem(QString::number(size));
    ui->boxGridType->addItem(tr("实线"));
    ui->boxGridType->addItem(tr("虚线"));
    ui->boxFontColor->setIconSize(QSize(30, 12));
    ui->boxGridColor->setIconSize(QSize(30, 12));

    ui->boxFontColor->setCurrentIndex(saved.textColorIndex);
    ui->boxFontSize->setCurrentIndex(saved.fontSizeIndex);
    ui->boxGridColor->setCurrentIndex(saved.lineColorIndex);
    ui->boxGridType->setCurrentIndex(saved.lineStyle != 0 ? 1 : 0);

    const BDInfoList &list = m_settings->calibrations;
    {
        // Refilling must not change the calibration in force.
        const QSignalBlocker block(ui->boxBDVar);
        ui->boxBDVar->clear();
        ui->tableBDInfo->clearContents();
        ui->tableBDInfo->setRowCount(list.size());
        for (int i = 0; i < list.size(); ++i) {
            const QString name = displayName(list.at(i));
            ui->boxBDVar->addItem(name);
            ui->tableBDInfo->setItem(i, 0, new QTableWidgetItem(name));
        }
        int row = -1;
        if (m_hasApplied && !m_fromPhoto) {
            row = indexOfCalibration(list, m_applied);
            if (row < 0) {
                // Gone (deleted, replaced by a restore): say so, and fall back.
                const QString gone = m_applied.name;
                if (!list.isEmpty()) {
                    row = 0;
                    m_applied = list.first();
                    m_notice = tr("标定“%1”已不在列表中，现在使用“%2”").arg(gone, displayName(m_applied));
                } else {
                    m_hasApplied = false;
                    m_notice = tr("标定“%1”已不在列表中，测量值以像素显示").arg(gone);
                }
                remember();
            }
        } else if (!m_hasApplied && !m_fromPhoto && !list.isEmpty() && m_scene) {
            // Nothing chosen yet: the first record, as the list always did.
            row = 0;
            m_applied = list.first();
            m_hasApplied = true;
        }
        ui->boxBDVar->setCurrentIndex(row);
    }
    applyCalibration();
}

QString BDWidget::displayName(const BDInfo &info) const
{
    QString text = info.name;
    if (info.pictureSize.isValid())
        text += QStringLiteral(" · %1×%2").arg(info.pictureSize.width()).arg(info.pictureSize.height());
    if (!info.camera.isEmpty() && info.camera != m_camera) {
        QString model = m_settings ? m_settings->cameras.value(info.camera).name : QString();
        text += QStringLiteral(" · ") + (model.isEmpty() ? info.camera : model);
    }
    return text;
}

namespace {

// The factor as a person reads it: micrometres per pixel for the metric units.
QString factorText(const BDInfo &applied)
{
    switch (applied.unit) {
    case 0: return formatMeasure(applied.factor * 1000.0) + QStringLiteral(" µm/px");
    case 1: return formatMeasure(applied.factor * 10000.0) + QStringLiteral(" µm/px");
    case 2: return formatMeasure(applied.factor) + QStringLiteral(" µm/px");
    case 3: return formatMeasure(applied.factor) + QStringLiteral(" in/px");
    default: return QStringLiteral("px");
    }
}

} // namespace

QString BDWidget::inForceText() const
{
    if (!m_hasApplied)
        return tr("未标定 (px)");
    const QSize picture = m_scene ? m_scene->pictureSize() : QSize();
    QString text = displayName(m_applied) + QStringLiteral(" · ")
                   + factorText(calibrationForPicture(m_applied, picture));
    if (m_fromPhoto)
        text += QStringLiteral(" (") + tr("来自照片") + QLatin1Char(')');
    return text;
}

QString BDWidget::statusText() const
{
    QStringList parts{inForceText()};
    if (!m_note.isEmpty())
        parts << m_note;
    return parts.join(QStringLiteral(" — "));
}

void BDWidget::setCamera(const QString &camera)
{
    if (camera == m_camera)
        return;
    m_camera = camera;
    if (m_settings && !camera.isEmpty() && m_settings->cameras.contains(camera)) {
        const CameraConfig &config = m_settings->cameras[camera];
        const int row = config.hasCalibration ? indexOfCalibration(m_settings->calibrations, config.calibration) : -1;
        if (row >= 0) {
            m_applied = m_settings->calibrations.at(row);
            m_hasApplied = true;
            m_fromPhoto = false;
            m_notice.clear();
        }
    }
    refresh();
}

void BDWidget::setPhotoCalibration(const BDInfo *info)
{
    if (info) {
        const int row = m_settings ? indexOfCalibration(m_settings->calibrations, *info) : -1;
        m_applied = *info;
        m_hasApplied = true;
        m_fromPhoto = row < 0;
    } else if (m_fromPhoto) {
        m_fromPhoto = false;
        m_hasApplied = false;
    }
    m_notice.clear();
    refresh();
}

void BDWidget::choose(int row)
{
    if (!m_settings || row < 0 || row >= m_settings->calibrations.size())
        return;
    m_applied = m_settings->calibrations.at(row);
    m_hasApplied = true;
    m_fromPhoto = false;
    m_notice.clear();
    remember();
    {
        const QSignalBlocker block(ui->boxBDVar);
        ui->boxBDVar->setCurrentIndex(row);
    }
    applyCalibration();
}

void BDWidget::remember()
{
    if (!m_settings || m_camera.isEmpty() || m_fromPhoto)
        return;
    CameraConfig &config = m_settings->cameras[m_camera];
    if (config.hasCalibration == m_hasApplied && (!m_hasApplied || sameCalibration(config.calibration, m_applied)))
        return;
    config.hasCalibration = m_hasApplied;
    config.calibration = m_hasApplied ? m_applied : BDInfo();
    emit optionChanged();
}

void BDWidget::leaveEditPage()
{
    if (isEditPage())
        emit ui->btnBDBack->clicked();
}

void BDWidget::setViewScale(double scale)
{
    m_viewScale = scale;
    refresh();
}

bool BDWidget::isEditPage() const { return ui->BiaoDingPage->currentIndex() == 1; }

void BDWidget::onToolBtnClicked()
{
    if (!m_scene)
        return;
    const int tool = m_toolGroup->id(qobject_cast<QAbstractButton *>(sender()));
    m_scene->setTool(tool > 0 ? tool : Base);
}

void BDWidget::onToolBtnGrid()
{
    if (m_scene)
        m_scene->setCrossVisible(ui->toolButton18->isChecked());
}

void BDWidget::onToolButtonUndo()
{
    if (m_scene)
        m_scene->undo();
}

void BDWidget::onToolButtonRedo()
{
    if (m_scene)
        m_scene->redo();
}

void BDWidget::onToolBtnClear()
{
    if (!m_scene)
        return;
    if (notifier().ask(this, tr("是否删除全部")))
        m_scene->clearAll();
}

void BDWidget::onStyleChanged(int idx)
{
    if (idx < 0 || !m_settings)
        return;
    // The record is rebuilt whole, so the line width returns to its default.
    DrawStyle style;
    style.textColorIndex = ui->boxFontColor->currentIndex();
    style.fontSizeIndex = ui->boxFontSize->currentIndex();
    style.lineColorIndex = ui->boxGridColor->currentIndex();
    style.lineStyle = ui->boxGridType->currentIndex();
    style.lineWidthIndex = 0;
    m_settings->style = style;
    if (m_scene)
        m_scene->update();
}

void BDWidget::onBDChanged()
{
    // Only the user's choice comes here: refilling blocks the signal.
    choose(ui->boxBDVar->currentIndex());
}

void BDWidget::applyCalibration()
{
    // None in force: plain pixels, never a factor that is gone.
    if (m_scene)
        m_scene->setCalibration(m_hasApplied ? calibrationForPicture(m_applied, m_scene->pictureSize()) : BDInfo());
    updateNote();
}

BDInfo BDWidget::calibrationFor(const QSize &picture) const
{
    return m_hasApplied ? calibrationForPicture(m_applied, picture) : BDInfo();
}

void BDWidget::updateNote()
{
    QString note;
    if (m_scene && m_hasApplied) {
        const double scale = calibrationScale(m_applied, m_scene->pictureSize());
        if (scale != 1.0)
            note = tr("标定于 %1 × %2，缩放 ×%3")
                       .arg(m_applied.pictureSize.width())
                       .arg(m_applied.pictureSize.height())
                       .arg(scale, 0, 'f', 2);
    }
    if (!m_notice.isEmpty())
        note = note.isEmpty() ? m_notice : note + QLatin1Char('\n') + m_notice;
    ui->labelBDNote->setText(note);
    ui->labelBDNote->setVisible(!note.isEmpty());
    m_inForce->setText(inForceText());
    m_addPhoto->setVisible(m_fromPhoto);
    if (note != m_note) {
        m_note = note;
        emit calibrationNoteChanged(note);
    }
}

void BDWidget::updateUnitFields()
{
    // A px record has the factor 1: there is no real length to type.
    const int unit = ui->boxBDUnit->currentIndex();
    ui->labelBDRealLen->setEnabled(unit != 4);
    m_division->setEnabled(unit != 4);
    m_findScale->setEnabled(unit != 4 && !m_finder);
    m_divisionUnit->setText(unitName(unit));
}

void BDWidget::onUnitChanged()
{
    if (m_scene && m_scene->ruler())
        m_scene->ruler()->setUnit(ui->boxBDUnit->currentIndex());
}

void BDWidget::onMeasureChanged()
{
    if (!m_scene || !m_scene->ruler())
        return;
    bool ok = false;
    const double actual = parseLength(ui->labelBDRealLen->text(), locale(), &ok);
    const double onScreen = m_scene->ruler()->realLength();
    ui->labelBDName->setText(screenmetrics::magnificationText(onScreen, actual));
    ui->labelBDName->setCursorPosition(0);
}

void BDWidget::onBtnBDEdit()
{
    if (!m_scene)
        return;
    if (!isEditPage()) {
        m_scene->showRuler(true);
        m_measureTimer.start(200);
        onMeasureChanged();
        if (m_scene->ruler())
            m_scene->ruler()->setUnit(ui->boxBDUnit->currentIndex());
        ui->BiaoDingPage->setCurrentIndex(1);
    } else {
        m_scene->showRuler(false);
        m_measureTimer.stop();
        ui->BiaoDingPage->setCurrentIndex(0);
    }
}

void BDWidget::onBtnBDDel()
{
    const int row = ui->tableBDInfo->currentRow();
    if (row < 0 || !m_settings || row >= m_settings->calibrations.size())
        return;
    m_settings->calibrations.removeAt(row);
    refresh();
    emit bdInfoChanged();
}

void BDWidget::onBtnBDSave()
{
    if (!m_settings)
        return;
    const QString path = m_filePicker(true);
    if (!path.isEmpty() && !writeBDBackup(path, m_settings->calibrations))
        notifier().inform(this, tr("无法写入备份文件：%1").arg(QDir::toNativeSeparators(path)));
}

void BDWidget::onBtnBDLoad()
{
    if (!m_settings)
        return;
    const QString path = m_filePicker(false);
    if (path.isEmpty())
        return;
    const BDBackup backup = readBDBackup(path);
    QStringList report;
    if (backup.dropped > 0)
        report << tr("已跳过 %1 条系数无效的标定").arg(backup.dropped);
    // Anything but a whole file with usable records leaves the list alone:
    // an empty list would be saved over the user's calibrations.
    if (backup.status != BDBackup::Ok) {
        report.prepend(backup.status == BDBackup::NoRecords ? tr("文件中没有可用的标定，列表未改变")
                                                            : tr("无法读取该文件或它不是标定备份，列表未改变"));
        report.insert(1, QDir::toNativeSeparators(path));
        notifier().inform(this, report.join(QLatin1Char('\n')));
        return;
    }
    const int current = m_settings->calibrations.size();
    if (current > 0
        && !notifier().ask(this, tr("用文件中的 %1 条标定替换当前的 %2 条标定？").arg(backup.list.size()).arg(current)))
        return;
    m_settings->calibrations = backup.list;
    refresh();
    emit bdInfoChanged();
    if (!report.isEmpty())
        notifier().inform(this, report.join(QLatin1Char('\n')));
}

void BDWidget::onBDNewData()
{
    if (!m_settings || !m_scene)
        return;
    // The name from the ruler as it lies now, not as the last tick left it.
    onMeasureChanged();
    const int unit = ui->boxBDUnit->currentIndex();
    // Labels multiply picture pixels, so the ruler is measured in them too,
    // whatever the zoom.
    const double rulerLength = m_scene->ruler() ? m_scene->ruler()->pictureLength() : 0.0;
    BDInfo info;
    info.name = ui->labelBDName->text();
    info.unit = unit;
    info.pictureSize = m_scene->pictureSize();
    if (m_cameraName)
        info.camera = m_cameraName();
    if (unit == 4) {
        // Pixels are pixels.
        info.factor = 1.0;
        info.name = QStringLiteral("px");
    } else {
        bool ok = false;
        const double actual = parseLength(ui->labelBDRealLen->text(), locale(), &ok);
        if (!ok || !isValidFactor(actual)) {
            notifier().inform(this, tr("实际长度“%1”无效：请输入大于 0 的长度，例如 %2")
                                        .arg(ui->labelBDRealLen->text().trimmed(), locale().toString(0.8)));
            return;
        }
        if (!(rulerLength > 0)) {
            notifier().inform(this, tr("标尺长度为 0：请把标尺的两端拖到已知长度的两端"));
            return;
        }
        if (!isValidFactor(actual / rulerLength)) {
            notifier().inform(this, tr("实际长度“%1”无效：请输入大于 0 的长度，例如 %2")
                                        .arg(ui->labelBDRealLen->text().trimmed(), locale().toString(0.8)));
            return;
        }
        info.factor = actual / rulerLength;
    }
    m_settings->calibrations.append(info);
    // The new record is the one in force.
    m_applied = info;
    m_hasApplied = true;
    m_fromPhoto = false;
    m_notice.clear();
    remember();
    refresh();
    emit bdInfoChanged();
}

void BDWidget::findScale()
{
    if (!m_scene || m_finder || m_scene->image().isNull())
        return;
    if (!m_scene->ruler())
        m_scene->showRuler(true);
    // Grey once here; the search runs on a thread of its own while the
    // live picture goes on.
    const cv::Mat gray = imaging::toGray8(m_scene->image()).clone();
    auto result = std::make_shared<imaging::ScaleFit>();
    m_found = result;
    m_finder = QThread::create([gray, result] { *result = imaging::findScale(gray); });
    m_finder->setObjectName(QStringLiteral("vistrel-findscale"));
    connect(m_finder, &QThread::finished, this, [this, result] {
        m_finder->deleteLater();
        m_finder = nullptr;
        updateUnitFields();
        onScaleFound(*result);
    });
    m_findScale->setEnabled(false);
    m_finder->start();
}

bool BDWidget::isFindingScale() const { return m_finder != nullptr; }

void BDWidget::onScaleFound(const imaging::ScaleFit &fit)
{
    GraphicsMeasureItem *ruler = m_scene ? m_scene->ruler() : nullptr;
    if (!fit.found || !ruler) {
        notifier().inform(this, tr("未找到刻度：请让标尺的刻度清晰、完整地出现在画面中"));
        emit scaleFound(false);
        return;
    }
    bool ok = false;
    double division = parseLength(m_division->text(), locale(), &ok);
    if (!ok || !isValidFactor(division)) {
        division = 0.01;
        m_division->setText(locale().toString(division));
    }
    ruler->setPoint(0, fit.first);
    ruler->setPoint(1, fit.last);
    ui->labelBDRealLen->setText(locale().toString(fit.divisions * division, 'g', 12));
    onMeasureChanged();
    m_scene->update();
    emit scaleFound(true);
}

void BDWidget::onBDLabelChanged() {}

void BDWidget::onCurrentStackChanged() { refresh(); }

namespace {
// A wrapping caption may break between words, never inside one: the longest
// word sets its least width (a CJK caption is one word).
void keepWordsWhole(QLabel *label)
{
    int widest = 0;
    for (const QString &word : label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = qMax(widest, label->fontMetrics().horizontalAdvance(word));
    label->setMinimumWidth(widest + 2 * qMax(0, label->margin()));
}
} // namespace

void BDWidget::keepCaptionWordsWhole()
{
    for (QLabel *label : {ui->labelBDNameTitle, ui->labelBDRealLenTitle})
        keepWordsWhole(label);
}

void BDWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        keepCaptionWordsWhole();
        setTableHeader();
        retranslateResults();
        m_analysis->retranslate();
        refresh();
        return;
    }
    QWidget::changeEvent(event);
}
