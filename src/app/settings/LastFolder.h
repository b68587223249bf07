#pragma once

#include <QString>

// The folder the file dialogs start in: the one of the file last chosen in any of them,
// while it exists; the desktop otherwise.
QString LastFolder();
void RememberFolderOf(const QString &chosenFile);
