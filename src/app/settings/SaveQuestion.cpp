#include "settings/SaveQuestion.h"

#include <QSettings>

namespace {
const QString Key = QStringLiteral("AskBeforeSavingWithLoss");
}

bool AsksBeforeSavingWithLoss()
{
    return QSettings().value(Key, true).toBool();
}

void SetAskBeforeSavingWithLoss(bool ask)
{
    QSettings().setValue(Key, ask);
}
