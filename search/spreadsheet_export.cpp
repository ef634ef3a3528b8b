#include "search/spreadsheet_export.h"

#include <string_view>
#include <utility>

#include "core/date_time.h"
#include "core/utf8_path.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/program_exit.h"
#include "store/memo_database.h"
#include "store/record_facility.h"

namespace ledgerleaf {

namespace fs = std::filesystem;

namespace {

constexpr const char* kAttention = "注意！";
constexpr const char* kTempAlias = "temp";
constexpr const char* kTempTable = "temp.edb";
constexpr const char* kTempMemoFile = "temp.edt";

constexpr const char* kSortFailed = "临时库生成失败，程序退出";
constexpr const char* kPasswordPrompt = "您的数据库已经加密，请输入密码使导出工作能够继续...";
constexpr const char* kPasswordTitle = "输入原密码";
constexpr const char* kWrongPassword = "密码错误！请重新输入...";
constexpr const char* kTempOpenFailed = "临时库打开失败，程序中断并退出";
constexpr const char* kAgainToday = "发现您今天已经导出过一次全库图片，是否要再导出一次？";
constexpr const char* kFolderFailed = "建立导出目录失败！程序将退出";
constexpr const char* kPictureFailed = "导出数据时遇到问题，程序将退出！";
constexpr const char* kTempDeleteFailed = "临时文件删除失败";
constexpr const char* kWorkbookNotSaved =
    "EXCEL表格文件保存失败！请检查导出文件夹能否写入及磁盘空间是否足够。";
constexpr const char* kAllDoneFolderReused =
    "数据库所有数据导出完毕！请查看生成的EXCEL表格并自行保存或处理。\r\n"
    "所有配图已存入以今日日期命名的文件夹下。";
constexpr const char* kAllDoneFolderCreated =
    "数据库所有数据导出完毕！请查看生成的EXCEL表格并自行保存或处理。\r\n"
    "所有配图已存入本程序所在文件夹中以今日日期命名的文件夹下。";
constexpr const char* kResultsDone =
    "搜索结果数据导出完毕！请查看生成的EXCEL表格并自行保存或处理。\r\n"
    "所有配图已存入本程序所在文件夹中以搜索时间命名的文件夹下。";

constexpr const char* kAllFolderSuffix = "-导出全库图片";
constexpr const char* kResultsFolderSuffix = "-导出搜索结果图片";
constexpr const char* kPictureHint = "当日图片请至本程序所在文件夹中查看";

std::string cell(char column, int row) {
    return std::string(1, column) + std::to_string(row);
}

// A stored extension as part of a file name: characters no file name may hold (path
// separators among them) become "_".
std::string fileNameSafe(std::string extension) {
    for (char& c : extension) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos)
            c = '_';
    }
    return extension;
}

}  // namespace

SpreadsheetExport::SpreadsheetExport(Services services) : s_(std::move(services)) {}

SpreadsheetExport::~SpreadsheetExport() = default;

void SpreadsheetExport::tell(const char* text) {
    s_.dialogs.message(text, kAttention);
}

void SpreadsheetExport::fatal(const char* text) {
    tell(text);
    s_.db.close_all();
    s_.exit.end(0);
}

void SpreadsheetExport::openSheet() {
    // The spreadsheet of the previous export is given up first.
    sheet_.reset();
    if (s_.makeSpreadsheet)
        sheet_ = s_.makeSpreadsheet();
    if (!sheet_)
        return;
    sheet_->open();
    sheet_->setCellText("a1", "日期");
    sheet_->setCellText("b1", "备忘");
    sheet_->setCellText("c1", "当日配图");
}

bool SpreadsheetExport::writeRow(int row, const fs::path& folder) {
    MemoDatabase& db = s_.db;
    const double date = db.read_date();
    const std::string memo = db.read_memo();
    if (sheet_) {
        sheet_->setCellText(cell('a', row), dateText(date));
        sheet_->setCellText(cell('b', row), memo);
        sheet_->setCellText(cell('c', row), kPictureHint);
    }
    if (db.picture_empty())
        return true;
    const Bytes picture = db.read_picture();
    const std::string name = dateTimeText(date) + "配图." + fileNameSafe(db.read_extension());
    const std::string_view bytes(reinterpret_cast<const char*>(picture.data()), picture.size());
    if (!writeWholeFile(folder / pathFromUtf8(name), bytes)) {
        fatal(kPictureFailed);
        return false;
    }
    return true;
}

void SpreadsheetExport::finishSheet(int lastRow, const fs::path& folder) {
    if (!sheet_)
        return;
    sheet_->autofit(cell('c', lastRow));
    if (!sheet_->finish(folder))
        tell(kWorkbookNotSaved);
}

void SpreadsheetExport::removeTempCopy() {
    s_.db.facility().close(kTempAlias);
    bool deleted = deleteFile(s_.programDir / pathFromUtf8(kTempTable));
    if (deleted)
        deleted = deleteFile(s_.programDir / pathFromUtf8(kTempMemoFile));
    if (!deleted)
        tell(kTempDeleteFailed);
}

void SpreadsheetExport::export_all() {
    RecordFacility& facility = s_.db.facility();
    const std::string tempTable = utf8FromPath(s_.programDir / pathFromUtf8(kTempTable));

    if (!facility.sort_to_file(tempTable, kFieldDate)) {
        fatal(kSortFailed);
        return;
    }
    if (facility.is_encrypted(tempTable)) {
        const std::optional<std::string> typed = s_.dialogs.input(kPasswordPrompt, kPasswordTitle);
        if (!facility.open(tempTable, std::string(kTempAlias), typed.value_or(std::string()))) {
            tell(kWrongPassword);
            facility.set_current(kMemoDatabaseName);
            return;
        }
    } else if (!facility.open(tempTable, std::string(kTempAlias))) {
        fatal(kTempOpenFailed);
        return;
    }
    facility.set_current(kTempAlias);

    openSheet();
    // Named once: an export that runs past midnight keeps its folder.
    const fs::path folder =
        s_.programDir / pathFromUtf8(dateText(s_.clock.today()) + kAllFolderSuffix);
    const bool reused = pathExists(folder);
    if (reused) {
        const MessageAnswer again =
            s_.dialogs.message(kAgainToday, kAttention, MessageButtons::YesNo);
        if (again != MessageAnswer::Yes) {
            removeTempCopy();
            facility.set_current(kMemoDatabaseName);
            return;
        }
    } else if (!createFolder(folder)) {
        fatal(kFolderFailed);
        return;
    }

    facility.go_first();
    const int count = facility.record_count();
    for (int k = 1; k <= count; ++k) {
        if (!writeRow(k + 1, folder))
            return;
        facility.skip();
    }
    finishSheet(count + 1, folder);

    removeTempCopy();
    facility.set_current(kMemoDatabaseName);
    tell(reused ? kAllDoneFolderReused : kAllDoneFolderCreated);
}

void SpreadsheetExport::export_results(const std::vector<std::optional<int>>& recordNumbers) {
    const double moment = s_.clock.now();
    openSheet();
    const fs::path folder =
        s_.programDir / pathFromUtf8(dateTimeText(moment) + kResultsFolderSuffix);
    if (!createFolder(folder)) {
        fatal(kFolderFailed);
        return;
    }
    const int count = s_.db.record_count();
    int row = 1;
    for (const std::optional<int>& number : recordNumbers) {
        if (!number || *number < 1 || *number > count)
            continue;
        s_.db.go_to_record(*number);
        if (!writeRow(++row, folder))
            return;
    }
    finishSheet(row, folder);
    tell(kResultsDone);
}

}  // namespace ledgerleaf
