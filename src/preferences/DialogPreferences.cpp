#include "preferences/DialogPreferences.h"

DialogPreferences::DialogPreferences(QWidget *parent) : QDialog(parent) {}

DialogPreferences::~DialogPreferences() = default;
