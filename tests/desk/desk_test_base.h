#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

struct sqlite3;

#include "core/date_time.h"
#include "desk/desk_window.h"
#include "desk_fixture.h"
#include "platform/lunar/lunar_calendar.h"
#include "platform/widgets/picture_box.h"
#include "platform/widgets/sorted_list_box.h"

namespace ledgerleaf::test {

// A desk on a diary of its own, with helpers to reach its controls and to make fixture days.
class DeskTestBase : public ::testing::Test {
  protected:
    void SetUp() override { program.createAndOpen(); }

    void openDesk(int encryptedAtStart = 0) {
        desk = std::make_unique<DeskWindow>(DeskServices{program.db, program.dialogs, program.clock,
                                                         program.exit, program.dir.path(),
                                                         encryptedAtStart});
        desk->show();
        settle();
    }

    template <typename T = QWidget>
    T* child(const char* name) const {
        T* found = desk->findChild<T*>(QString::fromUtf8(name));
        if (!found)
            ADD_FAILURE() << "no control named " << name;
        return found;
    }
    QPlainTextEdit* editor() const { return child<QPlainTextEdit>("备忘编辑框"); }
    LunarCalendar* calendar() const { return child<LunarCalendar>("日历"); }
    SortedListBox* monthList() const { return child<SortedListBox>("本月备忘列表框"); }
    SortedListBox* resultList() const { return child<SortedListBox>("搜索结果列表框"); }
    PictureBox* pictureBox() const { return child<PictureBox>("图片框"); }
    QString status() const { return child<QLabel>("数据库情况状态栏")->text(); }
    QString dayLabel() const { return child<QLabel>("今日提醒标签")->text(); }

    static double day(int y, int m, int d) { return *fromParts({y, m, d}); }

    // A record written straight into the diary, as if from an earlier run.
    void addDay(double date, const std::string& memo, const Bytes& picture = {},
                const std::string& ext = {}) {
        ASSERT_TRUE(program.db.add_day(date, memo, picture, ext));
    }

    void clickDay(QDate date) {
        const QRect cell = calendar()->dayRect(date);
        ASSERT_FALSE(cell.isEmpty()) << date.toString().toStdString();
        QTest::mouseClick(calendar(), Qt::LeftButton, {}, cell.center());
        settle();
    }

    ProgramFixture program;
    std::unique_ptr<DeskWindow> desk;
};

// Holds an exclusive lock on both files of the diary, as another program writing them would:
// the desk's writes fail while it lives.
class LockedDiary {
  public:
    explicit LockedDiary(const std::filesystem::path& programDir);
    ~LockedDiary();
    LockedDiary(const LockedDiary&) = delete;
    LockedDiary& operator=(const LockedDiary&) = delete;
    bool ok() const { return ok_; }

  private:
    ::sqlite3* db_ = nullptr;
    bool ok_ = false;
};

// Types the text into the widget key by key, as a keyboard (or an input method that sends
// plain key events) would; works for Chinese characters too.
void typeText(QWidget* target, const QString& text);

// A small picture file's bytes in the given format ("BMP", "JPG", "GIF", ...).
Bytes pictureBytes(const char* format, QSize size = {24, 16});

}  // namespace ledgerleaf::test
