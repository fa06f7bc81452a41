#include "calib/bdwidget.h"

#include "core/appsettings.h"
#include "calib/bdfile.h"
#include "measure/camerascene.h"
#include "measure/textshapes.h"
#include "ui_bdwidget.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>

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
        return save ? QFileDialog::getSaveFileName(this, QString(), QStringLiteral("bdInfo.bd"), QStringLiteral("*.bd"))
                    : QFileDialog::getOpenFileName(this, QString(), QStringLiteral("bdInfo.bd"), QStringLiteral("*.bd"));
    })
{
    ui->setupUi(this);

    auto *table = ui->tableBDInfo;
    table->setColumnCount(1);
    setTableHeader();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setVisible(false);

    // Tool order fixes the shape type sent: "文字" sits before "移动" in the
    // grid but is last in the list.
    m_tools = {ui->toolButton1, ui->toolButton2, ui->toolButton3, ui->toolButton4, ui->toolButton5,
               ui->toolButton6, ui->toolButton7, ui->toolButton8, ui->toolButton9, ui->toolButton10,
               ui->toolButton11, ui->toolButton12, ui->toolButton13, ui->toolButton14, ui->toolButton15,
               ui->toolButton16, ui->toolButton17, ui->toolButton19};
    m_toolGroup = new QButtonGroup(this);
    m_toolGroup->setObjectName(QStringLiteral("toolButtonGroup"));
    m_toolGroup->setExclusive(true);
    for (QAbstractButton *b : m_tools) {
        m_toolGroup->addButton(b);
        connect(b, &QAbstractButton::clicked, this, &BDWidget::onToolBtnClicked);
    }
    connect(ui->toolButton18, &QAbstractButton::clicked, this, &BDWidget::onToolBtnGrid);
    connect(ui->toolButtonUndo, &QAbstractButton::clicked, this, &BDWidget::onToolButtonUndo);
    connect(ui->toolButtonRedo, &QAbstractButton::clicked, this, &BDWidget::onToolButtonRedo);
    connect(ui->toolButtonClear, &QAbstractButton::clicked, this, &BDWidget::onToolBtnClear);

    for (QComboBox *box : {ui->boxFontColor, ui->boxFontSize, ui->boxGridColor, ui->boxGridType})
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &BDWidget::onStyleChanged);
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

    const QIcon arrowOff(QStringLiteral(":/Vistrel/image/icon/arrow_off.png"));
    for (QPushButton *b : {ui->btnBiaoDing, ui->btnBiaoDingList, ui->btnBiaoDingNew})
        b->setIcon(arrowOff);

    ui->toolButton1->setChecked(true);
    ui->BiaoDingPage->setCurrentIndex(0);
}

BDWidget::~BDWidget()
{
    delete ui;
}

void BDWidget::setup(CameraScene *scene, AppSettings *settings)
{
    m_scene = scene;
    m_settings = settings;
    refresh();
}

void BDWidget::setTableHeader()
{
    ui->tableBDInfo->setHorizontalHeaderLabels({tr("放大倍数")});
}

void BDWidget::refresh()
{
    if (!m_settings)
        return;
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

    ui->boxBDVar->clear();
    ui->tableBDInfo->clearContents();
    ui->tableBDInfo->setRowCount(m_settings->calibrations.size());
    for (int i = 0; i < m_settings->calibrations.size(); ++i) {
        const QString &name = m_settings->calibrations.at(i).name;
        ui->boxBDVar->addItem(name);
        ui->tableBDInfo->setItem(i, 0, new QTableWidgetItem(name));
    }
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

bool BDWidget::isEditPage() const
{
    return ui->BiaoDingPage->currentIndex() == 1;
}

void BDWidget::onToolBtnClicked()
{
    if (!m_scene)
        return;
    const int n = m_tools.indexOf(qobject_cast<QAbstractButton *>(sender()));
    m_scene->setTool(n >= 0 ? 65538 + n : 65537);
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
    QMessageBox box(QMessageBox::Question, QString(), tr("是否删除全部"), QMessageBox::Yes | QMessageBox::No, this);
    box.setButtonText(QMessageBox::Yes, tr("是"));
    box.setButtonText(QMessageBox::No, tr("否"));
    if (box.exec() == QMessageBox::Yes)
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
    const int row = ui->boxBDVar->currentIndex();
    if (row < 0 || !m_scene || !m_settings || row >= m_settings->calibrations.size())
        return;
    m_scene->setCalibration(m_settings->calibrations.at(row));
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
    const double actual = ui->labelBDRealLen->text().toDouble();
    const double onScreen = m_scene->ruler()->realLength();
    ui->labelBDName->setText(QString::asprintf("%0.2fX", onScreen / actual));
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
    if (!path.isEmpty())
        saveBDFile(path, m_settings->calibrations);
}

void BDWidget::onBtnBDLoad()
{
    if (!m_settings)
        return;
    const QString path = m_filePicker(false);
    if (path.isEmpty())
        return;
    loadBDFile(path, &m_settings->calibrations);
    refresh();
    emit bdInfoChanged();
}

void BDWidget::onBDNewData()
{
    if (!m_settings || !m_scene)
        return;
    const double actual = ui->labelBDRealLen->text().toDouble();
    const double rulerLength = m_scene->ruler() ? m_scene->ruler()->viewLength() : 0.0;
    // Not-a-number counts as "no value" too: it would poison every label.
    if (rulerLength == 0.0 || actual == 0.0 || qIsNaN(actual) || qIsInf(actual)) {
        QMessageBox::information(this, QString(), tr("参数不能为0"));
        return;
    }
    BDInfo info;
    info.name = ui->labelBDName->text();
    info.factor = actual / rulerLength;
    info.unit = ui->boxBDUnit->currentIndex();
    m_settings->calibrations.append(info);
    refresh();
    emit bdInfoChanged();
}

void BDWidget::onBDLabelChanged()
{
}

void BDWidget::onCurrentStackChanged()
{
    refresh();
}

void BDWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setTableHeader();
        refresh();
        return;
    }
    QWidget::changeEvent(event);
}
