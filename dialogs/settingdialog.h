#pragma once

#include "core/appsettings.h"

#include <QDialog>

#include <functional>

namespace Ui {
class SettingDialogClass;
}

// Chooses the photo and video save folders on a copy of the settings.
class SettingDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SettingDialog(QWidget *parent = nullptr);
    ~SettingDialog() override;

    void setSettings(const AppSettings &settings) { m_settings = settings; }
    const AppSettings &settings() const { return m_settings; }

    // The folder picker; tests replace it. An empty answer means cancelled.
    void setFolderPicker(std::function<QString()> picker) { m_picker = std::move(picker); }

public slots:
    void onBtnOk();
    void onBtnCancel();
    void onBtnImagePath();
    void onBtnMoviePath();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Ui::SettingDialogClass *ui;
    AppSettings m_settings;
    std::function<QString()> m_picker;
};
