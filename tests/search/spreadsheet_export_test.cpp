// Both exports into a recording spreadsheet: the cells in their order, the export folders and
// picture files, the temporary sorted copy, every question and message, and the fatal stops.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/date_time.h"
#include "core/utf8_path.h"
#include "platform/program_exit.h"
#include "platform/recording_spreadsheet.h"
#include "platform/scripted_clock.h"
#include "platform/scripted_dialogs.h"
#include "search/spreadsheet_export.h"
#include "store/kdf_params.h"
#include "store/memo_database.h"
#include "store/record_facility.h"
#include "temp_dir.h"

namespace ledgerleaf {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Kind = SpreadsheetCall::Kind;

constexpr const char* kAllFolder = "2011年4月10日-导出全库图片";
constexpr const char* kResultsFolder = "2011年4月10日9时30分-导出搜索结果图片";
constexpr const char* kHint = "当日图片请至本程序所在文件夹中查看";
constexpr const char* kAllDoneCreated =
    "数据库所有数据导出完毕！请查看生成的EXCEL表格并自行保存或处理。\r\n"
    "所有配图已存入本程序所在文件夹中以今日日期命名的文件夹下。";
constexpr const char* kAllDoneReused =
    "数据库所有数据导出完毕！请查看生成的EXCEL表格并自行保存或处理。\r\n"
    "所有配图已存入以今日日期命名的文件夹下。";
constexpr const char* kResultsDone =
    "搜索结果数据导出完毕！请查看生成的EXCEL表格并自行保存或处理。\r\n"
    "所有配图已存入本程序所在文件夹中以搜索时间命名的文件夹下。";
constexpr const char* kAgain = "发现您今天已经导出过一次全库图片，是否要再导出一次？";
constexpr const char* kWrongPassword = "密码错误！请重新输入...";

Bytes bytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

SpreadsheetCall opened() {
    return {Kind::Open, {}, {}};
}
SpreadsheetCall released() {
    return {Kind::Released, {}, {}};
}
SpreadsheetCall autofit(const std::string& cell) {
    return {Kind::Autofit, cell, {}};
}

double day(int y, int m, int d) {
    return *fromParts({y, m, d});
}

// A diary in a program directory of its own, the scripted boxes, clock and program end, and an
// export whose spreadsheets record into `calls`.
class SpreadsheetExportTest : public ::testing::Test {
  public:
    void SetUp() override {
        ASSERT_TRUE(db.db_create());
        ASSERT_TRUE(db.db_open());
        clock.setNow(2011, 4, 10, 9, 30, 0);
    }

    void addDay(double date, const std::string& memo, const std::string& picture = {},
                const std::string& ext = {}) {
        ASSERT_TRUE(db.add_day(date, memo, bytesOf(picture), ext));
    }

    // The cells written since the spreadsheet was last opened, as "a1=日期", in order.
    std::vector<std::string> cells() const {
        std::vector<std::string> out;
        for (const SpreadsheetCall& call : calls) {
            if (call.kind == Kind::Open)
                out.clear();
            if (call.kind == Kind::SetCellText)
                out.push_back(call.cell + "=" + call.text);
        }
        return out;
    }
    // The calls other than cell writes, in order.
    std::vector<SpreadsheetCall> steps() const {
        std::vector<SpreadsheetCall> out;
        for (const SpreadsheetCall& call : calls)
            if (call.kind != Kind::SetCellText)
                out.push_back(call);
        return out;
    }
    SpreadsheetCall finishIn(const std::string& folder) const {
        return {Kind::Finish, {}, utf8FromPath(dir.file(folder))};
    }

    // Every file of a folder with its content; nothing when the folder does not exist.
    std::optional<std::map<std::string, std::string>> files(const std::string& folder) const {
        if (!fs::is_directory(dir.file(folder)))
            return std::nullopt;
        std::map<std::string, std::string> out;
        for (const auto& entry : fs::directory_iterator(dir.file(folder)))
            out[utf8FromPath(entry.path().filename())] = test::readFileBytes(entry.path());
        return out;
    }
    bool tempCopyOnDisk() const {
        return fs::exists(dir.file("temp.edb")) || fs::exists(dir.file("temp.edt"));
    }
    // The memo database is the one open table (so the current one) and the copy is closed.
    bool memoDatabaseCurrent() const {
        return facility.has_current() && facility.is_open(kMemoDatabaseName) &&
               !facility.is_open("temp");
    }

