#pragma once

#include <QObject>

namespace ledgerleaf {

class BookendBar;
class Clock;
class CoverWindow;
class DeskWindow;
class MemoDatabase;
class ProgramExit;

// Putting the diary away and taking it out again: each shows the closed book for half a
// second over the diary, 450 pixels right of the desk's left edge, as if the book were shut
// or opened. Collapsed, the diary is a thin bar at the top of the screen.
class BookAnimations : public QObject {
    Q_OBJECT
  public:
    static constexpr int kCoverOffset = 450;
    static constexpr int kAnimationMilliseconds = 500;

    BookAnimations(DeskWindow& desk, BookendBar& bookend, CoverWindow& cover, Clock& clock,
                   MemoDatabase& db, ProgramExit& exit);

    // Double-click on the bookshelf picture: desk hidden, bookend bar shown.
    void collapse_desk();
    // Left-button press on the bookend bar: bar hidden, desk shown and active.
    void restore_desk();
    // The close button: databases closed, the closed book shown, the program ended.
    void close_program();

  private:
    void showCoverOverDesk();

    DeskWindow& desk_;
    BookendBar& bookend_;
    CoverWindow& cover_;
    Clock& clock_;
    MemoDatabase& db_;
    ProgramExit& exit_;
};

}  // namespace ledgerleaf
