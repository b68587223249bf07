#pragma once

#include <QDialog>

class MainWindow;

class DialogTransform : public QDialog
{
    Q_OBJECT

public:
    explicit DialogTransform(MainWindow *mainWindow, QWidget *parent = nullptr);
    ~DialogTransform() override;

private:
    MainWindow *mainWindow;
};
