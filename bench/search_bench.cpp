// Keyword search over the synthetic ten-year diary, plain and protected, beside the baseline of
// one bare durable SQLite commit on the same disk. Two diaries: the all-Chinese one the store
// benchmarks use, and one whose memos carry a Latin word every few clauses, where a keyword
// with letters has to fold almost every memo.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <optional>
#include <random>
#include <string>

#include "bench/baseline_commit.h"
#include "bench/synthetic_diary.h"
#include "search/keyword_search.h"
#include "store/memo_database.h"
#include "store/record_facility.h"

namespace ledgerleaf::bench {
namespace {

namespace fs = std::filesystem;

const std::string kPassword = "十年日记的密码";
// A word of two common characters that turns up in some memos, and a Latin word in mixed case.
const char* const kKeywords[] = {"公园", "Park"};
const char* const kDiaryNames[] = {"chinese", "latin"};

fs::path benchRoot;

fs::path diaryDir(int diary, bool locked) {
    return benchRoot / (std::string(kDiaryNames[diary]) + (locked ? "-protected" : "-plain"));
}

// The diary opened for one benchmark function; false (and the benchmark skipped) on failure.
struct OpenDiary {
    OpenDiary(int diary, bool locked)
        : dir(diaryDir(diary, locked)), facility(dir), db(facility, dir) {}
    bool open(benchmark::State& state, bool locked) {
        if (db.db_open(locked ? std::optional<std::string>(kPassword) : std::nullopt))
            return true;
        state.SkipWithError("open failed");
        return false;
    }
    fs::path dir;
    RecordFacility facility;
    MemoDatabase db;
};

void BM_BaselineCommit(benchmark::State& state) {
    runBaselineCommit(state, benchRoot / "baseline.db");
}
BENCHMARK(BM_BaselineCommit)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole search as the desk runs it: every stored memo read, opened and matched.
void BM_Search(benchmark::State& state) {
    const int diary = static_cast<int>(state.range(0));
    const bool locked = state.range(1);
    const std::string keyword = kKeywords[state.range(2)];
    OpenDiary d(diary, locked);
    if (!d.open(state, locked))
        return;
    std::size_t hits = 0;
    for (auto _ : state) {
        const auto found = search_memos(d.db, keyword);
        hits = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["hits"] = static_cast<double>(hits);
    state.SetLabel(std::string(kDiaryNames[diary]) + " diary, keyword " + keyword);
}
BENCHMARK(BM_Search)
    ->ArgNames({"diary", "protected", "keyword"})
    ->ArgsProduct({{0, 1}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The reading part alone: every stored memo handed over, nothing matched.
void BM_MemoPass(benchmark::State& state) {
    const bool locked = state.range(0);
    OpenDiary d(0, locked);
    if (!d.open(state, locked))
        return;
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        d.db.for_each_memo(
            [&](const RecordSummary&, std::string_view memo) { bytes += memo.size(); });
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["memo_MB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BM_MemoPass)
    ->ArgName("protected")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace ledgerleaf::bench

// Writes the four diaries into a fresh folder under the system's temporary folder (or the
// folder in LEDGERLEAF_BENCH_DIR), runs the benchmarks, removes the folder.
int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    using namespace ledgerleaf::bench;
    benchmark::Initialize(&argc, argv);
    benchRoot = benchFolder("ledgerleaf-search-bench");
    for (int diary = 0; diary < 2; ++diary) {
        for (bool locked : {false, true}) {
            SyntheticDiaryOptions options;
            options.latinEvery = diary == 1 ? 20 : 0;
            if (locked)
                options.password = kPassword;
            const fs::path dir = diaryDir(diary, locked);
            fs::create_directories(dir);
            const SyntheticDiary written = writeSyntheticDiary(dir, options);
            if (!locked)
                std::cerr << kDiaryNames[diary] << " diary: " << written.dates.size()
                          << " days, memos " << written.memoBytes / (1 << 20) << " MB\n";
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(benchRoot, ec);
    return 0;
}
