// Program entry: sets up Qt, makes the program directory current, loads the cover window and
// runs the message loop. Every file the diary uses lies in the program directory.
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include "app/app_services.h"
#include "app/cover_window.h"
#include "app/start_sequence.h"
#include "core/utf8_path.h"
#include "platform/widgets/qt_dialogs.h"
#include "platform/widgets/qt_program_exit.h"
#include "platform/widgets/system_clock.h"
#include "store/memo_database.h"
#include "store/record_facility.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    const QString dir = QCoreApplication::applicationDirPath();
    QDir::setCurrent(dir);
    const std::filesystem::path programDir = ledgerleaf::pathFromUtf8(dir.toStdString());

    ledgerleaf::QtDialogs dialogs;
    ledgerleaf::SystemClock clock;
    ledgerleaf::QtProgramExit exit;
    ledgerleaf::RecordFacility facility(programDir);
    ledgerleaf::MemoDatabase db(facility, programDir);
    ledgerleaf::AppServices services{programDir, dialogs, clock, exit, facility, db};

    ledgerleaf::CoverWindow cover;
    ledgerleaf::StartSequence start(services, cover);
    QTimer::singleShot(0, &start, [&start] { start.run(); });
    const int code = app.exec();
    facility.close_all();
    return exit.ended() ? exit.code() : code;
}
