// Store benchmarks on a synthetic ten-year diary, plain and protected, beside the baseline of
// one bare durable SQLite commit on the same disk.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <random>

#include "bench/baseline_commit.h"
#include "bench/synthetic_diary.h"
#include "core/date_time.h"
#include "store/memo_database.h"
#include "store/record_facility.h"

namespace ledgerleaf::bench {
namespace {

namespace fs = std::filesystem;

const std::string kPassword = "十年日记的密码";

struct Diaries {
    fs::path root;
    fs::path plain;
    fs::path locked;
    SyntheticDiary plainInfo;
};
Diaries* diaries = nullptr;

const fs::path& source(bool locked) {
    return locked ? diaries->locked : diaries->plain;
}
std::optional<std::string> passwordFor(bool locked) {
    return locked ? std::optional<std::string>(kPassword) : std::nullopt;
}

// A fresh copy of a diary, for benchmarks that change it.
fs::path workCopy(bool locked, const char* name) {
    const fs::path dir = diaries->root / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const char* file : {"ledgerleaf.edb", "ledgerleaf.edt"})
        fs::copy_file(source(locked) / file, dir / file);
    return dir;
}

// A day of the diary that has a picture, and one in the middle of the ten years.
double pictureDay() {
    return 41640 + 1830;
}

void BM_BaselineCommit(benchmark::State& state) {
    runBaselineCommit(state, diaries->root / "baseline.db");
}
BENCHMARK(BM_BaselineCommit)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Open(benchmark::State& state) {
    const bool locked = state.range(0);
    for (auto _ : state) {
        RecordFacility facility(source(locked));
        MemoDatabase db(facility, source(locked));
        if (!db.db_open(passwordFor(locked)))
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(db.record_count());
        state.PauseTiming();
        db.close_all();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Open)->Arg(0)->ArgName("protected")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Open)
    ->Arg(1)
    ->ArgName("protected")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

// The store work of one keystroke in the memo editor: find the day, write the whole memo
// (changed) and the picture box's bytes (unchanged).
void BM_Keystroke(benchmark::State& state) {
    const bool locked = state.range(0);
    const fs::path dir = workCopy(locked, "keystroke");
    RecordFacility facility(dir);
    MemoDatabase db(facility, dir);
    if (!db.db_open(passwordFor(locked)) || !db.find_day(pictureDay())) {
        state.SkipWithError("setup failed");
        return;
    }
    const std::string memo = db.read_memo();
    const Bytes picture = db.read_picture();
    if (picture.empty())
        state.SkipWithError("the chosen day has no picture");
    int keystroke = 0;
    for (auto _ : state) {
        const bool found = db.find_day(pictureDay());
        const bool wrote = db.write_field(kFieldMemo, memo + (++keystroke % 2 ? "字" : "")) &&
                           db.write_field(kFieldPicture, picture);
        if (!found || !wrote)
            state.SkipWithError("keystroke failed");
    }
}
BENCHMARK(BM_Keystroke)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("protected")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The month list: the valid records of one month, sorted by date, from memory only.
void BM_MonthScan(benchmark::State& state) {
    const bool locked = state.range(0);
    RecordFacility facility(source(locked));
    MemoDatabase db(facility, source(locked));
    if (!db.db_open(passwordFor(locked))) {
        state.SkipWithError("open failed");
        return;
    }
    const double start = *fromParts({2019, 6, 1, 0, 0, 0});
    const double end = *fromParts({2019, 7, 1, 0, 0, 0});
    std::vector<std::pair<double, int>> month;
    for (auto _ : state) {
        month.clear();
        db.for_each_summary([&](const RecordSummary& r) {
            if (r.date >= start && r.date < end && r.valid())
                month.emplace_back(r.date, r.number);
        });
        std::sort(month.begin(), month.end());
        benchmark::DoNotOptimize(month.data());
    }
    state.counters["days"] = static_cast<double>(month.size());
}
BENCHMARK(BM_MonthScan)->Arg(0)->Arg(1)->ArgName("protected")->Unit(benchmark::kMicrosecond);

// A keyword search's walk: every memo read from disk.
void BM_FullScan(benchmark::State& state) {
    const bool locked = state.range(0);
    RecordFacility facility(source(locked));
    MemoDatabase db(facility, source(locked));
    if (!db.db_open(passwordFor(locked))) {
        state.SkipWithError("open failed");
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        db.for_each_record([&] { bytes += db.read_memo().size(); });
    }
    state.counters["memo_MB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BM_FullScan)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("protected")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// Protecting the plain diary, or changing the password of the protected one.
void BM_SetPassword(benchmark::State& state) {
    const bool locked = state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path dir = workCopy(locked, "password");
        auto facility = std::make_unique<RecordFacility>(dir);
        MemoDatabase db(*facility, dir);
        if (!db.db_open(passwordFor(locked)))
            state.SkipWithError("open failed");
        state.ResumeTiming();
        if (!facility->set_password("新的密码"))
            state.SkipWithError("set password failed");
        state.PauseTiming();
        facility.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SetPassword)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("protected")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

void BM_SortToFile(benchmark::State& state) {
    const bool locked = state.range(0);
    const fs::path dir = workCopy(locked, "sort");
    RecordFacility facility(dir);
    MemoDatabase db(facility, dir);
    if (!db.db_open(passwordFor(locked))) {
        state.SkipWithError("open failed");
        return;
    }
    for (auto _ : state)
        if (!facility.sort_to_file("temp", kFieldDate))
            state.SkipWithError("sort failed");
}
BENCHMARK(BM_SortToFile)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("protected")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

void BM_Clear(benchmark::State& state) {
    const bool locked = state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path dir = workCopy(locked, "clear");
        auto facility = std::make_unique<RecordFacility>(dir);
        MemoDatabase db(*facility, dir);
        if (!db.db_open(passwordFor(locked)))
            state.SkipWithError("open failed");
        state.ResumeTiming();
        if (!db.clear_all())
            state.SkipWithError("clear failed");
        state.PauseTiming();
        facility.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Clear)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("protected")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

}  // namespace
}  // namespace ledgerleaf::bench

// Writes the two diaries into a fresh folder under the system's temporary folder (or the folder
// in LEDGERLEAF_BENCH_DIR, to measure another disk), runs the benchmarks, removes the folder.
int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    using namespace ledgerleaf::bench;
    benchmark::Initialize(&argc, argv);
    Diaries d;
    d.root = benchFolder("ledgerleaf-bench");
    d.plain = d.root / "plain";
    d.locked = d.root / "protected";
    fs::create_directories(d.plain);
    fs::create_directories(d.locked);
    d.plainInfo = writeSyntheticDiary(d.plain);
    SyntheticDiaryOptions locked;
    locked.password = kPassword;
    writeSyntheticDiary(d.locked, locked);
    std::cerr << "diary: " << d.plainInfo.dates.size() << " days, " << d.plainInfo.pictures
              << " pictures, memos " << d.plainInfo.memoBytes / (1 << 20) << " MB, pictures "
              << d.plainInfo.pictureBytes / (1 << 20) << " MB, files "
              << (fs::file_size(d.plain / "ledgerleaf.edb") +
                  fs::file_size(d.plain / "ledgerleaf.edt")) /
                     (1 << 20)
              << " MB, in " << d.root.string() << "\n";
    diaries = &d;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(d.root, ec);
    return 0;
}
