#include "store/v2_upgrade.h"

#include <string>

#include "core/utf8_path.h"
#include "platform/dialogs.h"
#include "platform/fatal_error.h"
#include "platform/file_system.h"
#include "platform/program_exit.h"
#include "store/memo_database.h"
#include "store/record_facility.h"

namespace ledgerleaf {

namespace {

constexpr const char* kNewFile = "ledgerleaf.edb";
constexpr const char* kNewCompanion = "ledgerleaf.edt";
constexpr const char* kOldFile = "memo.edb";
constexpr const char* kOldCompanion = "memo.edt";
constexpr const char* kOldBackup = "ledgerleaf.edb.v2.bak";
constexpr const char* kOldCompanionBackup = "ledgerleaf.edt.v2.bak";

constexpr const char* kNewAlias = "new";
constexpr const char* kOldAlias = "old";
constexpr const char* kOldName = "memo";

constexpr const char* kAttention = "注意！";
constexpr const char* kOffer =
    "发现V2版数据库，是否对该数据库进行升级？\r\n选择‘否’会直接创建并使用新的V3版空数据库";
constexpr const char* kPasswordPrompt = "您原来的数据库已经加密，请输入密码以便升级继续...";
constexpr const char* kPasswordTitle = "请输入原密码";
constexpr const char* kWrongPassword = "密码有误，程序退出。";
constexpr const char* kOldOpenFailed = "打开旧数据库失败";
constexpr const char* kUpgraded =
    "您的V2版数据库已成功升级为V3版数据库！\r\n旧数据库已更名为:\r\n"
    "‘ledgerleaf.edb.v2.bak’和‘ledgerleaf.edt.v2.bak’作为备份。\r\n"
    "在您确认新版数据库数据无误的情况下，可以删除上述两个备份文件。";
constexpr const char* kRenameFailed = "旧数据库更名备份失败";

}  // namespace

V2Upgrade::V2Upgrade(RecordFacility& facility, MemoDatabase& db, Dialogs& dialogs,
                     ProgramExit& exit, std::filesystem::path programDir)
    : facility_(facility),
      db_(db),
      dialogs_(dialogs),
      exit_(exit),
      programDir_(std::move(programDir)) {}

std::filesystem::path V2Upgrade::file(const char* name) const {
    return programDir_ / pathFromUtf8(name);
}

bool V2Upgrade::check_or_upgrade_database() {
    if (db_.db_exists())
        return true;
    // Only the table file is looked for; a missing companion shows when the old diary is opened.
    if (!pathExists(file(kOldFile)))
        return false;
    if (dialogs_.message(kOffer, kAttention, MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    upgrade_v2_database();
    return true;
}

void V2Upgrade::upgrade_v2_database() {
    const std::string newPath = utf8FromPath(file(kNewFile));
    const std::string oldPath = utf8FromPath(file(kOldFile));

    // Without the new diary open under "new" nothing can be copied; the old diary is offered
    // again at the next start.
    if (!db_.db_create() || !facility_.open(newPath, kNewAlias)) {
        abandon_new_database();
        exit_.end(0);
        return;
    }

    if (facility_.is_encrypted(oldPath)) {
        // Cancel leaves the password empty, which no protected table accepts.
        const std::string password =
            dialogs_.input(kPasswordPrompt, kPasswordTitle).value_or(std::string());
        if (!facility_.open(oldPath, kOldAlias, password)) {
            dialogs_.message(kWrongPassword, kAttention);
            abandon_new_database();
            exit_.end(0);
            return;
        }
    } else if (!facility_.open(oldPath, kOldAlias)) {
        // The start goes on with the new, empty diary, which stays open under "new".
        dialogs_.message(kOldOpenFailed, kAttention);
        facility_.set_current(kMemoDatabaseName);
        return;
    }

    bool copied = false;
    try {
        copied = copy_records();
    } catch (const FatalError&) {
        // An old table without 日期 or 备忘: leave no half-made diary that the next start
        // would take for a finished conversion.
        abandon_new_database();
        throw;
    }
    if (!copied) {
        abandon_new_database();
        exit_.end(0);
        return;
    }
    facility_.close_all();

    const bool tableMoved = renameNoReplace(file(kOldFile), file(kOldBackup));
    const bool companionMoved =
        tableMoved && renameNoReplace(file(kOldCompanion), file(kOldCompanionBackup));
    dialogs_.message(tableMoved && companionMoved ? kUpgraded : kRenameFailed, kAttention);
}

bool V2Upgrade::copy_records() {
    if (!facility_.set_current(kOldName))
        return false;
    facility_.go_first();
    const int count = facility_.record_count();
    for (int i = 0; i < count; ++i) {
        // Checked, so that a blank record can never land in the old diary, nor the values of
        // this record in the previous one.
        if (!facility_.set_current(kMemoDatabaseName) || !facility_.add_blank_record())
            return false;
        if (!facility_.set_current(kOldName))
            return false;
        if (!facility_.write_field_of(kFieldDate, kNewAlias, facility_.read(kFieldDate)))
            return false;
        if (!facility_.write_field_of(kFieldMemo, kNewAlias, facility_.read(kFieldMemo)))
            return false;
        facility_.skip();
    }
    return true;
}

void V2Upgrade::abandon_new_database() {
    facility_.close_all();
    // The table file first: without it the next start makes the offer again, even if the
    // companion could not be deleted.
    deleteFile(file(kNewFile));
    deleteFile(file(kNewCompanion));
}

}  // namespace ledgerleaf
