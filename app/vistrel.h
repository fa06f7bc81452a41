#pragma once

#include <QMainWindow>

// The main window.
class Vistrel : public QMainWindow
{
    Q_OBJECT
public:
    explicit Vistrel(QWidget *parent = nullptr);
    ~Vistrel() override;
};
