#pragma once

#include <benchmark/benchmark.h>

#include <filesystem>

namespace ledgerleaf::bench {

// The floor under every durable write of the store: one bare SQLite commit (a 1 KB value
// updated with rollback journal, full sync and secure delete) in `file`, which is replaced.
// Each iteration is one commit.
void runBaselineCommit(benchmark::State& state, const std::filesystem::path& file);

}  // namespace ledgerleaf::bench
