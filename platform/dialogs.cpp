#include "platform/dialogs.h"

namespace ledgerleaf {

std::string errorReportText(const std::string& platformText) {
    return std::string("运行时出错!\n\n错误信息：") + platformText;
}

}  // namespace ledgerleaf
