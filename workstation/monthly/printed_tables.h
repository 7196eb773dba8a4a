// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// monthly_<YYYY>_<MM>.txt: the month's tables as a station prints them, one characteristic a
// page: days as rows, hours as columns, each value in its tabulation unit with its letters, and
// under each hour the count, the median and the quartiles.
#include "monthly/month_tables.h"
#include "monthly/station.h"

#include <string>

namespace scalvo {

// A value with its letters in five columns: the code right-aligned in three, the qualifying
// and descriptive letters (a blank for none). "  72UA", "    C" (a letter alone), blanks.
std::string tabulated(const Entry& entry);
std::string tabulated(const Statistic& statistic);

// Lines end with CR LF; a form feed starts each table after the first.
std::string printed_tables(const MonthTables& tables, const StationReading& station);

// "December 2026".
std::string month_name(Month month);

} // namespace scalvo
