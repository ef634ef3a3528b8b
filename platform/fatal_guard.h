#pragma once

#include <functional>

#include "platform/dialogs.h"
#include "platform/fatal_error.h"
#include "platform/program_exit.h"

namespace ledgerleaf {

// Runs one event handler. A FatalError escaping it becomes the platform's error report and the
// end of the program with exit code -1; the handler's remaining work is skipped.
// Returns false when the handler ended that way.
inline bool runGuarded(Dialogs& dialogs, ProgramExit& exit, const std::function<void()>& handler) {
    if (exit.ended())
        return false;
    try {
        handler();
        return true;
    } catch (const FatalError& e) {
        dialogs.errorReport(e.platformText());
        exit.end(-1);
        return false;
    }
}

}  // namespace ledgerleaf
