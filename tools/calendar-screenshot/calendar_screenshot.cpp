// calendar-screenshot FOLDER renders the lunar month calendar, at the size the desk gives it,
// for months that show what it must get right, and writes one PNG per month into FOLDER:
//   1901-02  the first page, with no days before the lunar new year 1901-02-19
//   2023-01  the lunar new year 正月 on the 22nd, 小寒 and 大寒
//   2023-02  二月 on the 20th, 立春 and 雨水, today and the selection apart
//   2023-03  the leap month 闰二月 starting on the 22nd, 春分 the day before
//   2033-12  the longest month name, 闰十一月, next to 冬至
// Runs without a display (QT_QPA_PLATFORM=offscreen is set when nothing else is).
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "platform/lunar/lunar_calendar.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: calendar-screenshot FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "calendar-screenshot: cannot create %s\n", argv[1]);
        return 1;
    }
    struct Shot {
        QDate selected;
        QDate today;
    };
    const Shot shots[] = {
        {QDate(1901, 2, 19), QDate()},
        {QDate(2023, 1, 22), QDate(2023, 1, 22)},
        {QDate(2023, 2, 14), QDate(2023, 2, 20)},
        {QDate(2023, 3, 22), QDate(2023, 3, 8)},
        {QDate(2033, 12, 22), QDate(2033, 12, 25)},
    };
    for (const Shot& shot : shots) {
        ledgerleaf::LunarCalendar calendar;
        calendar.resize(365, 262);
        calendar.setToday(shot.today);
        calendar.setDate(shot.selected.year(), shot.selected.month(), shot.selected.day());
        const QString file = folder.filePath(shot.selected.toString(QStringLiteral("yyyy-MM")) +
                                             QStringLiteral(".png"));
        if (!calendar.grab().save(file)) {
            std::fprintf(stderr, "calendar-screenshot: cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
