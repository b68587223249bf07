#pragma once

#include <QDialog>

class DialogUpdater : public QDialog
{
    Q_OBJECT
};
