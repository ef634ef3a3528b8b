#include "desk/memo_saver.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "desk/desk_controls.h"
#include "desk/desk_services.h"
#include "desk/desk_state.h"
#include "desk/month_list.h"
#include "desk/picture_bytes.h"
#include "platform/dialogs.h"
#include "platform/program_exit.h"
#include "platform/widgets/picture_box.h"
#include "store/memo_database.h"

namespace ledgerleaf {

namespace {

constexpr const char* kSaveFailed = "保存当前编辑信息失败，请检查数据库文件是否存在。";
constexpr const char* kAddFailed = "增加记录失败，请检查数据库文件是否存在。";

}  // namespace

MemoSaver::MemoSaver(DeskControls& controls, DeskServices& services, DeskState& state,
                     MonthList& monthList)
    : c_(controls), services_(services), state_(state), monthList_(monthList) {}

void MemoSaver::fail(const char* message) {
    services_.dialogs.message(message, "信息：");
    services_.db.close_all();
    services_.exit.end(0);
}

void MemoSaver::onTextChanged() {
    c_.saveStatus->show();
    const std::string text = c_.memoEditor->toPlainText().toStdString();
    const Bytes picture = toBytes(c_.pictureBox->pictureBytes());
    MemoDatabase& db = services_.db;
    if (db.find_day(state_.selectedDay)) {
        if (!db.write_field(kFieldMemo, text) || !db.write_field(kFieldPicture, picture)) {
            fail(kSaveFailed);
            return;
        }
        monthList_.refresh_month_list();
        return;
    }
    // An empty day gets no record.
    if (text.empty() && picture.empty())
        return;
    if (!db.add_day(state_.selectedDay, text, picture)) {
        fail(kAddFailed);
        return;
    }
    monthList_.refresh_month_list();
}

void MemoSaver::appendDayLabel() {
    QTextCursor cursor(c_.memoEditor->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(c_.dayLabel->text());
}

}  // namespace ledgerleaf
