#pragma once

#include <string>

namespace ledgerleaf {

// Item text of the month list: the day always with two digits, the month as it is, "(P)" for a
// day with a picture: 2011年4月05日(P), 2011年4月15日.
std::string monthListItemText(double date, bool hasPicture);

// Item text of the search result list: month and day always with two digits, "(P)" for a day
// with a picture: 2011年04月05日(P), 2011年11月20日.
std::string resultListItemText(double date, bool hasPicture);

// The database status line after a month list refresh.
std::string monthStatusText(int year, int month, int validDays, int totalRecords);

}  // namespace ledgerleaf
