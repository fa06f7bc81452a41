#pragma once

#include "core/appsettings.h"

#include <QDialog>

#include <functional>

namespace Ui {
class SettingTimeDialogClass;
}

// Who runs a timed series: the main window.
class TimedSeriesHost
{
public:
    virtual ~TimedSeriesHost() = default;
    virtual void startTimedSeries(const AppSettings &settings) = 0;
    virtual void endTimedSeries() = 0;
};

// Sets up an unattended series of photos or clips and shows its progress.
class SettingTimeDialog : public QDialog
{
    Q_OBJECT
public:
    // The host gets the series; its signal autoRecordFinish(), if it has one,
    // counts the shots.
    SettingTimeDialog(QWidget *parent, TimedSeriesHost *host);
    ~SettingTimeDialog() override;

    void setSettings(const AppSettings &settings) { m_settings = settings; }
    const AppSettings &settings() const { return m_settings; }

    // The clock; tests replace it.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

public slots:
    void onBtnOk();
    void onBtnCancel();
    void onBtnExit();
    void onTypeChanged();
    void onRecordFinish();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void readWidgets();
    void refresh();

    Ui::SettingTimeDialogClass *ui;
    TimedSeriesHost *m_host;
    AppSettings m_settings;
    std::function<QDateTime()> m_clock;
    bool m_finishConnected = false;
};
