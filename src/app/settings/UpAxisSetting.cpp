#include "settings/UpAxisSetting.h"

#include <QSettings>

namespace {
const QString Key = QStringLiteral("UpAxis");
}

lumeno::UpAxisChoice StoredUpAxisChoice()
{
    return lumeno::UpAxisChoiceFromKey(QSettings().value(Key).toString()).value_or(lumeno::UpAxisChoice::Automatic);
}

void StoreUpAxisChoice(lumeno::UpAxisChoice choice)
{
    QSettings().setValue(Key, lumeno::UpAxisChoiceKey(choice));
}
