#pragma once

#include <QDialog>
#include <filesystem>

class QPlainTextEdit;

namespace ledgerleaf {

// The help window: a side picture, the program's readme text between two rules, and links to
// the homepage and the mail address. It reads readme.txt from the program directory when it
// is created and shows a fixed notice when there is none.
class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kWidth = 496;
    static constexpr int kHeight = 371;

    HelpWindow(const std::filesystem::path& programDir, QWidget* owner);

    QString text() const;

    // The readme's bytes as text: UTF-8 when they start with its mark, else the system code
    // page, else UTF-8 with unreadable bytes replaced.
    static QString readmeText(const std::string& bytes);

  private:
    QPlainTextEdit* text_;
};

}  // namespace ledgerleaf
