// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// monthly_<YYYY>_<MM>.iiwg: the month in the exchange format of URSI's Ionospheric Informatics
// Working Group, which the world data centres read: one station-month record of fixed-column
// lines (the README cites the published layout). The Es types, which have no number, are not
// in it.
#include "monthly/month_tables.h"
#include "monthly/station.h"

#include <string>
#include <string_view>

namespace scalvo {

// The name a characteristic has in the file's list (at most 10 characters): "MUF3000F1".
std::string_view iiwg_name(Row row);

// Lines end with CR LF.
std::string iiwg_file(const MonthTables& tables, const Station& station);

} // namespace scalvo
