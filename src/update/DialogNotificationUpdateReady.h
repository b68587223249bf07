#pragma once

#include <QDialog>

class DialogNotificationUpdateReady : public QDialog
{
    Q_OBJECT
};
