#include "search/keyword_search.h"

#include "search/keyword_matcher.h"
#include "store/memo_database.h"

namespace ledgerleaf {

std::vector<SearchHit> search_memos(MemoDatabase& db, const std::string& keyword) {
    std::vector<SearchHit> hits;
    const KeywordMatcher matcher(keyword);
    if (matcher.empty())
        return hits;
    std::vector<RecordSummary> candidates;
    db.for_each_summary([&](const RecordSummary& r) {
        if (!r.memoEmpty)
            candidates.push_back(r);
    });
    for (const RecordSummary& r : candidates) {
        db.go_to_record(r.number);
        if (matcher.matches(db.read_memo()))
            hits.push_back({r.number, r.date, !r.pictureEmpty});
    }
    return hits;
}

}  // namespace ledgerleaf
