#include "app/start_sequence.h"

#include <QLineEdit>

#include "app/book_animations.h"
#include "app/cover_window.h"
#include "desk/bookend_bar.h"
#include "desk/desk_window.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/fatal_guard.h"
#include "platform/instance_guard.h"
#include "platform/program_exit.h"
#include "store/memo_database.h"
#include "store/record_facility.h"
#include "store/v2_upgrade.h"

namespace ledgerleaf {

namespace {

constexpr const char* kSecondCopy = "不要重复运行本程序，可能会损坏数据库!";
constexpr const char* kNoDatabase = "没有发现可用数据库，程序将自动创建新数据库";
constexpr const char* kCreated = "已建立新数据库，欢迎您继续使用本软件！";
constexpr const char* kWrongPassword = "密码错误，请重新输入或者退出程序";
constexpr const char* kAttention = "注意！";
constexpr int kSplashMilliseconds = 1000;

}  // namespace

StartSequence::StartSequence(const AppServices& services, CoverWindow& cover)
    : services_(services), cover_(cover) {
    connect(&cover_, &CoverWindow::passwordConfirmed, this, [this] {
        runGuarded(services_.dialogs, services_.exit, [this] { confirm_start_password(); });
    });
    connect(&cover_, &CoverWindow::closeRequested, this, &StartSequence::onCoverCloseRequested);
}

StartSequence::~StartSequence() = default;

bool StartSequence::check_or_upgrade_database() {
    V2Upgrade upgrade(services_.facility, services_.db, services_.dialogs, services_.exit,
                      services_.programDir);
    return upgrade.check_or_upgrade_database();
}

void StartSequence::run() {
    runGuarded(services_.dialogs, services_.exit, [this] {
        guard_ = InstanceGuard::acquire(services_.instanceName);
        if (!guard_) {
            services_.dialogs.message(kSecondCopy, kAttention);
            services_.exit.end(0);
            return;
        }
        if (!check_or_upgrade_database()) {
            if (services_.exit.ended())
                return;
            services_.dialogs.message(kNoDatabase, "信息：");
            services_.db.db_create();
            services_.dialogs.message(kCreated, kAttention);
        }
        if (services_.exit.ended())
            return;
        if (services_.facility.is_encrypted(kMemoDatabaseName)) {
            cover_.show_password_entry();
            encryptedAtStart_ = 1;
            waitingForPassword_ = true;
            return;
        }
        cover_.hide_password_entry();
        encryptedAtStart_ = 0;
        services_.clock.processPendingEvents();
        services_.clock.waitProcessingEvents(kSplashMilliseconds);
        if (services_.exit.ended())
            return;
        services_.db.db_open();
        open_desk();
    });
}

void StartSequence::confirm_start_password() {
    if (!waitingForPassword_)
        return;
    const std::string typed = cover_.passwordEdit()->text().toStdString();
    if (services_.db.db_open(typed)) {
        waitingForPassword_ = false;
        open_desk();
        return;
    }
    services_.dialogs.message(kWrongPassword, kAttention);
    cover_.passwordEdit()->clear();
    cover_.passwordEdit()->setFocus(Qt::OtherFocusReason);
}

void StartSequence::open_desk() {
    cover_.hide();
    DeskServices deskServices{services_.db,   services_.dialogs,    services_.clock,
                              services_.exit, services_.programDir, encryptedAtStart_};
    desk_ = std::make_unique<DeskWindow>(deskServices);
    if (services_.exit.ended())
        return;
    desk_->show();
    bookend_ = std::make_unique<BookendBar>();
    animations_ = std::make_unique<BookAnimations>(*desk_, *bookend_, cover_, services_.clock,
                                                   services_.db, services_.exit);
}

void StartSequence::onCoverCloseRequested() {
    // Closing the cover while it asks for the password ends the program: it must not stay
    // running without a window, since the guard would then refuse every new start.
    if (!waitingForPassword_)
        return;
    services_.db.close_all();
    services_.exit.end(0);
}

}  // namespace ledgerleaf
