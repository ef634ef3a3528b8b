#pragma once

namespace ledgerleaf::test {

// A SQLite VFS over the platform's default one that counts every write and sync of every
// file and fails the Nth of them with an I/O error. Installed as the default VFS, so the code
// under test uses it without knowing. Test code only: the counters are process-wide.
class FaultVfs {
  public:
    // Registers the shim as the default VFS (once per process).
    static void install();
    // From now on count writes and syncs; fail number `n` (1-based). 0 counts without failing.
    static void arm(int n);
    static void disarm();
    // Writes and syncs counted since arm().
    static int count();
    // Whether the armed failure was delivered.
    static bool fired();
};

}  // namespace ledgerleaf::test
