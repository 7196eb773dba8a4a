// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/sheet_record.h"

#include "common/conversions.h"
#include "common/shared_state.h"
#include "common/text.h"
#include "records/record_file.h"

#include <array>

namespace scalvo {

namespace {

// The rows in the order of the record, which differs from the sheet's: h'F2, foF2 and fxI
// follow foF1, the MUF(3000) and M(3000) rows come last.
struct RecordRow {
    Row row;
    std::string_view label; // fixed 10-character text before the row's fields
};

inline constexpr std::array<RecordRow, 16> record_rows{{
    {Row::fmin, " fmin    ="},
    {Row::hE, " h'E     ="},
    {Row::foE, " foE     ="},
    {Row::foEs, " foEs    ="},
    {Row::hEs, " h'Es    ="},
    {Row::es_types, " Es Type ="},
    {Row::fbEs, " fbEs    ="},
    {Row::hF, " h'F     ="},
    {Row::foF1, " foF1    ="},
    {Row::hF2, " h'F2    ="},
    {Row::foF2, " foF2    ="},
    {Row::fxI, " fxI     ="},
    {Row::MUF3000F1, " MUF F1  ="},
    {Row::M3000F1, " M3000 F1="},
    {Row::MUF3000F2, " MUF F2  ="},
    {Row::M3000F2, " M3000 F2="},
}};

constexpr std::size_t time_width = 5;   // "hh:mm"
constexpr std::size_t label_width = 10; // " fmin    ="
constexpr std::size_t value_width = 3;
constexpr std::size_t es_types_width = 5;
constexpr std::size_t es_types_length = 4; // the box's longest text; position 95 stays blank

bool is_es_types(const RecordRow& row) {
    return row.row == Row::es_types;
}

std::size_t row_width(const RecordRow& row) {
    return label_width + (is_es_types(row) ? es_types_width : value_width + 2);
}

std::string letter_field(std::string_view text) {
    return text.empty() ? std::string(" ") : std::string(text.substr(0, 1));
}

// A thousand-multiple code of four digits, as the digit before "E3"; 0 for any other text.
char thousands_digit(std::string_view code) {
    if (code.size() != 4 || code[0] < '1' || code[0] > '9' || code.substr(1) != "000")
        return 0;
    return code[0];
}

// Calls visit(row, 1-based position of the row's first field) for the rows in record order.
template <typename Visit> void for_each_record_row(Visit visit) {
    std::size_t position = time_width + 1;
    for (const RecordRow& row : record_rows) {
        visit(row, position + label_width);
        position += row_width(row);
    }
}

std::string field_text(std::string_view record, std::size_t position, std::size_t width) {
    return trim(mid(record, position, width));
}

} // namespace

std::string value_field(std::string_view box_text) {
    const std::string code = trim(box_text);
    if (code.size() <= value_width)
        return pad_left(code, value_width);
    if (const char digit = thousands_digit(code))
        return std::string(1, digit) + "E3";
    // No code of the sheet gets here; a text that cannot be stored must not shift the record
    // nor pass for a number.
    return std::string(value_width, '*');
}

std::string value_of_field(std::string_view field) {
    const std::string text = trim(field);
    if (text.size() == 3 && text[0] >= '1' && text[0] <= '9' && text.substr(1) == "E3")
        return text.substr(0, 1) + "000";
    return text;
}

namespace {

// One field of a row of a record, as its box shows it; the row's first field is at position.
std::string field_of(std::string_view record, const RecordRow& row, std::size_t position,
                     Field field) {
    switch (field) {
    case Field::value:
        return is_es_types(row) ? field_text(record, position, es_types_width)
                                : value_of_field(mid(record, position, value_width));
    case Field::qualifying:
        return field_text(record, position + value_width, 1);
    case Field::descriptive:
        return field_text(record, position + value_width + 1, 1);
    case Field::previous:
        break;
    }
    return "";
}

} // namespace

bool record_layout_intact(std::string_view record) {
    constexpr std::size_t text_length = record_length - 2; // without CR LF
    if (record.size() < text_length || record[text_length - 1] != ' ')
        return false;
    const auto digit = [&](std::size_t k) { return record[k] >= '0' && record[k] <= '9'; };
    if (!digit(0) || !digit(1) || record[2] != ':' || !digit(3) || !digit(4))
        return false;
    bool intact = true;
    for_each_record_row([&](const RecordRow& row, std::size_t position) {
        intact = intact && mid(record, position - label_width, label_width) == row.label;
    });
    return intact;
}

void compose_sheet_record(Scaling& scaling) {
    const ScalingForm& form = scaling.form;
    std::string record = two_digit_text(scaling.shared.sounding_hour) + ":" +
                         two_digit_text(scaling.shared.sounding_minute);
    for (const RecordRow& row : record_rows) {
        record += row.label;
        if (is_es_types(row)) {
            record +=
                pad_right(left(form.text(value_box(row.row)), es_types_length), es_types_width);
            continue;
        }
        record += value_field(form.text(value_box(row.row)));
        record += letter_field(form.text(qualifying_box(row.row)));
        record += letter_field(form.text(descriptive_box(row.row)));
    }
    record += " \r\n";
    scaling.form.current_record = std::move(record);
}

FileResult write_current_record(Scaling& scaling) {
    return write_record_at(scaling.shared.scaled_values_file, scaling.shared.current_record_number,
                           scaling.form.current_record);
}

FileResult read_record(Scaling& scaling, int n, std::string& buffer) {
    auto record = read_record_at(scaling.shared.scaled_values_file, n);
    if (failed(record)) {
        buffer = blank_record();
        return std::get<FileError>(record);
    }
    buffer = std::move(std::get<std::string>(record));
    return std::nullopt;
}

void fill_sheet_from_record(Scaling& scaling) {
    ScalingForm& form = scaling.form;
    const std::string& record = form.current_record;
    for_each_record_row([&](const RecordRow& row, std::size_t position) {
        for (const Field field : {Field::value, Field::qualifying, Field::descriptive})
            if (const Box box{row.row, field}; exists(box))
                form.set_text(box, field_of(record, row, position, field));
    });
}

std::string record_text(std::string_view record, Box box) {
    if (!exists(box))
        return "";
    std::string text;
    for_each_record_row([&](const RecordRow& row, std::size_t position) {
        if (row.row == box.row)
            text = field_of(record, row, position, box.field);
    });
    return text;
}

void riempimento_caselle_testo_ionogramma_precedente(Scaling& scaling) {
    ScalingForm& form = scaling.form;
    const std::string& record = form.previous_record;
    for_each_record_row([&](const RecordRow& row, std::size_t position) {
        std::string text = field_of(record, row, position, Field::value);
        if (!is_es_types(row))
            text += field_of(record, row, position, Field::qualifying) +
                    field_of(record, row, position, Field::descriptive);
        form.set_text(previous_box(row.row), text);
    });
}

void clear_previous_sounding_boxes(Scaling& scaling) {
    for (Row row : all_rows)
        scaling.form.set_text(previous_box(row), "");
}

void show_stored_sheets(Scaling& scaling) {
    ScalingForm& form = scaling.form;
    const int n = scaling.shared.current_record_number;
    FileResult error = read_record(scaling, n, form.current_record);
    fill_sheet_from_record(scaling);
    if (n <= 1) {
        clear_previous_sounding_boxes(scaling);
    } else {
        form.previous_record_number = static_cast<std::int16_t>(n - 1);
        FileResult previous_error = read_record(scaling, n - 1, form.previous_record);
        riempimento_caselle_testo_ionogramma_precedente(scaling);
        if (!error)
            error = std::move(previous_error);
    }
    // One box for both reads: they fail for the same file. Looking only, a day not started
    // has no file yet, and nothing stored: blank sheets.
    if (error && !(scaling.shared.look_only && is_missing(*error)))
        report_file_error(scaling.dialogs, *error);
}

} // namespace scalvo
