#pragma once
// The sheet of a sounding as its 248-character record, and back.
#include "common/file_error.h"
#include "scaling/scaling_form.h"

#include <string>

namespace scalvo {

// The record of the sheet on screen at sounding_hour:sounding_minute, into current_record.
void compose_sheet_record(Scaling& scaling);
// current_record at current_record_number.
FileResult write_current_record(Scaling& scaling);
// Reads record n into buffer (current_record or previous_record).
FileResult read_record(Scaling& scaling, int n, std::string& buffer);
void fill_sheet_from_record(Scaling& scaling);
void riempimento_caselle_testo_ionogramma_precedente(Scaling& scaling);
void clear_previous_sounding_boxes(Scaling& scaling);
// The sheet and the previous-sounding boxes of the sounding on screen, from the file.
// A read failure is reported to the operator and leaves blank sheets.
void show_stored_sheets(Scaling& scaling);

} // namespace scalvo
