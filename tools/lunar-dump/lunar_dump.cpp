// lunar-dump FROM TO (dates as yyyy-mm-dd) prints one line per day from FROM to TO:
//   yyyy-mm-dd,lunar year,lunar month (negative for a leap month),lunar day,solar term or nothing
// the format of tests/platform/data/lunar_reference.txt, so the two can be compared with diff.
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/lunar/lunar_names.h"
#include "platform/lunar/lunar_table.h"

namespace {

using namespace std::chrono;

std::optional<year_month_day> parseDate(const char* text) {
    int y = 0, m = 0, d = 0;
    char rest = 0;
    if (std::sscanf(text, "%4d-%2d-%2d%c", &y, &m, &d, &rest) != 3)
        return std::nullopt;
    const year_month_day date{year{y}, month{unsigned(m)}, day{unsigned(d)}};
    if (m < 1 || d < 1 || !date.ok())
        return std::nullopt;
    return date;
}

}  // namespace

int main(int argc, char** argv) {
    const char* usage =
        "usage: lunar-dump FROM TO\n"
        "  FROM, TO: dates as yyyy-mm-dd between 1901-02-19 and 2048-12-31\n";
    if (argc != 3) {
        std::fputs(usage, stderr);
        return 2;
    }
    const std::optional<year_month_day> from = parseDate(argv[1]);
    const std::optional<year_month_day> to = parseDate(argv[2]);
    for (const auto& [date, text] : {std::pair{from, argv[1]}, std::pair{to, argv[2]}}) {
        if (!date) {
            std::fprintf(stderr, "lunar-dump: %s is not a date of the form yyyy-mm-dd\n", text);
            return 2;
        }
        if (!ledgerleaf::LunarTable::covers(int(date->year()), unsigned(date->month()),
                                            unsigned(date->day()))) {
            std::fprintf(stderr, "lunar-dump: %s is outside 1901-02-19..2048-12-31\n", text);
            return 2;
        }
    }
    if (sys_days{*from} > sys_days{*to}) {
        std::fprintf(stderr, "lunar-dump: FROM %s comes after TO %s\n", argv[1], argv[2]);
        return 2;
    }
    for (sys_days day = sys_days{*from}; day <= sys_days{*to}; day += days{1}) {
        const year_month_day date{day};
        const int y = int(date.year()), m = int(unsigned(date.month())),
                  d = int(unsigned(date.day()));
        const ledgerleaf::LunarDate lunar = *ledgerleaf::LunarTable::find(y, m, d);
        std::printf("%04d-%02d-%02d,%d,%d,%d,%s\n", y, m, d, lunar.year,
                    lunar.leap ? -lunar.month : lunar.month, lunar.day,
                    std::string{ledgerleaf::solarTermName(lunar.solarTerm)}.c_str());
    }
    return 0;
}
