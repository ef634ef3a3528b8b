#include "platform/widgets/qt_dialogs.h"

#include "platform/widgets/input_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <QString>

namespace ledgerleaf {

namespace {

// The program's texts use "\r\n" for line breaks, as message boxes on Windows do.
QString boxText(const std::string& utf8) {
    QString text = QString::fromStdString(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString titleText(const std::string& title) {
    return QString::fromStdString(title.empty() ? std::string(kDefaultMessageTitle) : title);
}

}  // namespace

MessageAnswer QtDialogs::message(const std::string& text, const std::string& title,
                                 MessageButtons buttons) {
    QMessageBox box;
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(titleText(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(boxText(text));
    box.setWindowModality(Qt::ApplicationModal);
    if (buttons == MessageButtons::Ok) {
        QPushButton* ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return MessageAnswer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("是"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("否"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);  // the close box answers No
    box.exec();
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::optional<std::string> QtDialogs::input(const std::string& prompt, const std::string& title) {
    InputBox box(boxText(prompt), QString::fromStdString(title));
    box.setWindowModality(Qt::ApplicationModal);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.text().toStdString();
}

void QtDialogs::errorReport(const std::string& platformText) {
    QMessageBox box;
    box.setIcon(QMessageBox::Critical);
    box.setWindowTitle(QString::fromUtf8(kErrorReportTitle));
    box.setTextFormat(Qt::PlainText);
    box.setText(boxText(errorReportText(platformText)));
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

}  // namespace ledgerleaf
