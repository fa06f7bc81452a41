#include "dialogs/helpdialog.h"

#include "ui_helpdialog.h"

#include <QPixmap>

HelpDialog::HelpDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::HelpDialogClass)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    if (parent)
        setWindowTitle(parent->windowTitle());
    const QPixmap logo(QStringLiteral(":/Vistrel/image/logo.png"));
    if (!logo.isNull())
        ui->labelLogo->setPixmap(logo.scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    fill();
}

HelpDialog::~HelpDialog()
{
    delete ui;
}

QString HelpDialog::text() const
{
    return ui->textBrowser->toPlainText();
}

void HelpDialog::fill()
{
    // The addresses are placeholders of this product (the .invalid and
    // .example names can never reach a real party).
    ui->textBrowser->setHtml(
        QStringLiteral("<p><b>") + tr("Orvanta Pro") + QStringLiteral("</b></p><p></p><p>")
        + tr("Version：V3.1.3") + QStringLiteral("</p><p>")
        + tr("版权所有 © 2026 Vistrel 开发团队，保留所有权利。") + QStringLiteral("</p><p>")
        + tr("邮箱：") + QStringLiteral("<a href=\"mailto:support@vistrel.invalid\">support@vistrel.invalid</a></p><p>")
        + tr("网站：") + QStringLiteral("<a href=\"https://vistrel.example\">https://vistrel.example</a></p>"));
}

void HelpDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fill();
    }
    QDialog::changeEvent(event);
}
