#include "desk/password_flows.h"

#include <QApplication>
#include <QLabel>

#include "desk/desk_controls.h"
#include "desk/desk_services.h"
#include "platform/dialogs.h"
#include "platform/program_exit.h"
#include "store/memo_database.h"
#include "store/record_facility.h"

namespace ledgerleaf {

namespace {

constexpr const char* kAttention = "注意！";
constexpr const char* kEncryptCancelled = "您选择了‘取消’，因此数据库将不会被加密！";
constexpr const char* kChangeCancelled = "您选择了‘取消’，因此密码及数据库加密状态未作改动！";
constexpr const char* kReopenFailed =
    "密码正确，但数据库未能重新打开。为保护数据，程序将退出，请重新启动本程序。";

// Key derivation and re-sealing a large diary take a moment: show the wait cursor meanwhile.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

PasswordFlows::PasswordFlows(DeskControls& controls, DeskServices& services)
    : c_(controls), services_(services) {}

void PasswordFlows::showLocked(bool locked) {
    c_.lockedIcon->setVisible(locked);
    c_.unlockedIcon->setVisible(!locked);
}

void PasswordFlows::show_protection_icon() {
    showLocked(services_.encryptedAtStart == 1);
}

void PasswordFlows::encrypt_database() {
    Dialogs& dialogs = services_.dialogs;
    const std::optional<std::string> typed = dialogs.input("请输入新密码：", "加密步骤一");
    if (!typed) {
        dialogs.message(kEncryptCancelled, kAttention);
        return;
    }
    StoreResult set;
    {
        BusyCursor busy;
        set = services_.db.facility().set_password(*typed);
    }
    if (!set) {
        dialogs.message("数据库加密失败！", kAttention);
        showLocked(false);
        return;
    }
    if (typed->empty()) {
        dialogs.message("密码为空，因此数据库不会被加密！", kAttention);
        return;
    }
    dialogs.message("数据库加密成功", "加密完成");
    showLocked(true);
}

void PasswordFlows::change_password() {
    Dialogs& dialogs = services_.dialogs;
    const std::optional<std::string> old = dialogs.input("请输入原密码：", "设置密码步骤一");
    if (!old) {
        dialogs.message(kChangeCancelled, kAttention);
        return;
    }
    // The old password is tested before anything is closed, so a wrong entry leaves the diary
    // open and current.
    bool reopened = false;
    {
        BusyCursor busy;
        if (services_.db.facility().check_password(kMemoDatabaseName, *old)) {
            services_.db.facility().close(kMemoDatabaseName);
            reopened = services_.db.db_open(*old);
            if (!reopened) {
                dialogs.message(kReopenFailed, kAttention);
                services_.db.close_all();
                services_.exit.end(0);
                return;
            }
        }
    }
    if (!reopened) {
        dialogs.message("原密码输入错误，请检查后重新设置", kAttention);
        showLocked(true);
        return;
    }
    const std::optional<std::string> fresh =
        dialogs.input("请输入新密码，取消加密请留空：", "设置密码步骤二");
    if (!fresh) {
        dialogs.message(kChangeCancelled, kAttention);
        return;
    }
    StoreResult set;
    {
        BusyCursor busy;
        set = services_.db.facility().set_password(*fresh);
    }
    if (!set) {
        dialogs.message("密码设置失败", kAttention);
        showLocked(true);
        return;
    }
    if (fresh->empty()) {
        dialogs.message("新密码为空，将取消数据库加密！", kAttention);
        showLocked(false);
        return;
    }
    dialogs.message("密码设置成功！", "设置密码完成");
    showLocked(true);
}

}  // namespace ledgerleaf
