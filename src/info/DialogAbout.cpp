#include "info/DialogAbout.h"

DialogAbout::DialogAbout(QWidget *parent) : QDialog(parent) {}
