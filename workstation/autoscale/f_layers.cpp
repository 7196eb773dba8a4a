// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/chapman.h"
#include "autoscale/f_cusps.h"
#include "autoscale/f_trace.h"
#include "autoscale/scene.h"
#include "ionogram/plot_mapping.h"
#include "ionogram/secant_law.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace scalvo::autoscale {

namespace {

// The F trace's first 0.3 MHz seen (0.2 MHz of echoes at least) within a cell: flat there.
// Coming down by 2 cells at least over it, the trace was seen descending to its base.
constexpr double flat_start = 0.3;
constexpr int base_descent = 2;

// h'F2 stands at least this many cells above h'F.
constexpr int f2_above_f1 = 4;
// How sure foF2 is (see the calibration in the README): the twin measured on the trace pairs, a
// single trace with no twin anywhere, a twin only guessed; times these where no trace leads into
// the cusp or echoes spread beyond it.
constexpr double measured_pair = 0.9;
constexpr double single_trace = 0.8;
constexpr double guessed_pair = 0.35;
constexpr double coarse_pair = 0.7;
constexpr double no_lead_in = 0.4;
constexpr double spread_beyond_cusp = 0.3;
// A multiple's band hides the base of the trace above it where its top lies within `band_gap`
// cells under the lowest echo and its leading edge `band_beneath` cells or more below it
// (farther than h'F may be off).
constexpr int band_gap = 7;
constexpr int band_beneath = 3;
// A guessed pair the day's field may confirm: its traces tested at this many echoes at least,
// this share of them matched (a cusp at the twin's place counts a quarter).
constexpr int guess_tested = 6;
constexpr double guess_score = 0.35;
// Or, where fewer than 3 echoes were tested, among no more than 6 cusps.
constexpr int untested_pair = 3;
constexpr std::size_t plain_cusps = 6;
// Nor among more than this many, whatever the day's readings around say.
constexpr std::size_t many_cusps = 10;
// Or where its ordinary cusp stands this high (km) over its trace, with no more than this many
// cusps within this far (MHz) of the top: a plain night or storm sounding whose twins run merged.
constexpr double standing_ordinary = 100;
constexpr std::size_t plain_top_cusps = 3;
constexpr double plain_top_window = 1.2;
// How far (MHz) beyond the last ordinary cusp standing out of a thick trace the true one may lie.
constexpr double merged_in_spread = 0.15;
// A measured pair among a crowd, where the whole sounding holds no more than 10.
constexpr std::size_t crowd_cusps = 10;
// Among more, not where a cusp stands lower within this far (MHz) beyond the extraordinary one.
constexpr double lower_beyond_window = 0.3;
// An echo this many levels of the receiver's logarithmic scale under the F trace's median is
// faint: what deviative absorption leaves of a trace lies far further under it than the trace's
// own fading reaches.
constexpr int faint_below = 110;
// h'F is read below the top cusp and this far (MHz) beyond it at most.
constexpr double beyond_top_cusp = 1.0;
// A top cusp this near the end of the sweep (MHz) may be only where the sweep cuts its trace off:
// it tells nothing.
constexpr double sweep_end = 0.1;
// A top cusp without twin this near it (MHz) is no extraordinary cusp for the day to pair: the
// sweep may cut the pair's trace off beyond it.
constexpr double sweep_end_beyond = 0.5;
// A rise of this much (km) within this much (MHz), this far below foF2 at least (MHz), is the
// step from a lower layer's trace to the F2 trace. The columns about the step may show no
// usable echo (a spread over the lower layer's cusp, lines).
constexpr double layer_jump = 100;
constexpr double layer_jump_window = 0.35;
constexpr double f1_below_f2_muf = 0.5;

// On a sweep coarser than 0.1 MHz a column stands for a band a step wide: where the F trace
// climbs by this many cells or more from its lowest echo to a neighbouring column, its lowest
// height lies within the band, unseen.
constexpr int coarse_climb = 3;
bool coarse_and_steep(const Scene& scene, const std::vector<EnvelopePoint>& envelope,
                      const EnvelopePoint& lowest) {
    if (!scene.coarse())
        return false;
    for (const EnvelopePoint& point : envelope) {
        if (std::abs(point.column - lowest.column) == 1 &&
            point.index >= lowest.index + coarse_climb)
            return true;
        // A lower sample beside it, too short a dip to count as sustained: the trace's lowest
        // height lies about it, unseen.
        if (std::abs(point.column - lowest.column) <= 2 && point.index <= lowest.index - 2)
            return true;
    }
    return false;
}

// The envelope's leading edge this many cells below the median of the columns within
// trace_window either side is no echo of the trace: a narrow-band transmitter heard over one to
// three columns, joined to the trace where it touches it. A rising trace keeps its own height
// as the median, however steep.
constexpr int trace_window = 4;
constexpr int below_trace = 3;

bool stands_below_trace(const std::vector<EnvelopePoint>& envelope, const EnvelopePoint& point) {
    std::vector<int> around;
    for (const EnvelopePoint& other : envelope)
        if (std::abs(other.column - point.column) <= trace_window)
            around.push_back(other.index);
    if (around.size() < 3)
        return false;
    const auto middle = around.begin() + static_cast<std::ptrdiff_t>(around.size() / 2);
    std::nth_element(around.begin(), middle, around.end());
    return point.index < *middle - below_trace;
}

// MUF(3000)F2 and M(3000)F2: the transmission curve that touches the ordinary F2 trace, above
// `from` (foF1 where an F1 layer shows). On the rising part of the trace the extraordinary twin
// lies below the ordinary trace, so the lowest echo of a column is the twin's, standing for the
// ordinary trace the separation lower. A column stands for the frequencies half a step either
// side of it: on a rising trace its lowest echo is that of its lower edge. `separation` is the
// one the traces show at equal heights.
void read_muf(const Scene& scene, const std::vector<EnvelopePoint>& envelope, double from,
              double separation, FLayers& result) {
    const double foF2 = result.foF2->value;
    double best = 0;
    int best_x = 0;
    int best_index = 0;
    const double half_step = scene.image.step / 2;
    std::vector<std::pair<double, const EnvelopePoint*>> trace;
    for (const EnvelopePoint& point : envelope) {
        const double f = scene.frequency(point.column) - separation - half_step;
        if (point.obscured || f > foF2 + 1e-9 || f <= from + 1e-9 ||
            stands_below_trace(envelope, point))
            continue;
        trace.emplace_back(f, &point);
    }
    // Where the trace jumps up well below foF2 and stays up, what lies below the jump is a lower
    // layer's trace (an F1 layer under an F2 layer lifted high, its cusp not read): the F2 trace
    // begins above the jump. A single echo far above its neighbours is no jump.
    const auto height = [&](std::size_t k) { return height_of(trace[k].second->index); };
    for (std::size_t k = 1; k + 1 < trace.size(); ++k)
        if (trace[k].first <= foF2 - f1_below_f2_muf + 1e-9 &&
            trace[k].first - trace[k - 1].first <= layer_jump_window + 1e-9 &&
            std::min(height(k), height(k + 1)) - height(k - 1) >= layer_jump)
            from = std::max(from, trace[k - 1].first);
    for (const auto& [f, point] : trace) {
        if (f <= from + 1e-9)
            continue;
        const int x = x_at_frequency(f);
        const double muf = muf_of_echo(static_cast<float>(frequency_at(x)),
                                       static_cast<float>(height_of(point->index)));
        if (muf > best) {
            best = muf;
            best_x = x;
            best_index = point->index;
        }
    }
    if (best <= 0)
        return;
    const double muf = tool_muf(best);
    result.muf = Proposal{muf, 0.7, best_x, plot_row_of(best_index), 0, 0};
    if (const auto m = m3000_of(muf, foF2))
        result.m3000 = Proposal{*m, 0.7, best_x, plot_row_of(best_index), 0, 0};
}

// foF1, and h'F2 as the lowest F echo from beyond the extraordinary F1 cusp up to foF2, well
// above h'F.
void read_f1(const Scene& scene, const std::vector<const Trace*>& traces,
             const std::vector<EnvelopePoint>& envelope, const EnvelopePoint& lowest,
             FLayers& result) {
    const double foF2 = result.foF2->value;
    const auto f1 =
        f1_cusps(scene, traces, foF2, scene.frequency(*result.first_column), result.separation);
    if (!f1)
        return;
    std::vector<EnvelopePoint> beyond;
    for (const EnvelopePoint& point : envelope) {
        const double f = scene.frequency(point.column);
        if (f > scene.frequency(f1->extraordinary) + scene.image.step + 1e-9 && f <= foF2 + 1e-9)
            beyond.push_back(point);
    }
    const EnvelopePoint* f2_lowest = sustained_minimum(scene, beyond);
    if (f2_lowest == nullptr || f2_lowest->index < lowest.index + f2_above_f1)
        return;
    result.foF1 = frequency_proposal(scene, f1->ordinary, lowest.index, 0.7);
    result.hF2 = height_proposal(scene, f2_lowest->column, f2_lowest->index, 0.7);
}

// Whether the echo of an envelope point is faint against the envelope's: its strongest cell
// `faint_below` levels or more under the median of theirs.
bool faint_against(const Scene& scene, const std::vector<EnvelopePoint>& envelope,
                   const EnvelopePoint& at) {
    const auto peak_at = [&](const EnvelopePoint& point) {
        for (const Segment& segment :
             scene.image.columns[static_cast<std::size_t>(point.column)].segments)
            if (segment.low == point.index)
                return segment.peak;
        return 0;
    };
    std::vector<int> peaks;
    for (const EnvelopePoint& point : envelope)
        peaks.push_back(peak_at(point));
    if (peaks.empty())
        return false;
    const auto middle = peaks.begin() + static_cast<std::ptrdiff_t>(peaks.size() / 2);
    std::nth_element(peaks.begin(), middle, peaks.end());
    return peak_at(at) + faint_below <= *middle;
}

// Whether the trace comes down into an envelope point: one of the envelope's echoes over the
// 0.3 MHz before, joined column by column, stands `base_descent` cells higher.
constexpr double came_down_over = 0.3;
bool came_down_into(const Scene& scene, const std::vector<EnvelopePoint>& envelope,
                    const EnvelopePoint& at) {
    const auto k = static_cast<std::size_t>(&at - envelope.data());
    const int near = std::max(2, scene.columns_in(0.05));
    for (std::size_t j = k; j-- > 0;) {
        if (envelope[j + 1].column - envelope[j].column > near ||
            scene.frequency(envelope[j].column) <
                scene.frequency(at.column) - came_down_over - 1e-9)
            break;
        if (envelope[j].index >= at.index + base_descent)
            return true;
    }
    return false;
}

// Whether the trace is lost at an envelope point: no echo of the columns beyond carries it on at
// its level, or rising from it, before 0.15 MHz without one (lines passed over). Coming down into
// it, deviative absorption near the E layer's peak took its base beyond, lower than seen.
constexpr double carried_within = 0.15;
bool lost_at(const Scene& scene, const EnvelopePoint& at) {
    const int within = scene.columns_in(carried_within);
    int level = at.index;
    int without = 0;
    const auto count = static_cast<int>(scene.image.columns.size());
    for (int c = at.column + 1; c < count && without < within; ++c) {
        const EchoColumn& column = scene.image.columns[static_cast<std::size_t>(c)];
        if (column.interference)
            continue;
        // An echo beginning about the level carries the trace on; a taller one from below
        // (a multiple, a cusp rising through) may hide it, and the column tells nothing.
        const auto carrying = std::find_if(
            column.segments.begin(), column.segments.end(), [&](const Segment& segment) {
                return segment.low >= level - 1 && segment.low <= level + base_descent + 1;
            });
        const bool covered = std::any_of(
            column.segments.begin(), column.segments.end(), [&](const Segment& segment) {
                return segment.low < level - 1 && segment.high >= level;
            });
        if (carrying != column.segments.end()) {
            if (carrying->low >= at.index + base_descent)
                return false; // rising from the base seen
            level = std::max(level, carrying->low);
            without = 0;
        } else if (!covered) {
            ++without;
        }
    }
    return without >= within; // else carried on to the sweep's end
}

// A guessed pair whose ordinary cusp stands tall, a trace leading into it, among few cusps about
// the top.
bool standing_plain_pair(const Scene& scene, const std::vector<Cusp>& cusps, const F2Cusps& f2) {
    if (!f2.ordinary || f2.ordinary->rise <= standing_ordinary || scene.coarse() ||
        !leads_in(scene, *f2.ordinary))
        return false;
    const double top = scene.frequency(f2.extraordinary.column);
    const auto near = std::count_if(cusps.begin(), cusps.end(), [&](const Cusp& cusp) {
        return std::fabs(scene.frequency(cusp.column) - top) <= plain_top_window + 1e-9;
    });
    return static_cast<std::size_t>(near) <= plain_top_cusps;
}

// A cusp lower than the top one, more than a column's rounding and at most `lower_beyond_window`
// beyond it: a frequency spread beyond the extraordinary trace, or its true cusp.
bool lower_cusp_beyond(const Scene& scene, const std::vector<Cusp>& cusps, const Cusp& top) {
    const double fx = scene.frequency(top.column);
    return std::any_of(cusps.begin(), cusps.end(), [&](const Cusp& cusp) {
        const double beyond = scene.frequency(cusp.column) - fx;
        return beyond > 1.5 * scene.image.step - 1e-9 && beyond <= lower_beyond_window + 1e-9 &&
               cusp.index < top.index;
    });
}

} // namespace

