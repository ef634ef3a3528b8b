#include "platform/launcher.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace ledgerleaf {

bool startProgram(const std::string& name) {
    if (name.empty())
        return false;
    return QProcess::startDetached(QString::fromStdString(name), QStringList());
}

bool startCalculator() {
#ifdef _WIN32
    return startProgram("calc.exe");
#else
    for (const char* candidate : {"gnome-calculator", "kcalc", "galculator", "xcalc"}) {
        if (startProgram(candidate))
            return true;
    }
    return false;
#endif
}

}  // namespace ledgerleaf
