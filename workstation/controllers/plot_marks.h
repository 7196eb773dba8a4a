// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The marks over the plot as the windows paint them: kinds, shapes, colours, and the plot area
// (columns 1 .. plot_right, rows 1 .. plot_top) they stay within.
#include "ionogram/plot_mapping.h"
#include "scaling/marks.h"
