#include "app/book_animations.h"

#include "app/cover_window.h"
#include "desk/bookend_bar.h"
#include "desk/desk_window.h"
#include "platform/clock.h"
#include "platform/program_exit.h"
#include "store/memo_database.h"

namespace ledgerleaf {

BookAnimations::BookAnimations(DeskWindow& desk, BookendBar& bookend, CoverWindow& cover,
                               Clock& clock, MemoDatabase& db, ProgramExit& exit)
    : desk_(desk), bookend_(bookend), cover_(cover), clock_(clock), db_(db), exit_(exit) {
    connect(&desk_, &DeskWindow::collapseRequested, this, &BookAnimations::collapse_desk);
    connect(&desk_, &DeskWindow::closeProgramRequested, this, &BookAnimations::close_program);
    connect(&bookend_, &BookendBar::pressed, this, &BookAnimations::restore_desk);
}

void BookAnimations::showCoverOverDesk() {
    cover_.move(desk_.x() + kCoverOffset, desk_.y());
    cover_.hide_password_entry();
    clock_.processPendingEvents();
    clock_.waitProcessingEvents(kAnimationMilliseconds);
    clock_.processPendingEvents();
    cover_.hide();
}

void BookAnimations::collapse_desk() {
    if (exit_.ended() || !desk_.isVisible())
        return;
    desk_.hide();
    showCoverOverDesk();
    bookend_.show();
    // The desk's left edge as it is now: the alignment timer may have moved it meanwhile.
    bookend_.move(desk_.x() + kCoverOffset, 0);
    bookend_.raise();
}

void BookAnimations::restore_desk() {
    if (exit_.ended() || !bookend_.isVisible())
        return;
    bookend_.hide();
    showCoverOverDesk();
    desk_.show();
    desk_.raise();
    desk_.activateWindow();
}

void BookAnimations::close_program() {
    if (exit_.ended())
        return;
    bookend_.hide();
    db_.close_all();
    desk_.hide();
    // Unlike putting the diary away, closing leaves the cover's password controls as they are.
    cover_.move(desk_.x() + kCoverOffset, desk_.y());
    cover_.show();
    clock_.waitProcessingEvents(kAnimationMilliseconds);
    cover_.hide();
    exit_.end(0);
}

}  // namespace ledgerleaf
