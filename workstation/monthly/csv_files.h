// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The month for spreadsheets, in physical units (MHz, km, the M(3000) factor as a plain number):
// monthly_<YYYY>_<MM>.csv, one line per value, and monthly_<YYYY>_<MM>_medians.csv, one line per
// characteristic and hour. Each starts with its header line; lines end with CR LF.
#include "monthly/month_tables.h"

#include <string>

namespace scalvo {

// day,hour,characteristic,value,qualifying,descriptive. A value replaced by a letter has an
// empty value; an hour with neither value nor letter has no line. The Es types are their text.
std::string values_csv(const MonthTables& tables);

// characteristic,hour,count,median,upper_quartile,lower_quartile,upper_decile,lower_decile,
// for every characteristic with numbers. A statistic without a number is empty.
std::string medians_csv(const MonthTables& tables);

} // namespace scalvo
