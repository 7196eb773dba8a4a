// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Leaving a sounding: Next, Previous, Escape back to the parameters form, closing the form.
// While looking only (shared look_only) each of them leaves without the checks and writes
// nothing.
#include "common/file_error.h"
#include "scaling/scaling_form.h"

#include <string>

namespace scalvo {

void successivo_click(Scaling& scaling);
void prima_click(Scaling& scaling);
// Straight to another sounding of the day (record n), through the chain of Next and Previous:
// the sounding left is checked and stored with the same messages, the sounding reached is
// loaded and remembered. A jump forwards sets the day or night indication as Next does.
// Nothing happens for the record on screen or one the day does not have.
void go_to_record(Scaling& scaling, int record);
// Escape: the sheet stored, back to the parameters form. Returns true when the parameters
// form is to be shown.
bool end_of_scaling(Scaling& scaling);
// Closing the form by any means; false cancels the closing. When the record cannot be stored
// the operator chooses between staying (the default) and closing without it.
bool form_query_unload(Scaling& scaling);

// The question asked when closing finds that the record cannot be stored.
std::string unstored_record_question(const Scaling& scaling, const FileError& error);

// Said after a case code that could not be written into its ionogram file.
inline constexpr const char* case_code_not_written_note =
    "The particular case is kept in the day's record all the same.";

} // namespace scalvo
