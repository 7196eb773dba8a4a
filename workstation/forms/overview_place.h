// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the day overview goes: as a strip under the scaling form, or in a column beside it, as
// the operator chose (remembered between runs). Both keep the form's plot in sight and the
// overview entirely on the screen, moving the form towards the screen's edge when it leaves too
// little room.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace scalvo {

enum class OverviewPlace { under, beside };

struct OverviewPlacement {
    QPoint form;    // the scaling form's frame, top left
    QRect overview; // the overview's frame
};

// area: the screen's available area; form: the scaling form's frame as it is.
OverviewPlacement place_overview(OverviewPlace place, const QRect& area, const QRect& form);

// The choice remembered, else the one that gives the overview more room: beside where the
// screen leaves at least 600 pixels of width beside the form, else under it.
OverviewPlace remembered_place(const QRect& area, const QRect& form);
void remember_place(OverviewPlace place);

} // namespace scalvo