double FLayers::separation_at(double fo) const {
    if (ordinary_only)
        return 0;
    if (!gyrofrequency)
        return separation;
    const double fb = *gyrofrequency;
    return 0.5 * (fb + std::sqrt(fb * fb + 4 * fo * fo)) - fo;
}

FLayers read_f_layers(const Scene& scene) {
    FLayers result;
    result.separation = station_separation;
    const std::vector<const Trace*> traces = f_region_traces(scene);
    if (traces.empty())
        return result;
    for (const Trace* trace : traces)
        if (!result.first_column || trace->first_column() < *result.first_column)
            result.first_column = trace->first_column();
    int first = traces.front()->first_column();
    for (const Trace& trace : scene.traces)
        first = std::min(first, trace.first_column());
    if (const int telling = first_column_of_traces(scene, shortest_telling_trace); telling >= 0)
        first = telling;
    result.fmin = scene.frequency(first);

    const std::vector<EnvelopePoint> envelope = f_envelope(scene);
    std::vector<EnvelopePoint> long_traces = f_envelope(scene, shortest_telling_trace);
    if (!long_traces.empty()) {
        result.seen_from = long_traces.front().column;
        // Flat where first seen, the trace had come down to its base there already; coming down
        // where first seen, it shows that base unless something lies on it.
        const double start = scene.frequency(long_traces.front().column);
        const int first = long_traces.front().index;
        int low = first;
        int high = low;
        double reach = start;
        for (const EnvelopePoint& point : long_traces)
            if (scene.frequency(point.column) <= start + flat_start + 1e-9) {
                low = std::min(low, point.index);
                high = std::max(high, point.index);
                reach = scene.frequency(point.column);
            }
        result.seen_flat = high - low <= 1 && reach >= start + flat_start - 0.1 - 1e-9;
        result.seen_descending = first - low >= base_descent;
    }
    const std::vector<Cusp> cusps = cusps_of(scene, traces);
    for (const Cusp& cusp : cusps)
        result.cusps.push_back(scene.frequency(cusp.column));
    const auto f2 = scene.too_coarse() ? too_coarse_cusps(scene) : f2_cusps(scene, cusps);
    if (f2 && f2->lead_in) {
        // The F trace is lowest below its top cusp: echoes far beyond it are rows of noise or
        // pieces of lines, however long.
        const double beyond = scene.frequency(f2->extraordinary.column) + beyond_top_cusp;
        std::erase_if(long_traces, [&](const EnvelopePoint& point) {
            return scene.frequency(point.column) > beyond + 1e-9;
        });
    }
    const EnvelopePoint* lowest = sustained_minimum(scene, long_traces);
    if (lowest != nullptr) {
        result.hF = height_proposal(scene, lowest->column, lowest->index,
                                    coarse_and_steep(scene, long_traces, *lowest) ? 0.3 : 0.8);
        // Without a layer below, the F trace is lowest where it starts, at fmin.
        result.start_hidden = scene.frequency(lowest->column) >
                              result.fmin + std::max(0.1, 2 * scene.image.step) + 1e-9;
    }
    // Under a pulse longer than the station's (45 km) a multiple's echo trails far above its
    // leading edge: where such a band lies just under the lowest echo, the trace's base may lie
    // inside it, lower than seen.
    if (lowest != nullptr && scene.pulse > pulse_tail) {
        const auto& segments =
            scene.image.columns[static_cast<std::size_t>(lowest->column)].segments;
        result.base_in_multiple =
            std::any_of(segments.begin(), segments.end(), [&](const Segment& segment) {
                return segment.multiple && segment.low >= f_region_lowest &&
                       segment.low <= lowest->index - band_beneath &&
                       segment.high >= lowest->index - band_gap;
            });
    }
    // A minimum read on echoes far weaker than the trace lies where deviative absorption took
    // the trace: the height seen there tells no h'F.
    if (lowest != nullptr && faint_against(scene, long_traces, *lowest))
        result.hF.reset();
    // Coming down into its lowest echo and lost there, the trace went on down: the lowest height
    // seen is no h'F.
    if (lowest != nullptr && lost_at(scene, *lowest) && came_down_into(scene, long_traces, *lowest))
        result.hF.reset();

    if (!f2)
        return result;
    const Cusp& top = f2->extraordinary;
    const int last = static_cast<int>(scene.image.columns.size()) - 1;
    const double top_sure =
        scene.frequency(top.column) >= scene.frequency(last) - sweep_end - 1e-9 ? 0.0 : 1.0;
    // How sure foF2 is: the twin told by the trace pairs, or no extraordinary trace at all; a
    // trace leading into the cusp; nothing spread beyond it.
    double shape = 1;
    if (!f2->lead_in)
        shape *= no_lead_in;
    if (f2->spread || f2->crowded)
        shape *= spread_beyond_cusp;
    const double sure =
        shape * (f2->measured ? measured_pair
                              : (f2->ordinary_only ? single_trace
                                                   : (f2->coarse ? coarse_pair : guessed_pair)));
    if (f2->ordinary_only) {
        result.ordinary_only = true;
        result.separation = 0;
        result.foF2 = frequency_proposal(scene, top.column, top.index, sure * top_sure);
    } else if (f2->ordinary) {
        result.separation = f2->match.separation;
        // Within the step of the station's separation, the station's holds at every frequency:
        // a column's rounding would tell a gyrofrequency far off. On a sweep coarser than
        // 0.1 MHz it would read the trace's samples a step off too (at 0.2 MHz a pair read
        // 0.6 MHz apart put the MUF 0.5 MHz low): there the station's separation is read with.
        const bool near_station =
            std::fabs(result.separation - station_separation) <= 1.5 * scene.image.step + 0.01;
        if (near_station && scene.coarse())
            result.separation = station_separation;
        if (f2->measured && !near_station) {
            const double fx = scene.frequency(top.column);
            const double fo = scene.frequency(f2->ordinary->column);
            if (fx > fo)
                result.gyrofrequency = (fx * fx - fo * fo) / fx;
        }
        result.foF2 = frequency_proposal(scene, f2->ordinary->column, f2->ordinary->index, sure);
        result.fxI = frequency_proposal(scene, top.column, top.index, sure * top_sure);
        if (f2->coarse && scene.too_coarse()) {
            // Each cusp as far above its last echo as the echo's height tells; the ordinary one
            // not seen apart, the station's separation below the extraordinary one.
            result.twins_a_column_apart = f2->twins_a_column_apart;
            if (f2->extraordinary_below)
                result.fxI->value += *f2->extraordinary_below;
            if (f2->ordinary_below) {
                result.foF2->value += *f2->ordinary_below;
            } else {
                // Only a guess: the day's soundings must show the twins a column apart.
                result.foF2->value = result.fxI->value - station_separation;
                result.foF2->confidence = std::min(result.foF2->confidence, guessed_pair);
                result.fxI->confidence = std::min(result.fxI->confidence, guessed_pair);
                result.guessed =
                    GuessedPair{*result.foF2,       result.fxI,   std::nullopt, std::nullopt,
                                station_separation, std::nullopt, std::nullopt};
                result.guessed->coarse = true;
            }
            if (!f2->extraordinary_below)
                result.fxI.reset();
        } else if (f2->coarse) {
            // The last column of each trace lies below its cusp by less than a step.
            result.foF2->value += scene.image.step / 2;
            result.fxI->value += scene.image.step / 2;
            if (f2->ordinary_behind_line)
                // Behind the line, the station's separation below the extraordinary cusp, within
                // the step either side of the line.
                result.foF2->value =
                    std::clamp(result.fxI->value - station_separation, result.foF2->value,
                               result.foF2->value + scene.image.step);
            if (f2->hidden_extraordinary)
                result.fxI.reset();
        }
    } else {
        result.foF2 =
            frequency_proposal(scene, top.column, top.index, sure * guessed_pair * top_sure);
        // No twin found: the ordinary cusp, on an instrument without the extraordinary wave.
        if (!f2->measured)
            result.lone_top =
                frequency_proposal(scene, top.column, top.index, single_trace * shape * top_sure);
        // Led into, it may be the extraordinary cusp of a pair whose ordinary one was not found:
        // the day's field and readings around tell.
        if (f2->lead_in && top.column + scene.columns_in(sweep_end_beyond) <
                               static_cast<int>(scene.image.columns.size()))
            result.untwinned_top = frequency_proposal(scene, top.column, top.index, 0);
    }
    if (lowest != nullptr)
        read_f1(scene, traces, envelope, *lowest, result);
    // Where the ordinary cusp was found beyond the separation measured on the traces, the
    // traces lie that measured separation apart at equal heights.
    const double along = f2->trace_separation.value_or(result.separation);
    // A sweep coarser than 0.25 MHz samples the trace too sparsely for the transmission curve.
    if (!scene.too_coarse())
        read_muf(scene, envelope, result.foF1 ? result.foF1->value : 0.0, along, result);
    // Where no echo of the steep part could be tested (the twins merged under a long pulse),
    // only a plain sounding's pair is a guess: a few cusps. On a coarse sweep the cusps' columns
    // tell the pair no better than the echoes. Among more cusps (lines and bursts about the
    // trace) the day's readings around must run near it too.
    const bool untested_cusps = f2->match.tested < untested_pair && !scene.coarse();
    const bool untested = untested_cusps && cusps.size() <= plain_cusps;
    const bool untested_among_many = untested_cusps && !untested && cusps.size() <= many_cusps;
    const bool standing_plain = standing_plain_pair(scene, cusps, *f2);
    // A measured pair among a modest crowd of cusps (a spread's lines about it, 10 cusps at most
    // on the whole sounding) is only one choice there: the day's field may confirm it too. Told
    // as the vertical pair under a copy, only with the day's nearest reading near it as well.
    const bool modest_crowd = f2->measured && f2->ordinary && f2->crowded && !f2->spread &&
                              f2->lead_in && top_sure > 0 && cusps.size() <= crowd_cusps;
    // Among a larger crowd (a night's range spread, lines about the trace), only where the day's
    // readings on both sides run close by, and no lower cusp beyond tells the extraordinary
    // trace spread or its cusp further on.
    const bool large_crowd = f2->measured && f2->ordinary && f2->crowded && !f2->spread &&
                             f2->lead_in && top_sure > 0 && cusps.size() > crowd_cusps &&
                             !lower_cusp_beyond(scene, cusps, top);
    // A pair found wider than the station's separation, whose twin finds few of the
    // extraordinary trace's echoes, most unmatched ones lying inside taller echoes: a thick trace
    // (a range spread) where the ordinary trace's last steep echoes merge, so the cusp found is
    // the last one standing out of it, short of the true one. The day's field may place it.
    const bool in_spread = !f2->measured && f2->ordinary && f2->match.score < guess_score &&
                           f2->match.tested >= untested_pair &&
                           2 * f2->match.covered >= f2->match.tested &&
                           result.separation > station_separation + scene.image.step / 2 + 1e-9;
    const bool told = (f2->match.tested >= guess_tested && f2->match.score >= guess_score) ||
                      untested || standing_plain || f2->behind_lines || f2->standing_beyond_lines ||
                      in_spread;
    // A pair its traces matched too weakly to tell (the noisy world's extraordinary traces broken
    // into pieces), among few cusps on a fine sweep, a trace leading into its ordinary cusp: only
    // the day's readings close around may confirm it. Not where most unmatched echoes lie inside
    // taller ones: in a thick trace the cusps found may both fall short of the true ones.
    const bool weakly_matched = !told && !untested_among_many && cusps.size() <= many_cusps &&
                                !scene.coarse() && f2->ordinary && leads_in(scene, *f2->ordinary) &&
                                2 * f2->match.covered < f2->match.tested;
    // A measured pair, alone on a fine sweep, that no trace leads into: its lead-in may lie
    // under a blanketing sporadic E, which the day's rules ask about.
    const bool under_sporadic_e = f2->measured && f2->ordinary && !f2->lead_in && !f2->spread &&
                                  !f2->crowded && !f2->oblique && top_sure > 0 && !scene.coarse() &&
                                  cusps.size() <= plain_cusps;
    if ((!f2->measured && f2->ordinary && shape == 1 && !f2->oblique && top_sure > 0 &&
         !f2->coarse && !scene.too_coarse() && (told || untested_among_many || weakly_matched)) ||
        modest_crowd || large_crowd || under_sporadic_e) {
        result.guessed = GuessedPair{*result.foF2,
                                     result.fxI,
                                     under_sporadic_e ? std::nullopt : result.muf,
                                     under_sporadic_e ? std::nullopt : result.m3000,
                                     result.separation,
                                     std::nullopt,
                                     std::nullopt};
        result.guessed->near_readings =
            modest_crowd ? f2->oblique
                         : (untested_among_many && !told) || weakly_matched || large_crowd;
        result.guessed->weakly_matched = weakly_matched && !modest_crowd && !large_crowd;
        result.guessed->between_readings = large_crowd;
        result.guessed->under_sporadic_e = under_sporadic_e;
        if (under_sporadic_e)
            result.guessed->near_readings = true;
        result.guessed->copy_of = f2->copy_below;
        if (f2->behind_lines)
            result.guessed->placed_within =
                std::make_pair(f2->behind_lines->first - scene.image.step,
                               f2->behind_lines->second + scene.image.step);
        if (in_spread)
            result.guessed->in_spread =
                std::make_pair(result.foF2->value, result.foF2->value + merged_in_spread);
    }
    // A top cusp that found no twin, a trace leading into it and nothing beyond: where a single
    // column a separation below stands vertical under it, the ordinary trace may turn up there
    // (faded or merged into a band, no cusp read). The day's field may place its cusp from fxI,
    // within a step below that column and 0.15 MHz above it; the MUF is not read.
    if (!f2->ordinary && !f2->ordinary_only && f2->lead_in && shape == 1 && !f2->oblique &&
        top_sure > 0 && !f2->coarse && !scene.too_coarse())
        if (const auto twins = standing_twins(scene, top); twins.size() == 1) {
            Proposal foF2 = *result.foF2;
            foF2.value = scene.frequency(top.column) - station_separation;
            foF2.confidence = std::min(foF2.confidence, guessed_pair);
            result.guessed = GuessedPair{
                foF2,
                frequency_proposal(scene, top.column, top.index, guessed_pair),
                std::nullopt,
                std::nullopt,
                station_separation,
                std::make_pair(twins.front() - scene.image.step, twins.front() + merged_in_spread),
                std::nullopt};
        }
    // The MUF is read off the ordinary trace that foF2 and the separation tell.
    if (result.muf)
        result.muf->confidence = std::min(result.muf->confidence, result.foF2->confidence);
    if (result.m3000)
        result.m3000->confidence = std::min(result.m3000->confidence, result.foF2->confidence);

    const double foF2 = result.foF2->value;
    result.ordinary = ordinary_samples(scene, envelope, along, foF2);
    for (const EnvelopePoint& point : envelope)
        if (!point.obscured)
            result.envelope.emplace_back(scene.frequency(point.column), height_of(point.index));
    auto fit = fit_f_trace(result.ordinary, foF2);
    if (!fit && result.start_hidden) {
        // The trace's start hidden, its twin may be the lowest echo from the first column on.
        auto from_fmin = ordinary_samples(scene, envelope, along, foF2, result.fmin);
        if ((fit = fit_f_trace(from_fmin, foF2)))
            result.ordinary = std::move(from_fmin);
    }
    if (fit) {
        result.layer = fit;
        result.layer_hF = fit->layer.virtual_height(result.fmin / foF2);
    }
    return result;
}

} // namespace scalvo::autoscale
