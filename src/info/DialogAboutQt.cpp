#include "info/DialogAboutQt.h"

DialogAboutQt::DialogAboutQt(QWidget *parent) : QDialog(parent) {}
