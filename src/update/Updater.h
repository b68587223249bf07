#pragma once

#include <QObject>

class Updater : public QObject
{
    Q_OBJECT

public:
    explicit Updater(QObject *parent);
};
