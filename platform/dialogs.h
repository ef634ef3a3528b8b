#pragma once

#include <optional>
#include <string>

namespace ledgerleaf {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

inline constexpr const char* kDefaultMessageTitle = "信息：";

// The program's modal boxes. Texts are UTF-8. Every box is modal and has no owner window.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A message box without icon: OK alone, or Yes and No with Yes as the default button.
    // Closing a Yes/No box without choosing answers No.
    virtual MessageAnswer message(const std::string& text,
                                  const std::string& title = kDefaultMessageTitle,
                                  MessageButtons buttons = MessageButtons::Ok) = 0;

    // The input box: a prompt, a title, one plain-text field (starting empty) and the buttons
    // "确认输入(&O)" and "取消(&C)". OK gives the typed text (possibly empty); Cancel or the
    // close box gives nothing.
    virtual std::optional<std::string> input(const std::string& prompt,
                                             const std::string& title) = 0;

    // The platform's error report for a fatal error: title "错误", the error icon, and the text
    // "运行时出错!", an empty line, "错误信息：" followed by `platformText`.
    virtual void errorReport(const std::string& platformText) = 0;
};

// The text of the error report's box for a platform error text.
std::string errorReportText(const std::string& platformText);
inline constexpr const char* kErrorReportTitle = "错误";

}  // namespace ledgerleaf
