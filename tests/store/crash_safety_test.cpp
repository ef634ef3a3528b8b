// A writer process killed at random moments loses nothing it had acknowledged, and the pair it
// leaves behind opens as a consistent table.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <random>
#include <thread>
#include <tuple>

#include "store_fixture.h"

namespace ledgerleaf::test {
namespace {

using Row = std::tuple<double, std::string, Bytes>;  // 日期, 备忘, 图片

// Operation i of the writer: every third adds a day, the others rewrite that day's memo or
// picture. The state after n operations is therefore known.
constexpr double kFirstDay = 45000;
double dayOf(int i) {
    return kFirstDay + i / 3;
}
std::string memoOf(int i) {
    return (i % 3 == 0 ? "新的一天#" : "改写#") + std::to_string(i);
}
Bytes pictureOf(int i) {
    return Bytes(30000 + i, static_cast<std::uint8_t>(i % 251));
}

bool apply(MemoDatabase& db, int i) {
    switch (i % 3) {
        case 0:
            return db.add_day(dayOf(i), memoOf(i), {});
        case 1:
            return db.find_day(dayOf(i)) && db.write_field(kFieldMemo, memoOf(i));
        default:
            return db.find_day(dayOf(i)) && db.write_field(kFieldPicture, pictureOf(i));
    }
}

std::vector<Row> expectedAfter(int n) {
    std::vector<Row> rows;
    for (int i = 0; i < n; ++i) {
        if (i % 3 == 0)
            rows.emplace_back(dayOf(i), memoOf(i), Bytes{});
        if (i % 3 == 1)
            std::get<1>(rows.back()) = memoOf(i);
        if (i % 3 == 2)
            std::get<2>(rows.back()) = pictureOf(i);
    }
    return rows;
}

std::vector<Row> contents(MemoDatabase& db) {
    std::vector<Row> rows;
    db.for_each_record(
        [&] { rows.emplace_back(db.read_date(), db.read_memo(), db.read_picture()); });
    return rows;
}

class CrashSafetyTest : public ::testing::TestWithParam<bool> {};

TEST_P(CrashSafetyTest, EveryAcknowledgedChangeSurvivesSigkill) {
#ifdef _WIN32
    GTEST_SKIP() << "uses fork and SIGKILL";
#else
    const bool protectedTable = GetParam();
    const std::optional<std::string> password =
        protectedTable ? std::optional<std::string>("口令") : std::nullopt;
    DiaryFixture f;
    ASSERT_TRUE(f.db.db_create());
    if (protectedTable) {
        ASSERT_TRUE(f.db.db_open());
        ASSERT_TRUE(f.facility.set_password(*password));
        f.db.close_all();
    }
    std::mt19937 random(GetParam() ? 4242 : 1717);
    int applied = 0;
    int acknowledgedTotal = 0;
    for (int round = 0; round < 5; ++round) {
        int pipeFds[2];
        ASSERT_EQ(pipe(pipeFds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeFds[0]);
            int code = 0;
            try {
                RecordFacility facility(f.dir.path(), cheapKdf());
                MemoDatabase db(facility, f.dir.path());
                if (!db.db_open(password))
                    _exit(3);
                for (int i = applied;; ++i) {
                    if (!apply(db, i))
                        _exit(4);
                    if (write(pipeFds[1], &i, sizeof i) != sizeof i)
                        _exit(5);
                }
            } catch (...) {
                code = 6;
            }
            _exit(code);
        }
        close(pipeFds[1]);
        // Wait for the writer's first acknowledgement, so that every round kills it in the
        // middle of its work however slow the disk is; then let it run a while longer.
        int first = -1;
        const bool started = read(pipeFds[0], &first, sizeof first) == sizeof first;
        std::this_thread::sleep_for(
            std::chrono::milliseconds(std::uniform_int_distribution<int>(30, 250)(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status))
            << "the writer stopped by itself, code " << WEXITSTATUS(status);
        ASSERT_TRUE(started) << "the writer acknowledged nothing";
        ASSERT_EQ(first, applied);
        int acknowledged = applied + 1;
        int op = 0;
        while (read(pipeFds[0], &op, sizeof op) == sizeof op) {
            ASSERT_EQ(op, acknowledged);
            acknowledged = op + 1;
        }
        close(pipeFds[0]);
        acknowledgedTotal += acknowledged - applied;

        // The acknowledged operations are all there; the one in flight may or may not be.
        ASSERT_TRUE(f.db.db_open(password)) << "round " << round;
        const auto rows = contents(f.db);
        f.db.close_all();
        if (rows == expectedAfter(acknowledged)) {
            applied = acknowledged;
        } else {
            ASSERT_EQ(rows, expectedAfter(acknowledged + 1)) << "round " << round;
            applied = acknowledged + 1;
        }
    }
    EXPECT_GE(acknowledgedTotal, 5) << "the writer hardly ran; the test proves little";
#endif
}

INSTANTIATE_TEST_SUITE_P(Tables, CrashSafetyTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Protected" : "Plain"; });

}  // namespace
}  // namespace ledgerleaf::test
