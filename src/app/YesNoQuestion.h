#pragma once

#include <QString>

// Asks a modal Yes/No question, Yes being the default; true when it is answered Yes.
bool AskYesNo(const QString &text, const QString &informativeText);
