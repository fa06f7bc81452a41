#include "dialogs/helpdialog.h"

#include "ui_helpdialog.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

#include <jconfig.h>
#include <libyuv/version.h>
#include <opencv2/core/version.hpp>

extern "C" {
#include <libavutil/avutil.h>
}

namespace {

struct Library
{
    const char *name;
    QString version;
    const char *licence;
};

// What the program is built on, with the licence each comes under.
QVector<Library> libraries()
{
    return {{"Qt", QString::fromLatin1(qVersion()), "LGPL-3.0"},
            {"FFmpeg", QString::fromLatin1(av_version_info()), "LGPL-2.1-or-later"},
            {"libyuv", QString::number(LIBYUV_VERSION), "BSD-3-Clause"},
            {"libjpeg-turbo",
             QStringLiteral("%1.%2.%3")
                 .arg(LIBJPEG_TURBO_VERSION_NUMBER / 1000000)
                 .arg(LIBJPEG_TURBO_VERSION_NUMBER / 1000 % 1000)
                 .arg(LIBJPEG_TURBO_VERSION_NUMBER % 1000),
             "IJG, BSD-3-Clause, Zlib"},
            {"OpenCV", QStringLiteral(CV_VERSION), "Apache-2.0"},
            {"libudev (systemd)", QString(), "LGPL-2.1-or-later"}};
}

} // namespace

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
    // Below the text: About Qt on the left, Close on the right.
    auto *column = new QVBoxLayout;
    column->addWidget(ui->textBrowser);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    m_aboutQt = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    m_aboutQt->setObjectName(QStringLiteral("btnAboutQt"));
    connect(m_aboutQt, &QPushButton::clicked, this, [this] { QMessageBox::aboutQt(this); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    ui->horizontalLayout->addLayout(column);
    resize(560, 420);
    fill();
}

HelpDialog::~HelpDialog() { delete ui; }

QString HelpDialog::text() const { return ui->textBrowser->toPlainText(); }

void HelpDialog::fill()
{
    // The addresses are placeholders of this product (the .invalid and
    // .example names can never reach a real party).
    ui->textBrowser->setHtml(
        QStringLiteral("<p><b>") + tr("Orvanta Pro") + QStringLiteral("</b></p><p></p><p>") + tr("Version：V3.1.3")
        + QStringLiteral("</p><p>") + tr("版权所有 © 2026 Vistrel 开发团队，保留所有权利。") + QStringLiteral("</p><p>")
        + tr("邮箱：") + QStringLiteral("<a href=\"mailto:support@vistrel.invalid\">support@vistrel.invalid</a></p><p>")
        + tr("网站：") + QStringLiteral("<a href=\"https://vistrel.example\">https://vistrel.example</a></p>")
        + libraryTable());
    m_aboutQt->setText(tr("关于 Qt"));
}

QString HelpDialog::libraryTable()
{
    QString html = QStringLiteral("<p><b>") + tr("本程序使用以下开源库：").toHtmlEscaped()
                   + QStringLiteral("</b></p><table cellspacing=\"2\">");
    for (const Library &l : libraries())
        html += QStringLiteral("<tr><td>%1</td><td>&nbsp;%2</td><td>&nbsp;%3</td></tr>")
                    .arg(QString::fromLatin1(l.name).toHtmlEscaped(), l.version.toHtmlEscaped(),
                         QString::fromLatin1(l.licence));
    return html + QStringLiteral("</table>");
}

void HelpDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fill();
    }
    QDialog::changeEvent(event);
}
