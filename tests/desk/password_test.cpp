// The padlocks: protecting the diary, changing and removing its password.
#include <gmock/gmock.h>

#include <QLabel>
#include <functional>

#include "core/utf8_path.h"
#include "desk_test_base.h"

namespace ledgerleaf {
namespace {

using test::settle;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Scripted boxes that can run a step of the test when an input box is answered.
class HookedDialogs : public ScriptedDialogs {
  public:
    std::function<void(const std::string& title)> afterInput;
    std::optional<std::string> input(const std::string& prompt, const std::string& title) override {
        std::optional<std::string> answer = ScriptedDialogs::input(prompt, title);
        if (afterInput)
            afterInput(title);
        return answer;
    }
};

constexpr const char* kMemo = "只写给自己看的秘密日记";

class PasswordTest : public test::DeskTestBase {
  protected:
    // Starts a desk on a diary protected with `password` (none: unprotected) and one memo.
    void start(const std::optional<std::string>& password) {
        addDay(day(2011, 4, 10), kMemo);
        if (password) {
            ASSERT_TRUE(program.facility.set_password(*password));
        }
        desk = std::make_unique<DeskWindow>(DeskServices{program.db, dialogs, program.clock,
                                                         program.exit, program.dir.path(),
                                                         password ? 1 : 0});
        desk->show();
        settle();
    }
    QLabel* locked() const { return child<QLabel>("已锁图片框"); }
    QLabel* unlocked() const { return child<QLabel>("未锁图片框"); }

    // Which passwords open the diary on disk now.
    bool opensWith(const std::optional<std::string>& password) const {
        return program.recordsOnDisk(password) == 1;
    }
    bool filesHoldPlainMemo() const {
        const std::string needle = kMemo;
        for (const char* name : {"ledgerleaf.edb", "ledgerleaf.edt"})
            if (test::readFileBytes(program.dir.file(name)).find(needle) != std::string::npos)
                return true;
        return false;
    }

