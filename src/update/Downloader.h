#pragma once

#include <QObject>

class Downloader : public QObject
{
    Q_OBJECT
};
