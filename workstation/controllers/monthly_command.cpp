// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/monthly_command.h"

#include "common/dialogs.h"
#include "common/shared_state.h"
#include "common/text.h"
#include "monthly/printed_tables.h"

namespace scalvo {

std::optional<MonthlyRequest> monthly_request(const SharedState& shared) {
    // dd-mm-yyyy
    const std::string& date = shared.working_date;
    const auto month = parse_month(mid(date, 7, 4) + "-" + mid(date, 4, 2));
    if (date.size() != 10 || !month)
        return std::nullopt;
    return request_for(*month, shared.program_folder);
}

std::string monthly_report_text(const MonthlyRequest& request, const MonthlyReport& report,
                                std::size_t shown) {
    std::string text;
    const auto line = [&text](const std::string& s) { text += s + "\r\n"; };
    if (report.written.empty()) {
        line("No file of " + month_name(request.month) + " was written.");
    } else {
        line("The monthly tables of " + month_name(request.month) + " are in " +
             request.out.string() + ":");
        for (const auto& file : report.written)
            line("  " + file.filename().string());
    }
    line("");
    if (report.problems.empty()) {
        line("Nothing was left out.");
    } else {
        line("Left out:");
        for (std::size_t k = 0; k < report.problems.size() && k < shown; ++k) {
            // Named from the working folder, which the operator knows: ionograms/ZE20R_...
            Problem p = report.problems[k];
            const std::filesystem::path inside = p.file.lexically_relative(request.folder);
            if (!inside.empty() && *inside.begin() != "..")
                p.file = inside;
            line("  " + problem_text(p));
        }
        if (report.problems.size() > shown)
            line("  and " + std::to_string(report.problems.size() - shown) +
                 " more (monthly_tables lists them all).");
    }
    text.resize(text.size() - 2); // no line break after the last line
    return text;
}

void run_monthly_tables(const SharedState& shared, Dialogs& dialogs, const StationReading& station,
                        const PictureMaker& picture) {
    const auto request = monthly_request(shared);
    if (!request) {
        dialogs.message("There is no working date to take the month from.", monthly_tables_title);
        return;
    }
    const MonthlyReport report = make_monthly_tables(*request, station, picture);
    dialogs.message(monthly_report_text(*request, report), monthly_tables_title,
                    report.problems.empty());
}

} // namespace scalvo
