#include "YesNoQuestion.h"

#include <QMessageBox>
#include <QPushButton>

bool AskYesNo(const QString &text, const QString &informativeText)
{
    QMessageBox box;
    box.setText(text);
    box.setInformativeText(informativeText);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    // Literal on purpose: these two words are not taken from the catalog.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Yes"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    return box.exec() == QMessageBox::Yes;
}
