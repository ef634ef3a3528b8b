#pragma once

#include "platform/program_exit.h"

namespace ledgerleaf {

// Leaves every running event loop with the given code, so main() returns it. Windows are
// hidden at once so nothing of the program stays on screen while the loops unwind.
class QtProgramExit : public ProgramExit {
  public:
    void end(int exitCode) override;
    bool ended() const override { return ended_; }
    int code() const { return code_; }

  private:
    bool ended_ = false;
    int code_ = 0;
};

}  // namespace ledgerleaf
