// Renders the program's windows offscreen to PNG files, with a fixture diary, so a person can
// look at them:
//
//     QT_QPA_PLATFORM=offscreen build/tools/screenshot/ledgerleaf-screenshot OUTDIR
//
// Writes cover-splash.png, cover-password.png, desk-empty.png, desk-long-memo.png and
// desk-picture.png and help.png. The desk pictures show the window's outline (cut-away
// parts transparent).
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <cstdio>

#include "app/cover_window.h"
#include "core/date_time.h"
#include "core/utf8_path.h"
#include "desk/desk_window.h"
#include "desk/help_window.h"
#include "platform/program_exit.h"
#include "platform/scripted_clock.h"
#include "platform/scripted_dialogs.h"
#include "store/memo_database.h"
#include "store/record_facility.h"

using namespace ledgerleaf;

namespace {

bool save(QWidget& window, const QString& path) {
    window.show();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    QImage shot(window.size(), QImage::Format_ARGB32);
    shot.fill(Qt::transparent);
    {
        QPainter p(&shot);
        if (!window.mask().isEmpty())
            p.setClipRegion(window.mask());
        window.render(&p, QPoint(), QRegion(),
                      QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    const bool ok = shot.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

Bytes samplePicture() {
    QImage image(260, 180, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, 180);
    sky.setColorAt(0, QColor(120, 170, 230));
    sky.setColorAt(1, QColor(230, 240, 250));
    p.fillRect(image.rect(), sky);
    p.setBrush(QColor(70, 130, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPoint(80, 200), 160, 80);
    p.setBrush(QColor(250, 220, 80));
    p.drawEllipse(QPoint(200, 50), 22, 22);
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return Bytes(bytes.begin(), bytes.end());
}

const char* kLongMemo =
    "今天是个晴朗的日子。早上六点半起床，在小区里跑了三圈，空气里有桂花的香味。\n\n"
    "上午去图书馆还了《平凡的世界》，又借了两本关于宋代历史的书。路过菜市场买了"
    "新鲜的豆腐和青菜，中午做了麻婆豆腐，味道比上次好多了。\n\n"
    "下午和老同学视频聊天，说起大学时一起去爬黄山的事，大家都笑了很久。约好明年"
    "春天再去一次。\n\n"
    "晚上读书到十点。记下一句喜欢的话：“人生在勤，不索何获。”\n\n"
    "明天要记得：交水电费，给妈妈打电话，把阳台上的花换个盆。";

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    QTemporaryDir programDir;
    const std::filesystem::path dir = pathFromUtf8(programDir.path().toStdString());
    RecordFacility facility(dir);
    MemoDatabase db(facility, dir);
    ScriptedDialogs dialogs;
    ScriptedClock clock;
    ScriptedProgramExit exit;
    clock.setNow(2023, 3, 21, 20, 15, 0);
    clock.setEventHook([] { QCoreApplication::processEvents(); });
    bool ok = true;

    CoverWindow cover;
    cover.hide_password_entry();
    ok &= save(cover, out + "/cover-splash.png");
    cover.show_password_entry();
    cover.passwordEdit()->setText(QStringLiteral("secret"));
    ok &= save(cover, out + "/cover-password.png");
    cover.hide();

    if (!db.db_create() || !db.db_open()) {
        std::fprintf(stderr, "cannot create the fixture diary\n");
        return 1;
    }
    {
        DeskWindow desk(DeskServices{db, dialogs, clock, exit, dir, 0});
        ok &= save(desk, out + "/desk-empty.png");
    }

    const double today = clock.today();
    db.add_day(today, kLongMemo, Bytes());
    for (int d : {2, 5, 14, 15}) {
        auto date = fromParts({2023, 3, d});
        db.add_day(*date, "三月的一天", d == 14 ? samplePicture() : Bytes(), d == 14 ? "jpg" : "");
    }
    {
        DeskWindow desk(DeskServices{db, dialogs, clock, exit, dir, 0});
        ok &= save(desk, out + "/desk-long-memo.png");
    }
    {
        // The help text shipped beside the program, when it is built; else the notice shows.
        std::error_code ignored;
        std::filesystem::copy_file(
            pathFromUtf8(QCoreApplication::applicationDirPath().toStdString()) /
                "../../diary/readme.txt",
            dir / "readme.txt", ignored);
        HelpWindow help(dir, nullptr);
        ok &= save(help, out + "/help.png");
    }
    clock.setNow(2023, 3, 14, 8, 0, 0);
    {
        DeskWindow desk(DeskServices{db, dialogs, clock, exit, dir, 1});
        ok &= save(desk, out + "/desk-picture.png");
    }
    facility.close_all();
    return ok ? 0 : 1;
}
