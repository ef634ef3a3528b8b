#pragma once

#include <QObject>
#include <memory>

#include "app/app_services.h"

namespace ledgerleaf {

class BookAnimations;
class BookendBar;
class CoverWindow;
class DeskWindow;
class InstanceGuard;

// The program's start: single-instance guard, database check, creation of an empty diary,
// then either the password entry on the cover or the splash pause, and the hand-over to the
// desk.
class StartSequence : public QObject {
    Q_OBJECT
  public:
    StartSequence(const AppServices& services, CoverWindow& cover);
    ~StartSequence() override;

    // The cover window's created event.
    void run();

    // Hands over to the desk: hides the cover, loads and shows the desk, loads the bookend bar
    // hidden.
    void open_desk();
    // The confirm button on the cover: opens the diary with the typed password.
    void confirm_start_password();

    // 1 when the memo database was found encrypted at start.
    int encryptedAtStart() const { return encryptedAtStart_; }
    DeskWindow* desk() const { return desk_.get(); }
    BookendBar* bookendBar() const { return bookend_.get(); }
    BookAnimations* animations() const { return animations_.get(); }

  private:
    bool check_or_upgrade_database();
    void onCoverCloseRequested();

    AppServices services_;
    CoverWindow& cover_;
    std::unique_ptr<InstanceGuard> guard_;
    std::unique_ptr<DeskWindow> desk_;
    std::unique_ptr<BookendBar> bookend_;
    std::unique_ptr<BookAnimations> animations_;
    int encryptedAtStart_ = 0;
    bool waitingForPassword_ = false;
};

}  // namespace ledgerleaf
