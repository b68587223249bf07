#include "update/Updater.h"

Updater::Updater(QObject *parent) : QObject(parent) {}
