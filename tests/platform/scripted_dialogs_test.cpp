#include "platform/scripted_dialogs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace ledgerleaf {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

ShownBox box(ShownBox::Kind kind, std::string text, std::string title,
             MessageButtons buttons = MessageButtons::Ok, bool expected = true) {
    return ShownBox{kind, std::move(text), std::move(title), buttons, expected};
}

TEST(ScriptedDialogs, AnswersInOrderAndRecordsEveryBox) {
    ScriptedDialogs dialogs;
    dialogs.expectMessage(MessageAnswer::Yes);
    dialogs.expectInput("secret");
    dialogs.expectInputCancel();
    dialogs.expectInput("");
    dialogs.expectMessage();
    dialogs.expectErrorReport();

    EXPECT_EQ(dialogs.message("升级？", "注意！", MessageButtons::YesNo), MessageAnswer::Yes);
    EXPECT_EQ(dialogs.input("请输入新密码：", "加密步骤一"), "secret");
    EXPECT_EQ(dialogs.input("请输入原密码：", "设置密码步骤一"), std::nullopt);
    EXPECT_EQ(dialogs.input("p", "t"), "");
    EXPECT_EQ(dialogs.message("完成"), MessageAnswer::Ok);
    dialogs.errorReport("指定字段不存在");

    using K = ShownBox::Kind;
    EXPECT_THAT(
        dialogs.shown(),
        ElementsAre(box(K::Message, "升级？", "注意！", MessageButtons::YesNo),
                    box(K::Input, "请输入新密码：", "加密步骤一"),
                    box(K::Input, "请输入原密码：", "设置密码步骤一"), box(K::Input, "p", "t"),
                    box(K::Message, "完成", "信息："), box(K::Error, "指定字段不存在", "错误")));
    EXPECT_THAT(dialogs.unexpected(), IsEmpty());
    EXPECT_EQ(dialogs.pending(), 0u);
}

TEST(ScriptedDialogs, BoxesNobodyExpectedAreFlaggedAndGetSafeAnswers) {
    ScriptedDialogs dialogs;
    EXPECT_EQ(dialogs.message("a", "t", MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(dialogs.message("b", "t"), MessageAnswer::Ok);
    EXPECT_EQ(dialogs.input("c", "t"), std::nullopt);
    dialogs.errorReport("d");
    EXPECT_THAT(dialogs.texts(), ElementsAre("a", "b", "c", "d"));
    EXPECT_EQ(dialogs.unexpected().size(), 4u);

    // An answer of the wrong kind is not used up by the box it does not fit.
    dialogs.clear();
    dialogs.expectInput("x");
    EXPECT_EQ(dialogs.message("e", "t", MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(dialogs.input("f", "t"), "x");
    dialogs.expectMessage(MessageAnswer::Yes);
    EXPECT_EQ(dialogs.message("g", "t", MessageButtons::Ok),
              MessageAnswer::Ok);  // Yes does not fit
    EXPECT_EQ(dialogs.pending(), 1u);
    EXPECT_EQ(dialogs.message("h", "t", MessageButtons::YesNo), MessageAnswer::Yes);
    EXPECT_THAT(dialogs.unexpected(),
                ElementsAre(box(ShownBox::Kind::Message, "e", "t", MessageButtons::YesNo, false),
                            box(ShownBox::Kind::Message, "g", "t", MessageButtons::Ok, false)));
}

TEST(ErrorReport, TextHasTheFixedHeadAndThePlatformText) {
    EXPECT_EQ(errorReportText("指定字段不存在"), "运行时出错!\n\n错误信息：指定字段不存在");
    EXPECT_STREQ(kErrorReportTitle, "错误");
}

}  // namespace
}  // namespace ledgerleaf
