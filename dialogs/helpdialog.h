#pragma once

#include <QDialog>

namespace Ui {
class HelpDialogClass;
}

// The About box.
class HelpDialog : public QDialog
{
    Q_OBJECT
public:
    explicit HelpDialog(QWidget *parent = nullptr);
    ~HelpDialog() override;

    QString text() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void fill();

    Ui::HelpDialogClass *ui;
};
