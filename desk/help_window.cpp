#include "desk/help_window.h"

#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>

#include "platform/code_page.h"
#include "platform/file_system.h"

namespace ledgerleaf {

namespace {

constexpr const char* kNoReadme =
    "注意：\n\n没有找到说明文件，无法为您提供详细的操作指导。\n\n"
    "为了能够顺利的使用本软件，建议您到官方网站上了解软件的详细情况。";
constexpr const char* kHomepage = "https://ledgerleaf.example.org/";
constexpr const char* kMail = "mailto:support@ledgerleaf.example.org";

QLabel* rule(QWidget* parent, const QString& name, const QRect& place) {
    auto* line = new QLabel(parent);
    line->setObjectName(name);
    line->setGeometry(place);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* link(QWidget* parent, const QString& name, const QString& text, const char* target,
             const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    label->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(QString::fromUtf8(target), text));
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(true);
    label->setToolTip(QString::fromUtf8(target));
    return label;
}

}  // namespace

HelpWindow::HelpWindow(const std::filesystem::path& programDir, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("说明窗口"));
    setWindowTitle(QStringLiteral("软件说明"));
    setModal(true);
    setFixedSize(kWidth, kHeight);

    auto* side = new QLabel(this);
    side->setObjectName(QStringLiteral("图片框1"));
    side->setGeometry(0, 0, 120, 338);
    side->setPixmap(QPixmap(QStringLiteral(":/skin/help_side.png")));
    side->setScaledContents(true);
    rule(this, QStringLiteral("标签2"), {123, 40, 357, 10});
    rule(this, QStringLiteral("标签3"), {123, 288, 357, 10});

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("说明显示框"));
    text_->setGeometry(144, 56, 320, 232);
    text_->setReadOnly(true);
    text_->setPlainText(QString::fromUtf8(kNoReadme));
    const std::filesystem::path readme = programDir / "readme.txt";
    if (const auto bytes = readWholeFile(readme))
        text_->setPlainText(readmeText(*bytes));

    link(this, QStringLiteral("超级链接框1"), QStringLiteral("官方主页"), kHomepage,
         {184, 304, 80, 24});
    link(this, QStringLiteral("超级链接框2"), QStringLiteral("联系信箱"), kMail,
         {344, 304, 80, 24});
}

QString HelpWindow::text() const {
    return text_->toPlainText();
}

QString HelpWindow::readmeText(const std::string& bytes) {
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0)
        return QString::fromUtf8(bytes.substr(3));
    if (const auto utf8 = CodePage::system().toUtf8(bytes))
        return QString::fromStdString(*utf8);
    return QString::fromUtf8(bytes);
}

}  // namespace ledgerleaf
