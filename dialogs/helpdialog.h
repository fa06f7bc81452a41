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

    // The libraries the program is built on, version and licence, as HTML.
    static QString libraryTable();

private:
    void fill();
    class QPushButton *m_aboutQt = nullptr;

    Ui::HelpDialogClass *ui;
};
