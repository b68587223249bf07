#include "settings/ReductionMethod.h"

#include <QSettings>

namespace {
const QString Key = QStringLiteral("ReductionMethod");
}

lumeno::ReductionEngine StoredReductionEngine()
{
    return lumeno::EngineFromKey(QSettings().value(Key).toString()).value_or(lumeno::DefaultEngine);
}

void StoreReductionEngine(lumeno::ReductionEngine engine)
{
    QSettings().setValue(Key, lumeno::EngineKey(engine));
}
