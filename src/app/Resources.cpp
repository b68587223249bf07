#include "Resources.h"

#include <QtGlobal>

void InitLumenoResources()
{
    Q_INIT_RESOURCE(images);
    Q_INIT_RESOURCE(translations);
}
