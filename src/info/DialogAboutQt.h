#pragma once

#include <QDialog>

class DialogAboutQt : public QDialog
{
    Q_OBJECT

public:
    explicit DialogAboutQt(QWidget *parent = nullptr);
};
