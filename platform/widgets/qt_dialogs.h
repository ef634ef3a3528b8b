#pragma once

#include "platform/dialogs.h"

namespace ledgerleaf {

// The program's boxes as Qt widgets: application-modal, without an owner window. The Yes and
// No buttons read "是" and "否", the OK button "确定".
class QtDialogs : public Dialogs {
  public:
    MessageAnswer message(const std::string& text, const std::string& title = kDefaultMessageTitle,
                          MessageButtons buttons = MessageButtons::Ok) override;
    std::optional<std::string> input(const std::string& prompt, const std::string& title) override;
    void errorReport(const std::string& platformText) override;
};

}  // namespace ledgerleaf
