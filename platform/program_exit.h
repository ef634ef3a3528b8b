#pragma once

namespace ledgerleaf {

// Ends the program with an exit code. The caller has already shown its message and closed the
// databases; after calling end() it returns at once and does nothing more.
class ProgramExit {
  public:
    virtual ~ProgramExit() = default;
    virtual void end(int exitCode) = 0;
    // Whether end() has been called.
    virtual bool ended() const = 0;
};

// Records the request instead of ending anything; tests read the code back.
class ScriptedProgramExit : public ProgramExit {
  public:
    void end(int exitCode) override {
        if (!ended_)
            code_ = exitCode;
        ended_ = true;
    }
    bool ended() const override { return ended_; }
    int code() const { return code_; }

  private:
    bool ended_ = false;
    int code_ = 0;
};

}  // namespace ledgerleaf
