#include "platform/widgets/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace ledgerleaf {
namespace {

// Runs `action` on the first modal box that appears, from inside its event loop. If no box
// shows up within a few seconds the test fails instead of hanging.
class BoxDriver {
  public:
    explicit BoxDriver(std::function<void(QDialog*)> action) : action_(std::move(action)) {
        QTimer::singleShot(0, [this] { poll(); });
    }
    bool ran() const { return ran_; }

  private:
    void poll() {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            dialog && dialog->isVisible()) {
            ran_ = true;
            action_(dialog);
            return;
        }
        if (++tries_ > 500) {
            ADD_FAILURE() << "no modal box appeared";
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible())
                    d->reject();
            }
            return;
        }
        QTimer::singleShot(10, [this] { poll(); });
    }

    std::function<void(QDialog*)> action_;
    bool ran_ = false;
    int tries_ = 0;
};

QPushButton* buttonWithText(QDialog* dialog, const QString& text) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

QStringList buttonTexts(QDialog* dialog) {
    QStringList texts;
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->isVisible())
            texts << button->text();
    }
    texts.sort();
    return texts;
}

// What a test saw of a box while it was open.
struct Seen {
    QString title;
    QString text;
    QStringList buttons;
    QString defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool hasOwner = true;
};

Seen look(QDialog* dialog) {
    Seen seen;
    seen.title = dialog->windowTitle();
    seen.buttons = buttonTexts(dialog);
    seen.hasOwner = dialog->parentWidget() != nullptr;
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        seen.text = box->text();
        seen.icon = box->icon();
        if (box->defaultButton())
            seen.defaultButton = box->defaultButton()->text();
    }
    return seen;
}

TEST(QtDialogs, YesNoBoxReadsShiAndFouWithYesAsDefault) {
    struct Case {
        const char* name;
        std::function<void(QDialog*)> act;
        MessageAnswer expected;
    };
    const Case cases[] = {
        {"click 是", [](QDialog* d) { buttonWithText(d, "是")->click(); }, MessageAnswer::Yes},
        {"click 否", [](QDialog* d) { buttonWithText(d, "否")->click(); }, MessageAnswer::No},
        {"Enter", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); }, MessageAnswer::Yes},
        {"Escape", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }, MessageAnswer::No},
        {"close box", [](QDialog* d) { d->close(); }, MessageAnswer::No},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Seen seen;
        BoxDriver driver([&](QDialog* d) {
            seen = look(d);
            c.act(d);
        });
        QtDialogs dialogs;
        const MessageAnswer answer =
            dialogs.message("发现V2版数据库\r\n是否升级？", "注意！", MessageButtons::YesNo);
        ASSERT_TRUE(driver.ran());
        EXPECT_EQ(answer, c.expected);
        EXPECT_EQ(seen.title, "注意！");
        EXPECT_EQ(seen.text, "发现V2版数据库\n是否升级？");
        EXPECT_EQ(seen.buttons, (QStringList{"否", "是"}));
        EXPECT_EQ(seen.defaultButton, "是");
        EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
        EXPECT_FALSE(seen.hasOwner);
    }
}

TEST(QtDialogs, OkBoxHasOneButtonAndTheDefaultTitle) {
    for (const std::string& title : {std::string(kDefaultMessageTitle), std::string()}) {
        Seen seen;
        BoxDriver driver([&](QDialog* d) {
            seen = look(d);
            QTest::keyClick(d, Qt::Key_Return);
        });
        QtDialogs dialogs;
        EXPECT_EQ(dialogs.message("没有发现可用数据库", title, MessageButtons::Ok),
                  MessageAnswer::Ok);
        ASSERT_TRUE(driver.ran());
        EXPECT_EQ(seen.title, "信息：");
        EXPECT_EQ(seen.text, "没有发现可用数据库");
        EXPECT_EQ(seen.buttons, QStringList{"确定"});
        EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    }
}

TEST(QtDialogs, ErrorReportHasTheErrorIconAndTitle) {
    Seen seen;
    BoxDriver driver([&](QDialog* d) {
        seen = look(d);
        buttonWithText(d, "确定")->click();
    });
    QtDialogs dialogs;
    dialogs.errorReport("指定字段不存在");
    ASSERT_TRUE(driver.ran());
    EXPECT_EQ(seen.title, "错误");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.text, "运行时出错!\n\n错误信息：指定字段不存在");
}

TEST(QtDialogs, InputBox) {
    struct Case {
        const char* name;
        std::function<void(QDialog*)> act;
        std::optional<std::string> expected;
    };
    auto field = [](QDialog* d) { return d->findChild<QLineEdit*>(); };
    const Case cases[] = {
        {"type and click OK",
         [&](QDialog* d) {
             QTest::keyClicks(field(d), "pass word");
             buttonWithText(d, "确认输入(&O)")->click();
         },
         "pass word"},
        {"type Chinese through the input method and press Enter",
         [&](QDialog* d) {
             // Chinese arrives from the input method as committed text.
             QInputMethodEvent typed;
             typed.setCommitString(QStringLiteral("密码"));
             QApplication::sendEvent(field(d), &typed);
             QTest::keyClick(field(d), Qt::Key_Return);
         },
         "密码"},
        {"OK with nothing typed", [](QDialog* d) { buttonWithText(d, "确认输入(&O)")->click(); },
         ""},
        {"type and cancel",
         [&](QDialog* d) {
             QTest::keyClicks(field(d), "abc");
             buttonWithText(d, "取消(&C)")->click();
         },
         std::nullopt},
        {"Escape", [&](QDialog* d) { QTest::keyClick(field(d), Qt::Key_Escape); }, std::nullopt},
        {"close box", [](QDialog* d) { d->close(); }, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Seen seen;
        QString prompt;
        QString startText = "not looked at";
        QLineEdit::EchoMode echo = QLineEdit::Password;
        BoxDriver driver([&](QDialog* d) {
            seen = look(d);
            prompt = d->findChild<QLabel*>()->text();
            startText = field(d)->text();
            echo = field(d)->echoMode();
            c.act(d);
        });
        QtDialogs dialogs;
        const auto answer = dialogs.input("请输入新密码：", "加密步骤一");
        ASSERT_TRUE(driver.ran());
        EXPECT_EQ(answer, c.expected);
        EXPECT_EQ(seen.title, "加密步骤一");
        EXPECT_EQ(prompt, "请输入新密码：");
        EXPECT_EQ(startText, "");
        EXPECT_EQ(echo, QLineEdit::Normal);
        EXPECT_EQ(seen.buttons, (QStringList{"取消(&C)", "确认输入(&O)"}));
        EXPECT_FALSE(seen.hasOwner);
    }
}

}  // namespace
}  // namespace ledgerleaf
