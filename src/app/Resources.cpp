#include "Resources.h"

#include <QtGlobal>

void InitLumenoResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(images);
        Q_INIT_RESOURCE(translations);
        return true;
    }();
    Q_UNUSED(registered);
}
