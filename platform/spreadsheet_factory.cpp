#include "platform/spreadsheet_factory.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include "core/utf8_path.h"
#include "platform/xlsx_spreadsheet.h"

namespace ledgerleaf {

bool openWithDesktop(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(
        QUrl::fromLocalFile(QString::fromStdString(utf8FromPath(file))));
}

std::unique_ptr<Spreadsheet> makeDesktopSpreadsheet() {
    return std::make_unique<XlsxSpreadsheet>(&openWithDesktop);
}

}  // namespace ledgerleaf
