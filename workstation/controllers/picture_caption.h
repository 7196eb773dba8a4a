// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A saved picture of the plot: which part of the scaling form it holds, the line under it and
// the name the file dialog proposes.
#include "scaling/scaling_form.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace scalvo {

// The plot with its frame, grid and labels, in plot coordinates, corners included: right of
// the sheet column and its Es types step buttons, below the readout labels, down to just under
// the frequency labels.
struct PictureArea {
    int left, top, right, bottom;
    int width() const { return right - left + 1; }
    int height() const { return top - bottom + 1; }
};
inline constexpr PictureArea plot_picture_area{-3, 612, 794, -30};

// "Farnel  2026-12-05 07:45 UT   fmin 1.5ES  foF2 7.2UA ...": the station, the date and the
// time of the sounding, then every row of the sheet that holds something, as the operator reads
// it, and the particular case.
std::string picture_caption(const Scaling& scaling);

// "ZE20R_2026339074500.png" for "ZE20R_2026339074500.rdf".
std::string picture_file_name(std::string_view ionogram_file_name);

// What the file dialogs propose, in the working folder: the plot's picture is named after the
// sounding on screen ("scalvo.png" before one is loaded), the overview's after the day's file.
std::filesystem::path plot_picture_path(const Scaling& scaling);
std::filesystem::path overview_picture_path(const SharedState& shared);

} // namespace scalvo
