#include "resources/resource_init.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function in the global namespace, so it is called from here.
static void registerCompiledResources() {
    Q_INIT_RESOURCE(resources);
}

namespace ledgerleaf {

void initResources() {
    registerCompiledResources();
}

}  // namespace ledgerleaf
