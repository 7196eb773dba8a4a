// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A month of entries set by hand, with its statistics, for the tests of what is made from it.
#include "monthly/month_tables.h"

#include "support/month_entries.h"

namespace scalvo::testing {

class MonthBuilder {
  public:
    explicit MonthBuilder(Month month) {
        tables_.month = month;
        tables_.days.resize(static_cast<std::size_t>(days_in(month)));
    }
    // Sets one entry, written as the printed tables show it (" 72UA").
    MonthBuilder& set(int day, int hour, Row row, std::string_view five) {
        at(day, hour, row) = entry(five);
        return *this;
    }
    MonthBuilder& es_types(int day, int hour, const std::string& text) {
        at(day, hour, Row::es_types).es_types = text;
        return *this;
    }
    MonthTables tables() {
        compute_statistics(tables_);
        return tables_;
    }

  private:
    Entry& at(int day, int hour, Row row) {
        return tables_
            .days[static_cast<std::size_t>(day - 1)][static_cast<std::size_t>(hour)][index_of(row)];
    }
    MonthTables tables_;
};

} // namespace scalvo::testing