    test::TempDir dir;
    RecordFacility facility{dir.path(), KdfParams{1, 8u << 10}};
    MemoDatabase db{facility, dir.path()};
    ScriptedDialogs dialogs;
    ScriptedClock clock;
    ScriptedProgramExit exit;
    std::vector<SpreadsheetCall> calls;
    std::function<void(const SpreadsheetCall&)> hook;
    bool finishSucceeds = true;
    SpreadsheetExport exporter{{db, dialogs, clock, exit, dir.path(), [this] {
                                    return std::make_unique<RecordingSpreadsheet>(
                                        calls,
                                        [this](const SpreadsheetCall& c) {
                                            if (hook)
                                                hook(c);
                                        },
                                        finishSucceeds);
                                }}};
};

TEST_F(SpreadsheetExportTest, EmptyDiaryGivesTheHeaderRowTheDaysFolderAndTheClosingMessage) {
    dialogs.expectMessage();
    exporter.export_all();

    EXPECT_THAT(cells(), ElementsAre("a1=日期", "b1=备忘", "c1=当日配图"));
    EXPECT_THAT(steps(), ElementsAre(opened(), autofit("c1"), finishIn(kAllFolder)));
    EXPECT_EQ(files(kAllFolder), (std::map<std::string, std::string>{}));
    EXPECT_THAT(dialogs.shown(), ElementsAre(ShownBox{ShownBox::Kind::Message, kAllDoneCreated,
                                                      "注意！", MessageButtons::Ok}));
    EXPECT_FALSE(tempCopyOnDisk());
    EXPECT_TRUE(memoDatabaseCurrent());
    EXPECT_FALSE(exit.ended());
}

TEST_F(SpreadsheetExportTest, EveryRecordInDateOrderWithItsPictureFile) {
    addDay(day(2011, 6, 1), "六月一日", "JPEG bytes", "jpg");
    addDay(day(2010, 1, 2), "");  // an emptied day: a row, no file
    addDay(day(2011, 4, 5), "四月\n两行 _x0041_", "PNG bytes", "png");
    addDay(day(2011, 6, 2), "extension with a separator", "GIF bytes", "g/f");
    dialogs.expectMessage();
    exporter.export_all();

    EXPECT_THAT(cells(),
                ElementsAre("a1=日期", "b1=备忘", "c1=当日配图",  //
                            "a2=2010年1月2日", "b2=", std::string("c2=") + kHint, "a3=2011年4月5日",
                            "b3=四月\n两行 _x0041_", std::string("c3=") + kHint, "a4=2011年6月1日",
                            "b4=六月一日", std::string("c4=") + kHint, "a5=2011年6月2日",
                            "b5=extension with a separator", std::string("c5=") + kHint));
    EXPECT_THAT(steps(), ElementsAre(opened(), autofit("c5"), finishIn(kAllFolder)));
    EXPECT_EQ(files(kAllFolder),
              (std::map<std::string, std::string>{{"2011年4月5日配图.png", "PNG bytes"},
                                                  {"2011年6月1日配图.jpg", "JPEG bytes"},
                                                  {"2011年6月2日配图.g_f", "GIF bytes"}}));
    EXPECT_THAT(dialogs.texts(), ElementsAre(kAllDoneCreated));
    EXPECT_FALSE(tempCopyOnDisk());
    EXPECT_TRUE(memoDatabaseCurrent());
    EXPECT_EQ(db.record_count(), 4);
}

TEST_F(SpreadsheetExportTest, RowNumbersHaveNoLeadingZeros) {
    for (int d = 1; d <= 10; ++d)
        addDay(day(2011, 3, d), "第" + std::to_string(d) + "天");
    dialogs.expectMessage();
    exporter.export_all();

    const std::vector<std::string> written = cells();
    ASSERT_EQ(written.size(), 33u);
    EXPECT_THAT(std::vector<std::string>(written.end() - 6, written.end()),
                ElementsAre("a10=2011年3月9日", "b10=第9天", std::string("c10=") + kHint,
                            "a11=2011年3月10日", "b11=第10天", std::string("c11=") + kHint));
    EXPECT_EQ(steps()[1], (autofit("c11")));
}

TEST_F(SpreadsheetExportTest, ASecondExportTheSameDayAsksFirst) {
    addDay(day(2011, 4, 5), "樱花", "PNG bytes", "png");
    dialogs.expectMessage();
    exporter.export_all();
    fs::remove(dir.file(kAllFolder) / pathFromUtf8("2011年4月5日配图.png"));
    test::writeFileBytes(dir.file(kAllFolder) / pathFromUtf8("其他.txt"), "kept");

    struct Case {
        MessageAnswer answer;
        std::vector<std::string> texts;
        std::map<std::string, std::string> folder;
        std::vector<SpreadsheetCall> steps;
    };
    const Case cases[] = {
        {MessageAnswer::No, {kAgain}, {{"其他.txt", "kept"}}, {released(), opened()}},
        {MessageAnswer::Yes,
         {kAgain, kAllDoneReused},
         {{"其他.txt", "kept"}, {"2011年4月5日配图.png", "PNG bytes"}},
         {released(), opened(), autofit("c2"), finishIn(kAllFolder)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer == MessageAnswer::Yes ? "Yes" : "No");
        calls.clear();
        dialogs.clear();
        dialogs.expectMessage(c.answer);
        dialogs.expectMessage();
        exporter.export_all();

        EXPECT_EQ(dialogs.texts(), c.texts);
        EXPECT_EQ(dialogs.shown()[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(dialogs.shown()[0].title, "注意！");
        EXPECT_EQ(files(kAllFolder), c.folder);
        EXPECT_EQ(steps(), c.steps);
        EXPECT_THAT(cells(), ::testing::Contains("a1=日期"));
        EXPECT_FALSE(tempCopyOnDisk());
        ASSERT_TRUE(memoDatabaseCurrent());
    }
    // After No (and Yes) a memo written now goes to the diary itself.
    ASSERT_TRUE(db.add_day(day(2011, 4, 11), "之后写的", {}));
    RecordFacility other(dir.path(), KdfParams{1, 8u << 10});
    MemoDatabase onDisk(other, dir.path());
    ASSERT_TRUE(onDisk.db_open());
    EXPECT_EQ(onDisk.record_count(), 2);
}

TEST_F(SpreadsheetExportTest, AProtectedDiaryAsksForThePasswordEveryTime) {
    addDay(day(2011, 4, 5), "秘密", "PNG bytes", "png");
    ASSERT_TRUE(facility.set_password("芝麻开门"));

    struct Case {
        const char* what;
        std::optional<std::string> typed;
        bool exported;
    };
    const Case cases[] = {
        {"cancel", std::nullopt, false},   {"empty", "", false},
        {"wrong", "芝麻关门", false},      {"right", "芝麻开门", true},
        {"right again", "芝麻开门", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        calls.clear();
        dialogs.clear();
        if (c.typed)
            dialogs.expectInput(*c.typed);
        else
            dialogs.expectInputCancel();
        if (c.exported && fs::exists(dir.file(kAllFolder)))
            dialogs.expectMessage(MessageAnswer::Yes);
        dialogs.expectMessage();
        exporter.export_all();

        ASSERT_FALSE(dialogs.shown().empty());
        EXPECT_EQ(dialogs.shown()[0],
                  (ShownBox{ShownBox::Kind::Input,
                            "您的数据库已经加密，请输入密码使导出工作能够继续...", "输入原密码"}));
        EXPECT_THAT(dialogs.unexpected(), IsEmpty());
        EXPECT_EQ(dialogs.pending(), 0u);
        EXPECT_TRUE(memoDatabaseCurrent());
        EXPECT_FALSE(exit.ended());
        if (c.exported) {
            EXPECT_THAT(cells(), ElementsAre("a1=日期", "b1=备忘", "c1=当日配图", "a2=2011年4月5日",
                                             "b2=秘密", std::string("c2=") + kHint));
            EXPECT_EQ(files(kAllFolder),
                      (std::map<std::string, std::string>{{"2011年4月5日配图.png", "PNG bytes"}}));
            EXPECT_FALSE(tempCopyOnDisk());
        } else {
            EXPECT_EQ(dialogs.texts().back(), kWrongPassword);
            EXPECT_THAT(calls, IsEmpty()) << "no spreadsheet is opened";
            EXPECT_FALSE(fs::exists(dir.file(kAllFolder)));
            EXPECT_TRUE(fs::exists(dir.file("temp.edb")) && fs::exists(dir.file("temp.edt")))
                << "the protected copy stays until the next export";
        }
    }
    EXPECT_EQ(db.read_memo(), "秘密");
}

TEST_F(SpreadsheetExportTest, AnExportPastMidnightKeepsTheFolderNamedAtItsStart) {
    clock.setNow(2011, 4, 10, 23, 59, 59);
    addDay(day(2011, 4, 5), "一", "first", "png");
    addDay(day(2011, 4, 6), "二", "second", "png");
    hook = [this](const SpreadsheetCall& c) {
        if (c.kind == Kind::SetCellText && c.cell == "a2")
            clock.setNow(2011, 4, 11, 0, 0, 1);
    };
    dialogs.expectMessage();
    exporter.export_all();

    EXPECT_EQ(files(kAllFolder),
              (std::map<std::string, std::string>{{"2011年4月5日配图.png", "first"},
                                                  {"2011年4月6日配图.png", "second"}}));
    EXPECT_FALSE(fs::exists(dir.file("2011年4月11日-导出全库图片")));
    EXPECT_THAT(dialogs.texts(), ElementsAre(kAllDoneCreated));
}

TEST_F(SpreadsheetExportTest, TemporaryFilesThatCannotBeDeletedAreReportedAndTheExportGoesOn) {
    addDay(day(2011, 4, 5), "樱花");
    struct Case {
        const char* lost;      // removed behind the program's back before the deletion
        const char* survivor;  // what is left on disk afterwards
    };
    const Case cases[] = {
        {"temp.edt", nullptr},     // temp.edb deleted, then temp.edt fails
        {"temp.edb", "temp.edt"},  // temp.edb fails, so temp.edt is not tried
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lost);
        fs::remove_all(dir.file(kAllFolder));
        dialogs.clear();
        hook = [&](const SpreadsheetCall& call) {
            if (call.kind == Kind::Autofit)
                fs::remove(dir.file(c.lost));
        };
        dialogs.expectMessage();
        dialogs.expectMessage();
        exporter.export_all();

        EXPECT_THAT(dialogs.texts(), ElementsAre("临时文件删除失败", kAllDoneCreated));
        EXPECT_FALSE(fs::exists(dir.file("temp.edb")));
        EXPECT_EQ(fs::exists(dir.file("temp.edt")), c.survivor != nullptr);
        EXPECT_TRUE(memoDatabaseCurrent());
        EXPECT_FALSE(exit.ended());
        fs::remove(dir.file("temp.edt"));
    }
}

TEST_F(SpreadsheetExportTest, WithoutASpreadsheetFoldersPicturesAndMessagesStayTheSame) {
    addDay(day(2011, 4, 5), "樱花", "PNG bytes", "png");
    SpreadsheetExport noSpreadsheet{
        {db, dialogs, clock, exit, dir.path(), [] { return std::unique_ptr<Spreadsheet>(); }}};
    dialogs.expectMessage();
    noSpreadsheet.export_all();
    dialogs.expectMessage();
    noSpreadsheet.export_results({1});

    EXPECT_EQ(files(kAllFolder),
              (std::map<std::string, std::string>{{"2011年4月5日配图.png", "PNG bytes"}}));
    EXPECT_EQ(files(kResultsFolder), files(kAllFolder));
    EXPECT_THAT(dialogs.texts(), ElementsAre(kAllDoneCreated, kResultsDone));
}

TEST_F(SpreadsheetExportTest, AWorkbookThatCannotBeSavedIsReportedBeforeTheClosingMessage) {
    finishSucceeds = false;
    dialogs.expectMessage();
    dialogs.expectMessage();
    exporter.export_all();
    EXPECT_THAT(dialogs.texts(),
                ElementsAre("EXCEL表格文件保存失败！请检查导出文件夹能否写入及磁盘空间是否足够。",
                            kAllDoneCreated));
}

TEST_F(SpreadsheetExportTest, ResultsFollowTheListOrderAndSkipItemsWithoutARecord) {
    addDay(day(2011, 11, 20), "park", "GIF bytes", "gif");
    addDay(day(2011, 4, 5), "公园 park", "PNG bytes", "png");
    addDay(day(2010, 1, 2), "not exported", "BMP bytes", "bmp");
    dialogs.expectMessage();
    exporter.export_results({2, std::nullopt, 1, 99, 0});

    EXPECT_THAT(cells(), ElementsAre("a1=日期", "b1=备忘", "c1=当日配图",  //
                                     "a2=2011年4月5日", "b2=公园 park", std::string("c2=") + kHint,
                                     "a3=2011年11月20日", "b3=park", std::string("c3=") + kHint));
    EXPECT_THAT(steps(), ElementsAre(opened(), autofit("c3"), finishIn(kResultsFolder)));
    EXPECT_EQ(files(kResultsFolder),
              (std::map<std::string, std::string>{{"2011年4月5日配图.png", "PNG bytes"},
                                                  {"2011年11月20日配图.gif", "GIF bytes"}}));
    EXPECT_THAT(dialogs.shown(), ElementsAre(ShownBox{ShownBox::Kind::Message, kResultsDone,
                                                      "注意！", MessageButtons::Ok}));
    EXPECT_FALSE(tempCopyOnDisk()) << "the results are read from the diary itself";
    EXPECT_TRUE(memoDatabaseCurrent());

    // The next export gives the previous spreadsheet up and makes a new folder of its moment.
    clock.setNow(2011, 4, 10, 9, 31, 5);
    dialogs.expectMessage();
    exporter.export_results({std::nullopt});
    EXPECT_THAT(cells(), ElementsAre("a1=日期", "b1=备忘", "c1=当日配图"));
    EXPECT_EQ(files("2011年4月10日9时31分5秒-导出搜索结果图片"),
              (std::map<std::string, std::string>{}));
    EXPECT_EQ(calls[calls.size() - 7].kind, Kind::Released);
}

// Each fatal stop: its message, all databases closed, the program ended with exit code 0, and
// no workbook handed over.
struct FatalCase {
    const char* what;
    std::function<void(SpreadsheetExportTest&)> arrange;
    bool results;                        // the search-results export, else the whole one
    std::vector<MessageAnswer> answers;  // to the boxes shown, in order
    std::vector<std::string> texts;
};

void PrintTo(const FatalCase& c, std::ostream* out) {
    *out << c.what;
}

class FatalStopTest : public SpreadsheetExportTest,
                      public ::testing::WithParamInterface<FatalCase> {};

TEST_P(FatalStopTest, ShowsItsMessageClosesAllDatabasesAndEndsTheProgram) {
    const FatalCase& c = GetParam();
    addDay(day(2011, 4, 5), "樱花", "PNG bytes", "png");
    c.arrange(*this);
    if (IsSkipped())
        return;
    for (const MessageAnswer answer : c.answers)
        dialogs.expectMessage(answer);
    if (c.results)
        exporter.export_results({1});
    else
        exporter.export_all();

    EXPECT_EQ(dialogs.texts(), c.texts);
    EXPECT_THAT(dialogs.unexpected(), IsEmpty());
    EXPECT_TRUE(exit.ended());
    EXPECT_EQ(exit.code(), 0);
    EXPECT_FALSE(facility.has_current());
    EXPECT_FALSE(facility.is_open(kMemoDatabaseName));
    EXPECT_FALSE(facility.is_open("temp"));
    for (const SpreadsheetCall& call : calls)
        EXPECT_NE(call.kind, Kind::Finish);
}

const char* const kPictureFailed = "导出数据时遇到问题，程序将退出！";
const char* const kFolderFailed = "建立导出目录失败！程序将退出";

INSTANTIATE_TEST_SUITE_P(
    Export, FatalStopTest,
    ::testing::Values(
        FatalCase{"sorted copy cannot be written",
                  [](SpreadsheetExportTest& t) { fs::create_directory(t.dir.file("temp.edt")); },
                  false,
                  {MessageAnswer::Ok},
                  {"临时库生成失败，程序退出"}},
        FatalCase{"picture cannot be written",
                  [](SpreadsheetExportTest& t) {
                      fs::create_directories(t.dir.file(kAllFolder) /
                                             pathFromUtf8("2011年4月5日配图.png"));
                  },
                  false,
                  {MessageAnswer::Yes, MessageAnswer::Ok},
                  {kAgain, kPictureFailed}},
        FatalCase{"results picture cannot be written",
                  [](SpreadsheetExportTest& t) {
                      t.hook = [&t](const SpreadsheetCall& call) {
                          if (call.kind == Kind::SetCellText && call.cell == "a2")
                              fs::create_directory(t.dir.file(kResultsFolder) /
                                                   pathFromUtf8("2011年4月5日配图.png"));
                      };
                  },
                  true,
                  {MessageAnswer::Ok},
                  {kPictureFailed}},
        FatalCase{
            "results folder exists already",
            [](SpreadsheetExportTest& t) { fs::create_directory(t.dir.file(kResultsFolder)); },
            true,
            {MessageAnswer::Ok},
            {kFolderFailed}},
        FatalCase{"day's folder cannot be created",
                  [](SpreadsheetExportTest& t) {
                      // A dangling link holds the name: nothing exists there, and no folder can
                      // be made.
                      std::error_code error;
                      fs::create_symlink(t.dir.file("nowhere") / "deeper", t.dir.file(kAllFolder),
                                         error);
                      if (error)
                          GTEST_SKIP() << "no symbolic links here";
                  },
                  false,
                  {MessageAnswer::Ok},
                  {kFolderFailed}}),
    [](const ::testing::TestParamInfo<FatalCase>& info) {
        std::string name;
        for (const char* p = info.param.what; *p; ++p)
            if (std::isalnum(static_cast<unsigned char>(*p)))
                name += *p;
        return name;
    });

}  // namespace
}  // namespace ledgerleaf
