#pragma once

#include <cstddef>
#include <cstdint>

namespace ledgerleaf {

// Argon2id cost of deriving a table key from a password. Tables keep the parameters they were
// protected with, so opening always uses the stored ones; these only apply to new protection.
struct KdfParams {
    std::uint64_t opsLimit = 3;                    // passes
    std::size_t memLimit = std::size_t{64} << 20;  // bytes

    // What the program protects its diary with: 64 MiB and 3 passes.
    static KdfParams standard() { return {}; }
};

}  // namespace ledgerleaf
