// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > Monthly tables… of the scaling form: the month on screen, made as monthly_tables makes
// it, and a message that says where the files went and what was left out.
#include "monthly/monthly_run.h"

#include <optional>
#include <string>

namespace scalvo {

class Dialogs;
struct SharedState;

inline constexpr const char* monthly_tables_title = "Monthly tables";

// The month of the working date in the working folder; nullopt before a date is set.
std::optional<MonthlyRequest> monthly_request(const SharedState& shared);

// The files written, then at most `shown` of the problems and how many more there are.
std::string monthly_report_text(const MonthlyRequest& request, const MonthlyReport& report,
                                std::size_t shown = 8);

// Runs the month and tells the operator in one message box.
void run_monthly_tables(const SharedState& shared, Dialogs& dialogs, const StationReading& station,
                        const PictureMaker& picture);

} // namespace scalvo
