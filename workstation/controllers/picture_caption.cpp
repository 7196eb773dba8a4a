// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/picture_caption.h"

#include "common/conversions.h"
#include "common/shared_state.h"
#include "common/text.h"
#include "ionogram/case_code_file.h"
#include "scaling/value_units.h"

namespace scalvo {

std::string picture_caption(const Scaling& scaling) {
    const SharedState& shared = scaling.shared;
    const ScalingForm& form = scaling.form;
    std::string line;
    if (!shared.station_name.empty())
        line = shared.station_name + "  ";
    // dd-mm-yyyy as the date reads in a report: yyyy-mm-dd.
    const std::string& date = shared.working_date;
    line += mid(date, 7, 4) + "-" + mid(date, 4, 2) + "-" + mid(date, 1, 2) + " " +
            two_digit_text(shared.sounding_hour) + ":" + two_digit_text(shared.sounding_minute) +
            " UT ";
    bool any = false;
    for (const Row row : all_rows) {
        const std::string value = reading_of_code(row, form.text(value_box(row)));
        std::string letters;
        if (row != Row::es_types)
            letters = form.text(qualifying_box(row)) + form.text(descriptive_box(row));
        if (value.empty() && letters.empty())
            continue;
        line += "  " + std::string(caption(row)) + " " + value + letters;
        any = true;
    }
    if (!any)
        line += "  nothing scaled";
    const std::string_view code = code_of_case(form.particular_case_code);
    if (form.particular_case_code != ParticularCase::none && !code.empty())
        line += "  case " + std::string(code);
    return line;
}

std::string picture_file_name(std::string_view ionogram_file_name) {
    std::string name(ionogram_file_name);
    if (const auto dot = name.rfind('.'); dot != std::string::npos)
        name.erase(dot);
    return name + ".png";
}

std::filesystem::path plot_picture_path(const Scaling& scaling) {
    const std::string& ionogram = scaling.form.ionogram_file_name;
    return scaling.shared.program_folder /
           picture_file_name(ionogram.empty() ? "scalvo" : ionogram);
}

std::filesystem::path overview_picture_path(const SharedState& shared) {
    std::filesystem::path name = shared.scaled_values_file.stem();
    name += ".png";
    return shared.program_folder / name;
}

} // namespace scalvo
