#pragma once

#include <memory>
#include <string>

namespace ledgerleaf {

// Keeps a second copy of the program from running. On Windows a named event; elsewhere an
// advisory lock on a file in the per-user runtime folder. The operating system releases it
// when the process ends in any way, so a crash never blocks the next start.
class InstanceGuard {
  public:
    virtual ~InstanceGuard() = default;

    // Takes the guard named `name` ("ledgerleafv3" in the program, a name of their own in tests).
    // Nothing when another process holds it already.
    static std::unique_ptr<InstanceGuard> acquire(const std::string& name);
};

}  // namespace ledgerleaf
