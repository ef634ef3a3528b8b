#include "search/keyword_search.h"

#include "search/keyword_matcher.h"
#include "store/memo_database.h"

namespace ledgerleaf {

std::vector<SearchHit> search_memos(MemoDatabase& db, const std::string& keyword) {
    std::vector<SearchHit> hits;
    const KeywordMatcher matcher(keyword);
    if (matcher.empty())
        return hits;
    // One pass over the stored memos; records with an empty memo are skipped from memory.
    db.for_each_memo([&](const RecordSummary& r, std::string_view memo) {
        if (matcher.matches(memo))
            hits.push_back({r.number, r.date, !r.pictureEmpty});
    });
    return hits;
}

}  // namespace ledgerleaf
