#include "bench/baseline_commit.h"

#include <sqlite3.h>

#include <random>
#include <vector>

#include "core/utf8_path.h"

namespace ledgerleaf::bench {

void runBaselineCommit(benchmark::State& state, const std::filesystem::path& file) {
    std::filesystem::remove(file);
    sqlite3* db = nullptr;
    sqlite3_open(utf8FromPath(file).c_str(), &db);
    sqlite3_exec(db,
                 "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL; PRAGMA secure_delete=ON;"
                 "CREATE TABLE t(id INTEGER PRIMARY KEY, v BLOB);"
                 "INSERT INTO t VALUES (1, zeroblob(1024));",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "UPDATE t SET v = ?1 WHERE id = 1", -1, &st, nullptr);
    std::vector<unsigned char> value(1024);
    std::mt19937 random(7);
    for (auto _ : state) {
        for (auto& b : value)
            b = static_cast<unsigned char>(random());
        sqlite3_bind_blob(st, 1, value.data(), static_cast<int>(value.size()), SQLITE_STATIC);
        if (sqlite3_step(st) != SQLITE_DONE)
            state.SkipWithError("baseline update failed");
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
}

}  // namespace ledgerleaf::bench
