#include "search/list_item_text.h"

#include "core/date_time.h"

namespace ledgerleaf {

namespace {

std::string twoDigits(int n) {
    return n <= 9 ? "0" + std::to_string(n) : std::to_string(n);
}

const char* pictureMark(bool hasPicture) {
    return hasPicture ? "(P)" : "";
}

}  // namespace

std::string monthListItemText(double date, bool hasPicture) {
    const DateTimeParts p = toParts(date);
    return std::to_string(p.year) + "年" + std::to_string(p.month) + "月" + twoDigits(p.day) +
           "日" + pictureMark(hasPicture);
}

std::string resultListItemText(double date, bool hasPicture) {
    const DateTimeParts p = toParts(date);
    return std::to_string(p.year) + "年" + twoDigits(p.month) + "月" + twoDigits(p.day) + "日" +
           pictureMark(hasPicture);
}

std::string monthStatusText(int year, int month, int validDays, int totalRecords) {
    const std::string head = std::to_string(year) + "年" + std::to_string(month) + "月";
    const std::string tail = "|目前数据库中共有" + std::to_string(totalRecords) + "条记录";
    if (validDays > 0)
        return head + "有效记录共" + std::to_string(validDays) + "天" + tail;
    return head + "无有效记录！" + tail;
}

}  // namespace ledgerleaf
