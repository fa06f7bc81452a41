#include "dialogs/settingtimedialog.h"

#include "ui_settingtimedialog.h"

#include "core/notifier.h"

SettingTimeDialog::SettingTimeDialog(QWidget *parent, TimedSeriesHost *host)
    : QDialog(parent)
    , ui(new Ui::SettingTimeDialogClass)
    , m_host(host)
    , m_clock([] { return QDateTime::currentDateTime(); })
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    if (parent)
        setWindowTitle(parent->windowTitle());
    ui->spinLength->setEnabled(ui->radioVideo->isChecked());

    connect(ui->radioPhoto, &QRadioButton::clicked, this, &SettingTimeDialog::onTypeChanged);
    connect(ui->radioVideo, &QRadioButton::clicked, this, &SettingTimeDialog::onTypeChanged);
    connect(ui->btnOk, &QPushButton::clicked, this, &SettingTimeDialog::onBtnOk);
    connect(ui->btnCancel, &QPushButton::clicked, this, &SettingTimeDialog::onBtnCancel);
    connect(ui->btnExit, &QPushButton::clicked, this, &SettingTimeDialog::onBtnExit);
    connect(ui->checkStartNow, &QCheckBox::toggled, this, [this](bool now) {
        ui->dateTimeStart->setEnabled(!now && !m_settings.timedActive);
        // A start chosen by hand begins a minute ahead, never already past.
        if (!now && ui->dateTimeStart->dateTime() <= m_clock())
            ui->dateTimeStart->setDateTime(m_clock().addSecs(60));
    });
    // The series runs on in the main window while this is closed.
    setModal(false);
    m_settings.timedActive = false;
}

SettingTimeDialog::~SettingTimeDialog() { delete ui; }

void SettingTimeDialog::showEvent(QShowEvent *event)
{
    // The host's signal may not exist (tests); connect it once by name.
    if (!m_finishConnected && parent() && parent()->metaObject()->indexOfSignal("autoRecordFinish()") >= 0) {
        connect(parent(), SIGNAL(autoRecordFinish()), this, SLOT(onRecordFinish()));
        m_finishConnected = true;
    }
    refresh();
    QDialog::showEvent(event);
}

void SettingTimeDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

void SettingTimeDialog::readWidgets()
{
    m_settings.timedMode = ui->radioVideo->isChecked() ? 1 : 0;
    m_settings.timedInterval = ui->spinInterval->value();
    m_settings.timedLength = ui->spinLength->value();
    m_settings.timedCount = ui->spinCount->value();
}

void SettingTimeDialog::onBtnOk()
{
    const QDateTime start = ui->checkStartNow->isChecked() ? m_clock() : ui->dateTimeStart->dateTime();
    if (ui->checkStartNow->isChecked()) {
        m_settings.timedStart = start;
        m_settings.timedNext = start;
        m_settings.timedActive = true;
        m_settings.timedDone = 0;
        readWidgets();
        if (m_host)
            m_host->startTimedSeries(m_settings);
        refresh();
        return;
    }
    m_settings.timedStart = start;
    m_settings.timedNext = start;
    // The edit shows whole seconds: "now" is compared at the same precision,
    // so a start in the current second is refused.
    const QDateTime now = m_clock();
    const QDateTime nowSeconds = now.addMSecs(-now.time().msec());
    if (start.secsTo(nowSeconds) < 0) {
        m_settings.timedActive = true;
        m_settings.timedDone = 0;
        readWidgets();
        if (m_host)
            m_host->startTimedSeries(m_settings);
        refresh();
    } else {
        m_settings.timedActive = false;
        notifier().inform(this, tr("启动时间需大于当前时间"));
    }
}

void SettingTimeDialog::onBtnCancel()
{
    m_settings.timedActive = false;
    readWidgets();
    if (m_host)
        m_host->endTimedSeries();
    refresh();
}

void SettingTimeDialog::onBtnExit() { close(); }

void SettingTimeDialog::onTypeChanged() { ui->spinLength->setEnabled(ui->radioVideo->isChecked()); }

void SettingTimeDialog::onRecordFinish()
{
    ++m_settings.timedDone;
    if (m_settings.timedDone >= m_settings.timedCount)
        m_settings.timedActive = false;
    refresh();
}

void SettingTimeDialog::refresh()
{
    const bool video = m_settings.timedMode != 0;
    ui->radioVideo->setChecked(video);
    ui->radioPhoto->setChecked(!video);
    const QDateTime now = m_clock();
    ui->dateTimeStart->setDateTime(m_settings.timedStart.isNull()
                                           || (!m_settings.timedActive && m_settings.timedStart < now)
                                       ? now.addSecs(60)
                                       : m_settings.timedStart);
    ui->spinInterval->setValue(m_settings.timedInterval);
    ui->spinLength->setValue(m_settings.timedLength);
    ui->spinCount->setValue(m_settings.timedCount);
    ui->lcdTaken->display(m_settings.timedDone);

    const bool active = m_settings.timedActive;
    ui->checkStartNow->setEnabled(!active);
    ui->dateTimeStart->setEnabled(!active && !ui->checkStartNow->isChecked());
    for (QWidget *w : {static_cast<QWidget *>(ui->radioPhoto), static_cast<QWidget *>(ui->radioVideo),
                       static_cast<QWidget *>(ui->spinInterval), static_cast<QWidget *>(ui->spinCount),
                       static_cast<QWidget *>(ui->btnOk)})
        w->setEnabled(!active);
    ui->spinLength->setEnabled(!active && video);
    ui->btnCancel->setEnabled(active);
}
