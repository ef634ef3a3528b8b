#include "platform/widgets/qt_program_exit.h"

#include <QApplication>
#include <QWidget>

namespace ledgerleaf {

void QtProgramExit::end(int exitCode) {
    if (ended_)
        return;
    ended_ = true;
    code_ = exitCode;
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(exitCode);
}

}  // namespace ledgerleaf
