// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Warnings right after a pick on the plot: is the position plausible for the characteristic,
// and does the new value agree with the related values already on the sheet. Yes/No boxes
// let the operator keep a doubtful value; OK boxes refuse it.
#include "scaling/m3000.h"
#include "scaling/scaling_form.h"

namespace scalvo {

// Height rows (hE, hEs, hF, hF2) clicked outside their plausible band ask whether to go on.
// Returns false when the operator answers No: nothing must be written.
bool height_plausible(Scaling& scaling, Row row, int y);

// foE and foF1 are scaled below 10 MHz only. Returns false, after the message, at X >= 364.
bool frequency_below_10_mhz(Scaling& scaling, int x);

// The height just written for row against its neighbours (h'E - 10 <= h'Es <= h'F <= h'F2);
// No clears it and ends the checks.
void height_order_warnings(Scaling& scaling, Row row);

// fmin against foE after a pick of row (fmin or foE); No clears the value just picked.
void fmin_foE_warning(Scaling& scaling, Row row);

// The critical frequency just picked against its MUF(3000), when that is present: below it
// and not under a tenth of it. A refusal clears the critical frequency and the M(3000) value
// and returns false.
bool critical_frequency_warnings(Scaling& scaling, Layer layer);

} // namespace scalvo
