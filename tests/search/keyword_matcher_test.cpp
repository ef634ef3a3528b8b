#include <gtest/gtest.h>

#include "core/date_time.h"
#include "search/keyword_matcher.h"
#include "search/list_item_text.h"

namespace ledgerleaf {
namespace {

struct MatchCase {
    const char* what;
    const char* keyword;
    const char* memo;
    bool found;
};

TEST(KeywordMatcherTest, FindsTheKeywordIgnoringLetterCaseInEveryScript) {
    const MatchCase cases[] = {
        {"latin lower finds upper", "hello", "Say HELLO to her", true},
        {"latin upper finds lower", "WORLD", "hello world", true},
        {"latin mixed", "QiNg", "今天qing天", true},
        {"full-width latin", "ａｂｃ", "记录ＡＢＣ的日子", true},
        {"full-width does not equal ascii", "abc", "ＡＢＣ", false},
        {"greek", "σοφια", "ΣΟΦΙΑ", true},
        {"greek final sigma folds", "ς", "Σ", true},
        {"cyrillic", "москва", "Я был в МОСКВЕ", false},
        {"cyrillic same form", "москве", "Я был в МОСКВЕ", true},
        {"german sharp s full folding", "strasse", "STRAßE", true},
        {"chinese exact", "公园", "今天去了公园散步", true},
        {"chinese other", "公园", "今天去了花园", false},
        {"keyword is the whole memo", "全文", "全文", true},
        {"keyword longer than memo", "今天天气", "今天", false},
        {"empty memo never matches", "a", "", false},
        {"digits and punctuation", "10:30", "会议在10:30开始", true},
        // In GBK, 中 is D6 D0 and 文 is CE C4; "中文" is D6 D0 CE C4. The bytes D0 CE are the
        // GBK code of 形: a byte-wise search in the code page would find 形 inside 中文.
        {"no match across two chinese characters", "形", "中文", false},
        {"dotted capital i folds to i with dot", "i̇", "İstanbul", true},
    };
    for (const MatchCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(KeywordMatcher(c.keyword).matches(c.memo), c.found);
    }
}

TEST(KeywordMatcherTest, EmptyKeywordIsEmptyAndMatchesNothing) {
    const KeywordMatcher matcher("");
    EXPECT_TRUE(matcher.empty());
    EXPECT_FALSE(matcher.matches("anything"));
}

struct ItemTextCase {
    int year, month, day;
    bool picture;
    const char* monthItem;
    const char* resultItem;
};

TEST(ListItemTextTest, DaysAndMonthsArePaddedAsEachListWants) {
    const ItemTextCase cases[] = {
        {2011, 4, 5, true, "2011年4月05日(P)", "2011年04月05日(P)"},
        {2011, 4, 15, false, "2011年4月15日", "2011年04月15日"},
        {2011, 11, 20, false, "2011年11月20日", "2011年11月20日"},
        {2011, 11, 9, true, "2011年11月09日(P)", "2011年11月09日(P)"},
        {2011, 12, 31, false, "2011年12月31日", "2011年12月31日"},
        {905, 1, 1, false, "905年1月01日", "905年01月01日"},
    };
    for (const ItemTextCase& c : cases) {
        const double date = *fromParts({c.year, c.month, c.day});
        EXPECT_EQ(monthListItemText(date, c.picture), c.monthItem);
        EXPECT_EQ(resultListItemText(date, c.picture), c.resultItem);
    }
}

TEST(ListItemTextTest, StatusLineForAMonthWithAndWithoutValidDays) {
    EXPECT_EQ(monthStatusText(2011, 4, 0, 0), "2011年4月无有效记录！|目前数据库中共有0条记录");
    EXPECT_EQ(monthStatusText(2011, 12, 3, 250),
              "2011年12月有效记录共3天|目前数据库中共有250条记录");
}

}  // namespace
}  // namespace ledgerleaf
