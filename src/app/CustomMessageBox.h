#pragma once

#include <QString>

class CustomMessageBox
{
public:
    // A modal Yes/No question; returns QMessageBox::Yes or QMessageBox::No.
    static int askYesNo(const QString &text, const QString &informativeText);
};
