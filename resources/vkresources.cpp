#include "vkresources.h"

#include <QtGlobal>

void vkInitResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(translations);
}
