#pragma once

namespace ledgerleaf {

// Registers the compiled-in pictures of ll_resources with Qt's resource system. A static library's
// resources are only linked in when something refers to them: call this once at program start
// (and in tests) before loading any path of resource_paths.h. Calling it again is harmless.
void initResources();

}  // namespace ledgerleaf