    HookedDialogs dialogs;
};

struct FlowCase {
    const char* what;
    std::optional<std::string> startPassword;
    bool viaLockIcon;                                 // change_password (else encrypt_database)
    std::vector<std::optional<std::string>> answers;  // input box answers; nothing = Cancel
    bool failTheSet;  // another program holds the diary while the password is set
    std::vector<std::pair<std::string, std::string>> messages;  // text, title
    bool lockShown;
    std::optional<std::string> opensAfter;  // the password that opens the diary afterwards
};

void PrintTo(const FlowCase& c, std::ostream* out) {
    *out << c.what;
}

const FlowCase kFlowCases[] = {
    {"encrypt",
     std::nullopt,
     false,
     {"新密码"},
     false,
     {{"数据库加密成功", "加密完成"}},
     true,
     "新密码"},
    {"encrypt with blanks only",
     std::nullopt,
     false,
     {"   "},
     false,
     {{"数据库加密成功", "加密完成"}},
     true,
     "   "},
    {"encrypt with nothing",
     std::nullopt,
     false,
     {""},
     false,
     {{"密码为空，因此数据库不会被加密！", "注意！"}},
     false,
     std::nullopt},
    {"encrypt cancelled",
     std::nullopt,
     false,
     {std::nullopt},
     false,
     {{"您选择了‘取消’，因此数据库将不会被加密！", "注意！"}},
     false,
     std::nullopt},
    {"encrypt fails",
     std::nullopt,
     false,
     {"新密码"},
     true,
     {{"数据库加密失败！", "注意！"}},
     false,
     std::nullopt},
    {"change",
     "old",
     true,
     {"old", "new"},
     false,
     {{"密码设置成功！", "设置密码完成"}},
     true,
     "new"},
    {"remove",
     "old",
     true,
     {"old", ""},
     false,
     {{"新密码为空，将取消数据库加密！", "注意！"}},
     false,
     std::nullopt},
    {"wrong old password",
     "old",
     true,
     {"olf"},
     false,
     {{"原密码输入错误，请检查后重新设置", "注意！"}},
     true,
     "old"},
    {"cancel at the first question",
     "old",
     true,
     {std::nullopt},
     false,
     {{"您选择了‘取消’，因此密码及数据库加密状态未作改动！", "注意！"}},
     true,
     "old"},
    {"cancel at the second question",
     "old",
     true,
     {"old", std::nullopt},
     false,
     {{"您选择了‘取消’，因此密码及数据库加密状态未作改动！", "注意！"}},
     true,
     "old"},
    {"change fails", "old", true, {"old", "new"}, true, {{"密码设置失败", "注意！"}}, true, "old"},
};

class PasswordFlowTest : public PasswordTest, public ::testing::WithParamInterface<FlowCase> {};

TEST_P(PasswordFlowTest, IconMessageAndProtectionOnDisk) {
    const FlowCase& c = GetParam();
    start(c.startPassword);
    ASSERT_EQ(locked()->isVisible(), c.startPassword.has_value());

    for (const auto& answer : c.answers) {
        if (answer)
            dialogs.expectInput(*answer);
        else
            dialogs.expectInputCancel();
    }
    for (std::size_t i = 0; i < c.messages.size(); ++i)
        dialogs.expectMessage();
    // The set-password step fails when another program holds the diary at that moment: take the
    // lock as the last question is answered.
    std::unique_ptr<test::LockedDiary> lock;
    std::size_t inputsSeen = 0;
    dialogs.afterInput = [&](const std::string&) {
        if (c.failTheSet && ++inputsSeen == c.answers.size())
            lock = std::make_unique<test::LockedDiary>(program.dir.path());
    };

    QTest::mouseDClick(c.viaLockIcon ? locked() : unlocked(), Qt::LeftButton);
    if (lock) {
        EXPECT_TRUE(lock->ok());
    }
    lock.reset();

    std::vector<std::pair<std::string, std::string>> messages;
    for (const ShownBox& box : dialogs.shown())
        if (box.kind == ShownBox::Kind::Message)
            messages.emplace_back(box.text, box.title);
    EXPECT_EQ(messages, c.messages);
    EXPECT_THAT(dialogs.unexpected(), IsEmpty());
    EXPECT_EQ(locked()->isVisible(), c.lockShown);
    EXPECT_EQ(unlocked()->isVisible(), !c.lockShown);
    EXPECT_FALSE(program.exit.ended());

    // On disk: exactly the expected password opens the diary.
    EXPECT_TRUE(opensWith(c.opensAfter));
    if (c.opensAfter) {
        EXPECT_FALSE(opensWith(std::nullopt));
        EXPECT_FALSE(filesHoldPlainMemo());
    } else {
        EXPECT_TRUE(filesHoldPlainMemo());
    }
    if (c.startPassword && c.opensAfter != c.startPassword) {
        EXPECT_FALSE(opensWith(c.startPassword));
    }

    // The diary stays open and current: typing still saves.
    editor()->moveCursor(QTextCursor::End);
    test::typeText(editor(), QStringLiteral("!"));
    EXPECT_EQ(program.memoOnDisk(day(2011, 4, 10), c.opensAfter), std::string(kMemo) + "!");
}

INSTANTIATE_TEST_SUITE_P(StateTable, PasswordFlowTest, ::testing::ValuesIn(kFlowCases),
                         [](const ::testing::TestParamInfo<FlowCase>& info) {
                             std::string name = info.param.what;
                             for (char& ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST_F(PasswordTest, SinglePressOnAPadlockStartsNothing) {
    start(std::nullopt);
    QTest::mousePress(unlocked(), Qt::LeftButton);
    QTest::mouseRelease(unlocked(), Qt::LeftButton);
    EXPECT_THAT(dialogs.shown(), IsEmpty());
}

TEST_F(PasswordTest, PadlockTooltipsTellWhatADoubleClickDoes) {
    start(std::nullopt);
    EXPECT_EQ(locked()->toolTip(),
              QStringLiteral("当前数据库已加密，‘双击’ 图标可取消加密或更改密码。"));
    EXPECT_EQ(unlocked()->toolTip(),
              QStringLiteral("当前数据库未加密，‘双击’ 图标将立即进行加密。"));
}

}  // namespace
}  // namespace ledgerleaf
