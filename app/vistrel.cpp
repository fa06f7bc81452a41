#include "app/vistrel.h"

#include "capture/devicetable.h"

#include <QIcon>

Vistrel::Vistrel(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(productTitle());
    setWindowIcon(QIcon(QStringLiteral(":/Vistrel/image/logo.png")));
    setMinimumSize(800, 600);
    resize(800, 600);
}

Vistrel::~Vistrel() = default;
