#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Mutants of the engine: each changes one threshold, window or comparison, is built (the
# engine's test target only) and runs the engine's tests. A mutant is killed when a test fails
# (or it no longer builds). Prints each outcome, then the score and the survivors.
#   bash workstation/autoscale/mutants.sh [BUILD_DIR]
# The build folder should use ccache; the sources are restored after each mutant.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-$root/build}
# file | exact text | replacement (the first occurrence is changed)
mutants=$(cat <<'LIST'
echoes.cpp|constexpr int threshold_floor = 28;|constexpr int threshold_floor = 60;
echoes.cpp|static_cast<int>(b50 + 3.3 * sigma)|static_cast<int>(b50 + 1.5 * sigma)
echoes.cpp|std::max(10, s30[i] / 2)|std::max(40, s30[i] / 2)
echoes.cpp|kept[k] = neighbours >= 3;|kept[k] = neighbours >= 8;
echoes.cpp|return 85.5 + 4.5 * index;|return 83.25 + 4.5 * index;
echoes.cpp|constexpr int climb = 25;|constexpr int climb = 250;
echoes.cpp|if (low >= 2 * base.low + 17 && low <= 2 * top + 20)|if (low >= 2 * base.low + 27 && low <= 2 * top + 20)
traces.cpp|const int slack = 2 + 3 * passed;|const int slack = 0 + 3 * passed;
traces.cpp|return gap > max_gap;|return gap >= max_gap;
scene.cpp|return 10 * repeated >= 6 * trace.points.size();|return 10 * repeated >= 2 * trace.points.size();
scene.cpp|2.5 * scene.image.step + 1e-9|0.5 * scene.image.step + 1e-9
f_cusps.cpp|constexpr double match_window = 0.8;|constexpr double match_window = 0.2;
f_cusps.cpp|constexpr int steep_cells = 3;|constexpr int steep_cells = 30;
f_cusps.cpp|constexpr int twin_cells = 2;|constexpr int twin_cells = 8;
f_cusps.cpp|constexpr double twin_score = 0.5;|constexpr double twin_score = 0.95;
f_cusps.cpp|constexpr double single_score = 0.1;|constexpr double single_score = 0.6;
f_cusps.cpp|constexpr double cusp_bonus = 0.25;|constexpr double cusp_bonus = 0.0;
f_cusps.cpp|constexpr int lead_in_rise = 3;|constexpr int lead_in_rise = 40;
f_cusps.cpp|constexpr double oblique_window = 0.5;|constexpr double oblique_window = 1.5;
f_cusps.cpp|constexpr int oblique_below = 3;|constexpr int oblique_below = -3;
f_cusps.cpp|constexpr double spread_window = 0.5;|constexpr double spread_window = 3.0;
f_cusps.cpp|return with_echo >= 2 && 10 * with_echo >= 3 * columns;|return with_echo >= 0;
f_cusps.cpp|constexpr int speckle_pieces = 3;|constexpr int speckle_pieces = 30;
f_cusps.cpp|constexpr int speckle_pieces = 3;|constexpr int speckle_pieces = 2;
f_cusps.cpp|return columns > 0 && 10 * speckled >= 3 * columns;|return columns > 0 && 10 * speckled >= 1 * columns;
f_cusps.cpp|constexpr double speckle_below = 0.5;|constexpr double speckle_below = 0.05;
f_cusps.cpp|constexpr double cusp_rise = 40;|constexpr double cusp_rise = 140;
f_cusps.cpp|constexpr int vertical_cells = 12;|constexpr int vertical_cells = 30;
f_cusps.cpp|return tested >= 3 && 2 * lower >= tested;|return tested >= 3 && 2 * lower >= 0;
f_cusps.cpp|constexpr double f1_below_f2 = 0.8;|constexpr double f1_below_f2 = 2.5;
f_layers.cpp|constexpr double measured_pair = 0.9;|constexpr double measured_pair = 0.45;
f_layers.cpp|constexpr double guessed_pair = 0.35;|constexpr double guessed_pair = 0.95;
f_layers.cpp|constexpr double single_trace = 0.8;|constexpr double single_trace = 0.3;
f_layers.cpp|constexpr double standing_ordinary = 100;|constexpr double standing_ordinary = 400;
f_cusps.cpp|constexpr double rising_into_lines = 40;|constexpr double rising_into_lines = 0;
f_cusps.cpp|2 * pair.match.covered < pair.match.tested)|0 * pair.match.covered < pair.match.tested)
f_layers.cpp|constexpr int faint_below = 110;|constexpr int faint_below = 250;
day_series.cpp|fo > within.second + 1e-9)|fo > within.second + 9)
f_layers.cpp|constexpr std::size_t plain_top_cusps = 3;|constexpr std::size_t plain_top_cusps = 1;
f_layers.cpp|return static_cast<std::size_t>(near) <= plain_top_cusps;|return static_cast<std::size_t>(near) > 1000;
f_layers.cpp|        !leads_in(scene, *f2.ordinary))|        (!leads_in(scene, *f2.ordinary) && false))
f_layers.cpp|constexpr int f2_above_f1 = 4;|constexpr int f2_above_f1 = 40;
f_layers.cpp|const double f = scene.frequency(point.column) - separation - half_step;|const double f = scene.frequency(point.column) - 0 * separation - half_step;
low_layers.cpp|constexpr double e_cusp_rise = 20;|constexpr double e_cusp_rise = 80;
low_layers.cpp|constexpr int highest_upturn = 3;|constexpr int highest_upturn = 12;
low_layers.cpp|constexpr double shortest_sporadic = 0.25;|constexpr double shortest_sporadic = 2.5;
low_layers.cpp|0.12 + scene.image.step)|0.02)
proposals.h|inline constexpr double proposal_threshold = 0.5;|inline constexpr double proposal_threshold = 0.2;
proposals.cpp|constexpr double blanketing_margin = 0.15;|constexpr double blanketing_margin = 1.5;
f_trace.cpp|envelope[j].index <= envelope[k].index + 1;|envelope[j].index <= envelope[k].index + 9;
chapman.cpp|constexpr double dz = 0.01;|constexpr double dz = 0.3;
solar_e.cpp|constexpr double worst_rms = 0.08;|constexpr double worst_rms = 0.8;
scene.h|inline constexpr double shortest_telling_trace = 0.2;|inline constexpr double shortest_telling_trace = 0.0;
scene.h|static constexpr double coarsest_step = 0.25;|static constexpr double coarsest_step = 0.6;
low_layers.cpp|constexpr double e_beyond_f_start = 0.25;|constexpr double e_beyond_f_start = 10.0;
f_cusps.cpp|constexpr double copy_rise = 70;|constexpr double copy_rise = 400;
f_cusps.cpp|constexpr double single_window = 1.5;|constexpr double single_window = 0.5;
f_cusps.cpp|constexpr int single_columns = 8;|constexpr int single_columns = 80;
f_cusps.cpp|constexpr int single_rise = 4;|constexpr int single_rise = 40;
f_cusps.cpp|constexpr double single_steep = 0.5;|constexpr double single_steep = 0.0;
f_cusps.cpp|constexpr int spread_above = 30;|constexpr int spread_above = 300;
f_cusps.cpp|std::abs(trace_edge - top_edge) < copy_above|std::abs(trace_edge - top_edge) < -1
f_cusps.cpp|edge > top_edge - copy_above)|edge > top_edge + 30)
f_cusps.cpp|!scene.image.columns[static_cast<std::size_t>(point.column)].interference|true
f_cusps.cpp|if (twin->trace == nullptr)|if (false)
f_cusps.cpp|if (column.interference)|if (false)
scene.cpp|constexpr int long_pulse = 8;|constexpr int long_pulse = 80;
scene.cpp|return quartile >= long_pulse ? quartile - 1 : pulse_tail;|return quartile >= long_pulse ? quartile + 3 : pulse_tail;
scene.cpp|if (trace.points[k].low <= e_region_highest &&|if (trace.points[k].low <= 150 &&
f_cusps.cpp|constexpr int crowded_cusps = 7;|constexpr int crowded_cusps = 70;
f_cusps.cpp|constexpr double crowd_beyond = 0.3;|constexpr double crowd_beyond = -0.3;
f_cusps.cpp|constexpr double crowd_below = 0.5;|constexpr double crowd_below = -0.3;
f_cusps.cpp|crowded_cusps + (pair.oblique ? 2 : 0)|crowded_cusps + (pair.oblique ? 0 : 0)
f_cusps.cpp|constexpr int standing_below = 5;|constexpr int standing_below = 0;
f_cusps.cpp|constexpr int standing_cells = 6;|constexpr int standing_cells = 12;
f_cusps.cpp|if (near_top && 2 * (segment.high - segment.low) >= height)|if (near_top || 2 * (segment.high - segment.low) >= height)
f_cusps.cpp|const int foot = std::max(segment.low, on);|const int foot = segment.low;
f_cusps.cpp|height_of(foot) - height_of(edge) < cusp_rise)|height_of(foot) - height_of(edge) < 0)
f_cusps.cpp|            std::fabs(f - copy_ordinary) <= near|            false
f_cusps.cpp|        if (!rises_below(*it, top_edge))|        if (std::fabs(f - copy_ordinary) <= near || !rises_below(*it, top_edge))
f_cusps.cpp|copy_edge < 0 ? top_edge : copy_edge|copy_edge < -1 ? top_edge : copy_edge
f_cusps.cpp|top_edge >= copy_edge - 2 * standing_below)|top_edge >= copy_edge - 200 * standing_below)
f_cusps.cpp|rises_below(*it, copy_edge) && it->cusp.index >= copy_edge &&|rises_below(*it, copy_edge) && it->cusp.index >= 0 &&
f_cusps.cpp|std::fabs(fo - copy_ordinary) >= shift_least - 1e-9 && line_beside(scene, twin) &&|std::fabs(fo - copy_ordinary) >= shift_least - 1e-9 && true &&
f_cusps.cpp|return std::make_pair(Cusp{twin, it->cusp.index, 0, nullptr}, it->cusp);|return std::nullopt;
f_cusps.cpp|std::fabs(scene.frequency(twin) - copy_ordinary) >= shift_least + 1e-9)|std::fabs(scene.frequency(twin) - copy_ordinary) >= 0.0)
f_cusps.cpp|constexpr int rising_on = 3;|constexpr int rising_on = -1;
f_cusps.cpp|constexpr int line_slack = 2;|constexpr int line_slack = 0;
f_layers.cpp|constexpr double layer_jump = 100;|constexpr double layer_jump = 1000;
f_layers.cpp|constexpr double layer_jump_window = 0.35;|constexpr double layer_jump_window = 0.15;
day_series.cpp|constexpr double e_spread = 0.35;|constexpr double e_spread = 0.6;
day_series.cpp|constexpr double most_stray_e = 0.25;|constexpr double most_stray_e = 0.0;
day_series.cpp|    if (!fit_solar_e(readings))|    if (false)
f_cusps.cpp|constexpr double copy_separation_slack = 0.05;|constexpr double copy_separation_slack = 0.0;
day_series.cpp|: both_waves && read_ordinary_only(t.proposals);|: both_waves && !both_waves;
day_series.cpp|constexpr double gyro_spread = 0.3;|constexpr double gyro_spread = 0.7;
day_series.cpp|constexpr std::size_t gyro_pairs = 8;|constexpr std::size_t gyro_pairs = 3;
f_cusps.cpp|segment.low > tall.high)|segment.low > tall.high + 40)
f_cusps.cpp|segment.low <= current.low + join_slack &&|segment.low <= current.low + 30 &&
f_cusps.cpp|if (column.frequency <= wanted + 1e-9)|if (column.frequency <= wanted + 0.1)
f_layers.cpp|constexpr double beyond_top_cusp = 1.0;|constexpr double beyond_top_cusp = 20.0;
f_trace.cpp|constexpr int spike_rise = 4;|constexpr int spike_rise = 6;
f_trace.cpp|constexpr double spike_window = 0.15;|constexpr double spike_window = 0.01;
f_trace.cpp|constexpr double flattest_f_span = 3.0;|constexpr double flattest_f_span = 6.0;
f_trace.cpp|constexpr double longer_trace = 0.5;|constexpr double longer_trace = 0.2;
f_trace.cpp|if (f.rise > 2 |if (f.rise > 0 
day_series.cpp|constexpr double steadiest_hF = 20;|constexpr double steadiest_hF = 200;
day_series.cpp|constexpr double f1_fall = 0.3;|constexpr double f1_fall = -5.0;
day_series.cpp|(clear_after && t.minute >= *clear_after)|(clear_after && t.minute >= 0)
day_series.cpp|    if (!with_f1 && !f1.told_at(day[k])) {|    if (false) {
f_layers.cpp|if (!fit && result.start_hidden) {|if (false) {
f_layers.cpp|constexpr double sweep_end = 0.1;|constexpr double sweep_end = -1.0;
low_layers.cpp|        if (between) {|        if (false) {
day_series.cpp|day[k].minute, steadiest_hF,|day[k].minute, 1e9,
low_layers.cpp|constexpr double shortest_e_trace = 0.3;|constexpr double shortest_e_trace = 0.0;
f_layers.cpp|        if (near_station && scene.coarse())|        if (false)
low_layers.cpp|std::min(0.7, result.foE->confidence)|std::max(0.7, result.foE->confidence)
day_series.cpp|foF1 && sun->foE_at(t.minute) > 0) {|foF1) {
low_layers.cpp|constexpr int beside_run_top = 3;|constexpr int beside_run_top = -20;
f_cusps.cpp|own > point->low - scene.pulse - twin_cells|own > point->low - pulse_tail - twin_cells
day_series.cpp|read.single < lone_over_pairs * read.told.size())|read.single < 0 * read.told.size())
day_series.cpp|t.f_trace.peak_height.reset();|t.proposals.separation = 0.0;
scene.cpp|constexpr double noise_row_span = 2.0;|constexpr double noise_row_span = 20.0;
scene.cpp|gap = covered_at(end, j) ? 0 : gap + 1;|gap = covered_at(end, j) ? 0 : gap_columns + 1;
scene.cpp|constexpr double row_gap = 0.25;|constexpr double row_gap = 0.1;
scene.cpp|if (2 * singles_in >= open &&|if (true &&
f_cusps.cpp|if (edge >= 0 && copy_edge >= 0 && edge > copy_edge)|if (edge >= 0 && copy_edge >= 0 && edge > copy_edge + 100)
day_series.cpp|constexpr double guess_spread = 0.15;|constexpr double guess_spread = -1;
day_series.cpp|constexpr double guess_spread = 0.15;|constexpr double guess_spread = 1.0;
f_layers.cpp|constexpr int coarse_climb = 3;|constexpr int coarse_climb = 30;
scene.h|static constexpr double finest_coarse_step = 0.1;|static constexpr double finest_coarse_step = 0.2;
day_series.cpp|(read_from && t.minute >= *read_from && t.minute <= *read_to)|false
echoes.cpp|if (r30 < floor + std::max(10, floor / 2)|if (r30 < floor + 1000
echoes.cpp|r50 >= level)|r50 >= level + 1000)
echoes.cpp|static_cast<int>(r50 + 3.3 * 3.0 * (r50 - r30));|static_cast<int>(r50 + 1.0 * (r50 - r30));
f_layers.cpp|constexpr int untested_pair = 3;|constexpr int untested_pair = 0;
f_layers.cpp|constexpr std::size_t plain_cusps = 6;|constexpr std::size_t plain_cusps = 60;
f_layers.cpp|shape == 1 && !f2->oblique && top_sure > 0 &&|shape == 1 && !f2->oblique &&
f_layers.cpp|f2->match.tested < untested_pair && !scene.coarse();|f2->match.tested < untested_pair;
f_layers.cpp|constexpr std::size_t crowd_cusps = 10;|constexpr std::size_t crowd_cusps = 0;
f_cusps.cpp|constexpr double coarse_closest = 0.3;|constexpr double coarse_closest = 0.1;
f_cusps.cpp|constexpr int coarse_apart = 2;|constexpr int coarse_apart = 12;
f_cusps.cpp|constexpr int coarse_standing = 6;|constexpr int coarse_standing = 14;
f_cusps.cpp|next->low > end->high + rising_on|next->low > end->high + 30
f_cusps.cpp|pair.ordinary_behind_line = upper.low < end->low;|pair.ordinary_behind_line = true;
f_cusps.cpp|                        columns[static_cast<std::size_t>(c + 2)].interference)|                        false)
f_layers.cpp|            if (f2->ordinary_behind_line)|            if (false)
f_cusps.cpp|            lone(next))|            false)
f_layers.cpp|point.index <= lowest.index - 2)|point.index <= lowest.index - 20)
low_layers.cpp|result.foE->value += scene.image.step / 2;|result.foE->value += 0;
f_cusps.cpp|!(among_pieces && stands_apart(scene, trace, 2 * gap, false));|!(among_pieces && false);
f_cusps.cpp|stands_apart(scene, trace, 2 * gap, false)|stands_apart(scene, trace, gap, false)
f_cusps.cpp|(c + 1 < columns.size() && columns[c + 1].interference))|(false))
f_cusps.cpp|!columns[c - 1].interference|columns[c - 1].interference
f_layers.cpp|f2->standing_beyond_lines|false
f_cusps.cpp|return segment->high == segment->low; };|return segment->high < segment->low; };
f_cusps.cpp|    if (beyond >= 2)|    if (beyond >= 20)
f_cusps.cpp|fx + 1 < count && columns[static_cast<std::size_t>(fx + 1)].interference;|false;
f_cusps.cpp|if (columns[static_cast<std::size_t>(c + 1)].interference)|if (false)
f_layers.cpp|            result.foF2->value += scene.image.step / 2;|
day_series.cpp|constexpr double highest_matched = 0.7;|constexpr double highest_matched = 2.0;
day_series.cpp|constexpr int longest_hF_span = 60;|constexpr int longest_hF_span = 600;
chapman.cpp|constexpr double above_trace = 20.0; // km|constexpr double above_trace = 400.0; // km
chapman.cpp|m <= by_frequency.size() / 4;|m <= by_frequency.size() / 40;
low_layers.cpp|if (e.guessed && result.foE && result.foEs && !scene.too_coarse() &&|if (false && result.foE && result.foEs && !scene.too_coarse() &&
low_layers.cpp|return scene.frequency(c) > top->value + 1e-9; });|return scene.frequency(c) > top->value + 100; });
f_cusps.cpp|segment.high - segment.low >= standing_cells)|segment.high - segment.low >= 0)
f_cusps.cpp|other.index >= cusp.index + copy_above)|other.index >= cusp.index - copy_above)
f_cusps.cpp|own_edge <= other_edge - copy_above;|own_edge <= other_edge - 300;
f_cusps.cpp|(twin->trace == nullptr && !line_beside(scene, twin->column)))|(false))
f_cusps.cpp|constexpr int join_slack = 1;|constexpr int join_slack = 0;
f_cusps.cpp|if (!stands_at_cusp(scene, *it) && !line_beside(scene, it->column))|if (false)
f_cusps.cpp|constexpr int climb_least = 2;|constexpr int climb_least = 20;
f_cusps.cpp|constexpr int climb_slack = 3;|constexpr int climb_slack = 0;
f_cusps.cpp|return point.high - point.low > pulse_tail; }|return point.high - point.low > 100; }
f_cusps.cpp|            if (above > 1)|            if (above > 9)
f_cusps.cpp|const double most = end.low + 2 * rise|const double most = end.low + 1 * rise
f_cusps.cpp|constexpr double short_separation = 0.25;|constexpr double short_separation = 0.0;
f_cusps.cpp|if (count >= 3 && cusp.index > highest && count > best_count) {|if (count >= 3 && count > best_count) {
f_layers.cpp|f2->trace_separation.value_or(result.separation)|result.separation
f_cusps.cpp|constexpr double apart_span = 0.5;|constexpr double apart_span = 0.0;
f_cusps.cpp|constexpr double apart_gap = 1.0;|constexpr double apart_gap = 20.0;
f_cusps.cpp|constexpr int twin_pairs = 2;|constexpr int twin_pairs = 9;
f_cusps.cpp|pairs[static_cast<std::size_t>(k)] + pairs[static_cast<std::size_t>(k) + 1] >=|pairs[static_cast<std::size_t>(k)] + 0 >=
f_cusps.cpp|if (found && k > *found + 1)|if (found && k > *found + 100)
f_cusps.cpp|constexpr int piece_echoes = 4;|constexpr int piece_echoes = 40;
f_cusps.cpp|constexpr double piece_span = 0.2;|constexpr double piece_span = 2.0;
f_cusps.cpp|return std::abs(k - best) > 1;|return std::abs(k - best) > 100;
f_cusps.cpp|if (pair.lead_in && pair.match.tested < 3)|if (pair.lead_in && pair.match.tested < 0)
f_cusps.cpp|constexpr double seen_beyond = 0.1;|constexpr double seen_beyond = 0.3;
f_cusps.cpp|(measured && line(last + 2))|(measured && line(last + 9))
f_cusps.cpp|if (!lowest_echo && segment.high >= highest - twin_cells)|if (!lowest_echo && segment.high >= highest + 40)
f_trace.cpp|run->high - run->low <= scene.pulse|run->high - run->low <= 6 * scene.pulse
f_trace.cpp|return line_piece(scene, envelope, first, last) && higher_beside(last + 1, last);|return (line_piece(scene, envelope, first, last) or true) && higher_beside(last + 1, last);
low_layers.cpp|constexpr double hidden_f_start = 0.5;|constexpr double hidden_f_start = 1.5;
low_layers.cpp|constexpr double hidden_f_start = 0.5;|constexpr double hidden_f_start = 0.0;
autoscale.cpp|    if (low.f_start_hidden)|    if (low.f_start_hidden && false)
f_layers.cpp|constexpr double flat_start = 0.3;|constexpr double flat_start = 0.0;
f_layers.cpp|result.seen_flat = high - low <= 1 &&|result.seen_flat = high - low <= 100 &&
low_layers.cpp|const bool base_seen = f_layers.seen_descending && !twin_seen;|const bool base_seen = true || twin_seen;
low_layers.cpp|const bool base_seen = f_layers.seen_descending && !twin_seen;|const bool base_seen = false && twin_seen;
f_layers.cpp|constexpr int base_descent = 2;|constexpr int base_descent = 5;
f_layers.cpp|constexpr double came_down_over = 0.3;|constexpr double came_down_over = 0.0;
f_layers.cpp|constexpr double carried_within = 0.15;|constexpr double carried_within = 0.6;
f_layers.cpp|                return false; // rising from the base seen|                continue; // rising from the base seen
f_layers.cpp|return segment.low >= level - 1 && segment.low <= level + base_descent + 1;|return segment.low <= level + base_descent + 1 && segment.high >= level - 1;
f_cusps.cpp|{{15, 0.03}, {10, 0.08}, {8, 0.15}, {6, 0.33}, {5, 0.38}}}|{{15, 0.03}, {10, 0.08}, {8, 0.15}, {6, 0.2}, {5, 0.38}}}
f_cusps.cpp|{{15, 0.03}, {10, 0.08}, {8, 0.15}, {6, 0.33}, {5, 0.38}}}|{{15, 0.03}, {12, 0.08}, {8, 0.15}, {6, 0.33}, {5, 0.38}}}
f_cusps.cpp|{{15, 0.03}, {10, 0.08}, {8, 0.15}, {6, 0.33}, {5, 0.38}}}|{{19, 0.03}, {10, 0.08}, {8, 0.15}, {6, 0.33}, {5, 0.38}}}
f_cusps.cpp|constexpr double step_off_separation = 0.1;|constexpr double step_off_separation = -0.1;
f_cusps.cpp|constexpr int thin_excess = 4;|constexpr int thin_excess = 40;
f_cusps.cpp|constexpr int thin_measured = 4;|constexpr int thin_measured = 40;
f_cusps.cpp|constexpr int thinnest_cusp_echo = 2;|constexpr int thinnest_cusp_echo = 5;
f_cusps.cpp|constexpr double just_below_cusp = -0.04;|constexpr double just_below_cusp = 0.25;
f_cusps.cpp|constexpr double merged_below = 0.3;|constexpr double merged_below = 0.1;
f_cusps.cpp|constexpr double thin_below = 0.33;|constexpr double thin_below = 0.1;
f_cusps.cpp|constexpr double at_cusp = 0.1;|constexpr double at_cusp = 0.01;
f_cusps.cpp|        before->high - before->low <= end->high - end->low) {|        before->high - before->low <= 100) {
f_cusps.cpp|    const int height = echo.high - echo.low - (scene.pulse - pulse_tail);|    const int height = echo.high - echo.low - scene.pulse;
f_cusps.cpp|    for (int c = last + 1; c < count; ++c)|    for (int c = count; c < count; ++c)
f_cusps.cpp|std::abs(upper.low - end->low) <= coarse_apart))|std::abs(upper.low - end->low) <= 20))
f_cusps.cpp|    const bool standing = extraordinary_below && *extraordinary_below < at_cusp;|    const bool standing = false;
f_cusps.cpp|before->high >= end->low + scene.pulse + 1;|before->high >= end->low;
f_cusps.cpp|    if (ordinary == nullptr && pair.hidden && twin_before && extraordinary_below &&|    if (ordinary == nullptr && twin_before && extraordinary_below &&
f_cusps.cpp|    const bool short_of_line = extraordinary_below && *extraordinary_below >= thin_below;|    const bool short_of_line = extraordinary_below.has_value();
f_cusps.cpp|    const bool before_line = last > 0 && columns[static_cast<std::size_t>(last - 1)].interference;|    const bool before_line = last > 0;
day_series.cpp|constexpr std::size_t twins_shown = 8;|constexpr std::size_t twins_shown = 6;
day_series.cpp|constexpr std::size_t twins_over_other = 4;|constexpr std::size_t twins_over_other = 2;
f_layers.cpp|                result.guessed->coarse = true;|                result.guessed->coarse = false;
f_layers.cpp|                result.foF2->confidence = std::min(result.foF2->confidence, guessed_pair);|                ;
f_cusps.cpp|constexpr int copied_columns = 3;|constexpr int copied_columns = 30;
f_cusps.cpp|constexpr int copy_cells_above = 20;|constexpr int copy_cells_above = 2;
f_cusps.cpp|        if (ordinary != nullptr && before_below && *before_below < thin_below)|        if (ordinary != nullptr && before_below && *before_below < 0.0)
f_cusps.cpp|constexpr double faint_alone = 0.4;|constexpr double faint_alone = 0.0;
f_cusps.cpp|constexpr int few_thin_excess = 6;|constexpr int few_thin_excess = 60;
f_cusps.cpp|constexpr int few_measured = 2;|constexpr int few_measured = 3;
f_layers.cpp|constexpr double merged_in_spread = 0.15;|constexpr double merged_in_spread = 0.0;
f_layers.cpp|2 * f2->match.covered >= f2->match.tested &&|f2->match.covered >= 0 &&
f_layers.cpp|result.separation > station_separation + scene.image.step / 2 + 1e-9;|result.separation > 0;
day_series.cpp|        } else if (guess->in_spread) {|        } else if (false) {
day_series.cpp|            muf->value = tool_muf(muf->value * moved);|            muf->value = tool_muf(muf->value);
f_cusps.cpp|!line_at(c - 1) && !line_at(c + 1)|!line_at(c - 1000) && !line_at(c + 1000)
f_layers.cpp|twins.size() == 1|twins.size() > 1
f_layers.cpp|if (lowest != nullptr && scene.pulse > pulse_tail) {|if (lowest != nullptr && scene.pulse > 100) {
f_layers.cpp|if (lowest != nullptr && scene.pulse > pulse_tail) {|if (lowest != nullptr) {
f_layers.cpp|constexpr int band_gap = 7;|constexpr int band_gap = 0;
f_layers.cpp|constexpr int band_beneath = 3;|constexpr int band_beneath = 30;
f_layers.cpp|constexpr std::size_t many_cusps = 10;|constexpr std::size_t many_cusps = 6;
f_layers.cpp|constexpr std::size_t many_cusps = 10;|constexpr std::size_t many_cusps = 100;
f_layers.cpp|(untested_among_many && !told)|(untested_among_many && told)
f_layers.cpp|!untested_among_many && cusps.size() <= many_cusps &&|!untested_among_many &&
f_layers.cpp|2 * f2->match.covered < f2->match.tested;|true;
f_layers.cpp|modest_crowd ? f2->oblique|modest_crowd ? false
f_layers.cpp|f2->lead_in && top_sure > 0 && cusps.size() <= crowd_cusps;|!f2->oblique && f2->lead_in && top_sure > 0 && cusps.size() <= crowd_cusps;
f_layers.cpp|!scene.coarse() && f2->ordinary && leads_in(scene, *f2->ordinary) &&|f2->ordinary && leads_in(scene, *f2->ordinary) &&
f_layers.cpp|!scene.coarse() && f2->ordinary && leads_in(scene, *f2->ordinary) &&|!scene.coarse() && f2->ordinary &&
day_series.cpp|constexpr double weakly_matched_near = 0.2;|constexpr double weakly_matched_near = 0.3;
day_series.cpp|constexpr double near_reading = 0.3;|constexpr double near_reading = 3.0;
day_series.cpp|constexpr double field_placed = 0.1;|constexpr double field_placed = 0.2;
day_series.cpp|constexpr double field_placed = 0.1;|constexpr double field_placed = 0.0;
day_series.cpp|        } else if (!guess->near_readings) {|        } else if (true) {
day_series.cpp|constexpr double field_placed_near = 0.15;|constexpr double field_placed_near = 0.1;
day_series.cpp|constexpr double placed_near_reading = 0.2;|constexpr double placed_near_reading = 2.0;
day_series.cpp|constexpr double copy_steadiest = 0.3;|constexpr double copy_steadiest = 3.0;
day_series.cpp|constexpr double copy_near = 0.08;|constexpr double copy_near = 0.3;
day_series.cpp|constexpr double copy_apart = 0.2;|constexpr double copy_apart = 0.05;
day_series.cpp|std::numeric_limits<int>::max(), read_plainly);|std::numeric_limits<int>::max(), read_value);
day_series.cpp|    confirm_guessed_pairs(day, true);|    confirm_guessed_pairs(day, false);
f_layers.cpp|result.guessed->copy_of = f2->copy_below;|result.guessed->copy_of = std::nullopt;
f_layers.cpp|constexpr double lower_beyond_window = 0.3;|constexpr double lower_beyond_window = 0.0;
f_layers.cpp|cusps.size() > crowd_cusps &&|cusps.size() > 2 * crowd_cusps &&
f_layers.cpp|!lower_cusp_beyond(scene, cusps, top)|!lower_cusp_beyond(scene, {}, top)
f_layers.cpp|cusp.index < top.index;|cusp.index > top.index;
f_layers.cpp|result.guessed->between_readings = large_crowd;|result.guessed->between_readings = false;
day_series.cpp|constexpr double crowd_between = 0.1;|constexpr double crowd_between = 0.3;
day_series.cpp|guess->between_readings ? foF2_around|false ? foF2_around
transmitter_lines.cpp|constexpr int parts_missed = 2;|constexpr int parts_missed = 4;
transmitter_lines.cpp|constexpr double line_share = 0.15;|constexpr double line_share = 0.1;
transmitter_lines.cpp|constexpr int fewest_parts = 8;|constexpr int fewest_parts = 4;
transmitter_lines.cpp|constexpr double beside_share = 0.08;|constexpr double beside_share = 0.04;
transmitter_lines.cpp|constexpr double beside_line = 0.06;|constexpr double beside_line = 0.11;
transmitter_lines.cpp|constexpr double separation_near = 0.15;|constexpr double separation_near = 0.25;
transmitter_lines.cpp|constexpr std::size_t separations_told = 8;|constexpr std::size_t separations_told = 6;
transmitter_lines.cpp|constexpr double clear_of_line = 0.06;|constexpr double clear_of_line = 0.0;
transmitter_lines.cpp|constexpr double guess_clear_of_line = 0.21;|constexpr double guess_clear_of_line = 0.06;
transmitter_lines.cpp|return guess && !before.f_trace.guessed &&|return guess && (before.f_trace.guessed || true) &&
transmitter_lines.cpp|t.f_trace = again->f_trace;|
transmitter_lines.cpp|t.proposals.separation = again->proposals.separation;|
echoes.cpp|std::fabs(at - static_cast<double>(i)) < 0.25)|std::fabs(at - static_cast<double>(i)) < 0.0)
day_series.cpp|constexpr double lone_extraordinary_near = 0.08;|constexpr double lone_extraordinary_near = 0.12;
day_series.cpp|constexpr int lone_extraordinary_span = 60;|constexpr int lone_extraordinary_span = 90;
day_series.cpp|constexpr double cusp_between = 0.06;|constexpr double cusp_between = 0.3;
f_layers.cpp|constexpr double sweep_end_beyond = 0.5;|constexpr double sweep_end_beyond = 0.2;
autoscale.cpp|reading.f_trace.untwinned_top = f.untwinned_top;|
day_series.cpp|return guess->fxI && !guess->coarse && !guess->copy_of ? &*guess->fxI : nullptr;|return guess->fxI && !guess->coarse ? &*guess->fxI : nullptr;
day_series.cpp|return guess->fxI && !guess->coarse && !guess->copy_of ? &*guess->fxI : nullptr;|return guess->fxI ? nullptr : nullptr;
day_series.cpp|constexpr double blanketed_lead_in = 0.3;|constexpr double blanketed_lead_in = 0.2;
day_series.cpp|guess->under_sporadic_e ? read_plainly : read_value)|read_value)
day_series.cpp|if (guess->under_sporadic_e && !sporadic_e_just_under(t, guess->foF2.value))|if (false && !sporadic_e_just_under(t, guess->foF2.value))
f_layers.cpp|under_sporadic_e ? std::nullopt : result.muf,|result.muf,
f_layers.cpp|!f2->crowded && !f2->oblique && top_sure > 0 && !scene.coarse() &&|!f2->crowded && !f2->oblique && top_sure > 5 && !scene.coarse() &&
f_layers.cpp|            result.guessed->near_readings = true;|            result.guessed->near_readings = false;
low_layers.cpp|const bool twin_seen = f_layers.seen_descending && f_layers.gyrofrequency &&|const bool twin_seen = false && f_layers.gyrofrequency &&
low_layers.cpp|constexpr double twin_start_below = 0.1;|constexpr double twin_start_below = -0.1;
low_layers.cpp|constexpr double twin_start_beyond = 0.15;|constexpr double twin_start_beyond = -0.05;
LIST
)
total=0
killed=0
survivors=()
while IFS='|' read -r file text replacement; do
  [[ -z "$file" ]] && continue
  path="$here/$file"
  total=$((total + 1))
  if ! grep -qF -- "$text" "$path"; then
    echo "mutant $total ($file): text not found, not counted: $text"
    total=$((total - 1))
    continue
  fi
  cp "$path" "$path.orig"
  MUTANT_TEXT="$text" MUTANT_NEW="$replacement" perl -0pi -e \
    'my $t = quotemeta $ENV{MUTANT_TEXT}; s/$t/$ENV{MUTANT_NEW}/' "$path"
  outcome=survived
  if ! cmake --build "$build" -j2 --target autoscale_tests >/dev/null 2>&1; then
    outcome="killed (no build)"
  elif ! timeout 300 "$build/tests/autoscale_tests" >/dev/null 2>&1; then
    outcome=killed
  fi
  mv "$path.orig" "$path"
  touch "$path"
  if [[ "$outcome" == survived ]]; then
    survivors+=("$file: $text -> $replacement")
  else
    killed=$((killed + 1))
  fi
  echo "mutant $total ($file): $outcome"
done <<<"$mutants"
cmake --build "$build" -j2 --target autoscale_tests >/dev/null 2>&1
echo "killed $killed of $total ($((100 * killed / total)) %)"
for s in "${survivors[@]+"${survivors[@]}"}"; do echo "survivor: $s"; done
