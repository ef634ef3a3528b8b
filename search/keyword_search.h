#pragma once

#include <string>
#include <vector>

namespace ledgerleaf {

class MemoDatabase;

// One day whose memo holds the keyword.
struct SearchHit {
    int number = 0;  // record number
    double date = 0;
    bool hasPicture = false;
};

// Looks for the keyword in every record's memo, in record order; each record matches at most
// once, and records with an empty memo never match (a picture alone is not searched).
// An empty keyword finds nothing.
std::vector<SearchHit> search_memos(MemoDatabase& db, const std::string& keyword);

}  // namespace ledgerleaf
