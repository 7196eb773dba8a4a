// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sheet of a sounding as its 248-character record, and back.
#include "common/file_error.h"
#include "scaling/scaling_form.h"

#include <string>
#include <string_view>

namespace scalvo {

// The record of the sheet on screen at sounding_hour:sounding_minute, into current_record.
void compose_sheet_record(Scaling& scaling);
// current_record at current_record_number, the other records untouched. On failure nothing on
// screen changes and the caller reports the error.
FileResult write_current_record(Scaling& scaling);
// Reads record n into buffer (current_record or previous_record). A record the file does not
// hold (a file cut short) reads as blank; on failure the buffer is blank too.
FileResult read_record(Scaling& scaling, int n, std::string& buffer);
void fill_sheet_from_record(Scaling& scaling);
void riempimento_caselle_testo_ionogramma_precedente(Scaling& scaling);
void clear_previous_sounding_boxes(Scaling& scaling);
// The sheet and the previous-sounding boxes of the sounding on screen, from the file.
// A read failure is reported to the operator and leaves blank sheets.
void show_stored_sheets(Scaling& scaling);

// The text a box of the sheet gets from a record, as fill_sheet_from_record puts it there
// ("" for a previous-sounding box, which a record does not fill).
std::string record_text(std::string_view record, Box box);

// Whether a record's fixed parts stand where the layout puts them: the time "hh:mm" (two digits,
// a colon, two digits), every row's label and the blank at position 246. Says nothing of the
// fields.
bool record_layout_intact(std::string_view record);

// The 3-character value field of a value code: right-aligned digits. A code of 1000 ... 9000
// (an M(3000) factor of exactly 10.00 or more) is written "1E3" ... "9E3", which keeps every
// later field in its place, reads back as the same number, and cannot be taken for a code of
// digits.
std::string value_field(std::string_view box_text);
// The box text of a value field: blanks removed, "1E3" ... "9E3" back to "1000" ... "9000".
std::string value_of_field(std::string_view field);

} // namespace scalvo
