#include "dialogs/settingdialog.h"

#include "ui_settingdialog.h"

#include <QFileDialog>

SettingDialog::SettingDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::SettingDialogClass)
    , m_picker(
          [] { return QFileDialog::getExistingDirectory(nullptr, QString(), QString(), QFileDialog::ShowDirsOnly); })
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    if (parent)
        setWindowTitle(parent->windowTitle());
    connect(ui->btnOk, &QPushButton::clicked, this, &SettingDialog::onBtnOk);
    connect(ui->btnCancel, &QPushButton::clicked, this, &SettingDialog::onBtnCancel);
    connect(ui->btnImagePath, &QPushButton::clicked, this, &SettingDialog::onBtnImagePath);
    connect(ui->btnMoviePath, &QPushButton::clicked, this, &SettingDialog::onBtnMoviePath);
}

SettingDialog::~SettingDialog() { delete ui; }

void SettingDialog::showEvent(QShowEvent *event)
{
    ui->editImagePath->setText(m_settings.imageRoot);
    ui->editMoviePath->setText(m_settings.videoRoot);
    QDialog::showEvent(event);
}

void SettingDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

void SettingDialog::onBtnImagePath()
{
    const QString dir = m_picker();
    if (!dir.isEmpty())
        ui->editImagePath->setText(dir);
}

void SettingDialog::onBtnMoviePath()
{
    const QString dir = m_picker();
    if (!dir.isEmpty())
        ui->editMoviePath->setText(dir);
}

void SettingDialog::onBtnOk()
{
    m_settings.imageRoot = ui->editImagePath->text();
    m_settings.videoRoot = ui->editMoviePath->text();
    accept();
}

void SettingDialog::onBtnCancel() { reject(); }
