// The help page of the Help menu.
#include "MainWindow.h"

#include "dialogs/HelpWindow.h"

#include <QSettings>

void MainWindow::ShowHelp()
{
    QString language = QSettings().value(QStringLiteral("Language")).toString();
    if (language.isEmpty())
        language = QStringLiteral("en");
    // Shown by the program itself, so that help is there without a browser or a network.
    auto *help = findChild<HelpWindow *>();
    if (!help)
        help = new HelpWindow(this);
    help->ShowPage(language);
    help->show();
    help->raise();
    help->activateWindow();
}
