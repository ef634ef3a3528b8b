// Desk benchmarks on the synthetic ten-year diary, through the real windows offscreen:
//   - start-up: from the start sequence to the desk visible (the 1000 ms splash excluded)
//   - one keystroke: a real key event in the memo editor until the save and the month list
//     refresh are done, median and 99th percentile over 500 keystrokes
//   - the month list refresh alone
//   - storing a dropped 200 KB picture
// beside the baseline of one bare durable SQLite commit on the same disk.
//
//     QT_QPA_PLATFORM=offscreen build/bench/desk_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QUrl>
#include <algorithm>
#include <chrono>

#include "app/cover_window.h"
#include "app/start_sequence.h"
#include "bench/baseline_commit.h"
#include "bench/synthetic_diary.h"
#include "core/date_time.h"
#include "core/utf8_path.h"
#include "desk/desk_window.h"
#include "desk/month_list.h"
#include "platform/program_exit.h"
#include "platform/scripted_clock.h"
#include "platform/scripted_dialogs.h"
#include "platform/widgets/picture_box.h"
#include "store/memo_database.h"
#include "store/record_facility.h"

namespace ledgerleaf::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

fs::path* diaryDir = nullptr;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// A fresh copy of the diary, for benchmarks that change it.
fs::path workCopy(const char* name) {
    const fs::path dir = diaryDir->parent_path() / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const char* file : {"ledgerleaf.edb", "ledgerleaf.edt"})
        fs::copy_file(*diaryDir / file, dir / file);
    return dir;
}

// Everything a desk needs, on a copy of the diary, with the clock on a day in the middle of
// the ten years (2019-01-01).
struct Program {
    explicit Program(const fs::path& dir) : dir(dir), facility(dir), db(facility, dir) {
        clock.setNow(2019, 1, 1, 20, 0, 0);
        clock.setEventHook([] { QCoreApplication::processEvents(); });
    }
    fs::path dir;
    RecordFacility facility;
    MemoDatabase db;
    ScriptedDialogs dialogs;
    ScriptedClock clock;
    ScriptedProgramExit exit;
};

void BM_BaselineCommit(benchmark::State& state) {
    runBaselineCommit(state, diaryDir->parent_path() / "baseline.db");
}
BENCHMARK(BM_BaselineCommit)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartUp(benchmark::State& state) {
    const fs::path dir = workCopy("startup");
    for (auto _ : state) {
        Program program(dir);
        CoverWindow cover;
        AppServices services{
            dir,        program.dialogs,           program.clock, program.exit, program.facility,
            program.db, "ledgerleaf-bench-startup"};
        StartSequence start(services, cover);
        start.run();
        settle();
        if (!start.desk() || !start.desk()->isVisible())
            state.SkipWithError("desk not shown");
        state.PauseTiming();
        program.facility.close_all();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void BM_Keystroke(benchmark::State& state) {
    const fs::path dir = workCopy("keystroke");
    Program program(dir);
    program.db.db_open();
    DeskWindow desk(DeskServices{program.db, program.dialogs, program.clock, program.exit, dir, 0});
    desk.show();
    settle();
    auto* editor = desk.findChild<QPlainTextEdit*>(QStringLiteral("备忘编辑框"));
    editor->moveCursor(QTextCursor::End);
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (int i = 0; i < 500; ++i) {
            const bool erase = i % 2;
            QKeyEvent press(QEvent::KeyPress, erase ? Qt::Key_Backspace : 0, Qt::NoModifier,
                            erase ? QString() : QStringLiteral("字"));
            const auto start = Clock::now();
            QCoreApplication::sendEvent(editor, &press);
            times.push_back(millisecondsSince(start));
        }
    }
    if (program.exit.ended())
        state.SkipWithError("a save failed");
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["p99_ms"] = times[times.size() * 99 / 100];
    state.counters["memo_chars"] = editor->toPlainText().size();
}
BENCHMARK(BM_Keystroke)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_RefreshMonthList(benchmark::State& state) {
    Program program(*diaryDir);
    program.db.db_open();
    DeskWindow desk(
        DeskServices{program.db, program.dialogs, program.clock, program.exit, *diaryDir, 0});
    for (auto _ : state)
        desk.monthList().refresh_month_list();
}
BENCHMARK(BM_RefreshMonthList)->Unit(benchmark::kMicrosecond);

// A JPEG of noise just under 200 KB.
QString writeLargePicture(const fs::path& dir) {
    QImage image(420, 320, QImage::Format_RGB32);
    QRandomGenerator random(11);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, random.generate());
    int quality = 95;
    QByteArray bytes;
    do {
        bytes.clear();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", quality);
        quality -= 5;
    } while (bytes.size() > 204800 && quality > 10);
    const QString path = QString::fromStdString(utf8FromPath(dir / "noise.jpg"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

void BM_StorePicture(benchmark::State& state) {
    const fs::path dir = workCopy("picture");
    const QString path = writeLargePicture(dir);
    Program program(dir);
    program.db.db_open();
    DeskWindow desk(DeskServices{program.db, program.dialogs, program.clock, program.exit, dir, 0});
    desk.show();
    settle();
    auto* box = desk.findChild<PictureBox*>(QStringLiteral("图片框"));
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    for (auto _ : state) {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(box, &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &drop);
        // The same file again would be an unchanged value: make every drop a real write.
        state.PauseTiming();
        if (!program.db.find_day(program.clock.today()) || program.db.picture_empty())
            state.SkipWithError("the picture was not stored");
        program.db.write_field(kFieldPicture, Bytes());
        state.ResumeTiming();
    }
    if (!program.dialogs.shown().empty())
        state.SkipWithError("the drop was refused");
    state.counters["KB"] = QFileInfo(path).size() / 1024.0;
}
BENCHMARK(BM_StorePicture)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace
}  // namespace ledgerleaf::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const std::filesystem::path root = ledgerleaf::bench::benchFolder("ledgerleaf-desk-bench");
    std::filesystem::path dir = root / "diary";
    std::filesystem::create_directories(dir);
    ledgerleaf::bench::writeSyntheticDiary(dir);
    ledgerleaf::bench::diaryDir = &dir;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return 0;
}
