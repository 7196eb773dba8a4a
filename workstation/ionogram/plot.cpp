// SPDX-License-Identifier: GPL-3.0-or-later
#include "ionogram/plot.h"

#include "common/conversions.h"
#include "ionogram/plot_mapping.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <tuple>

namespace scalvo {

namespace {

constexpr Rgb black{0, 0, 0};
constexpr Rgb yellow{255, 255, 0};
constexpr Rgb grey = grid_colour;

constexpr int frequency_label_count = 191;

// 1.0, 1.1, ... 20.0 MHz in single precision; entry k lies at x = 4k.
float frequency_label(int k) {
    return static_cast<float>(1.0 + (k - 1) * 0.1);
}

bool is_whole(float f) {
    return f == std::floor(f);
}

const std::vector<PlotText>& axis_labels() {
    static const std::vector<PlotText> labels = [] {
        std::vector<PlotText> texts;
        for (int k = 1; k <= frequency_label_count; ++k) {
            const float f = frequency_label(k);
            if (is_whole(f))
                texts.push_back({f >= 10 ? 4 * k - 10 : 4 * k - 7, -4, number_text(f)});
        }
        texts.push_back({732, -10, "MHz"});
        for (const HeightGridRow& row : height_grid_rows)
            texts.push_back({770, row.y + height_label_offset, std::to_string(row.kilometres)});
        texts.push_back({770, 580, "km"});
        return texts;
    }();
    return labels;
}

// The grey lines stand at the whole MHz the sounding covers; the labels stand at all of them.
bool has_grid_line(const Ionogram& ionogram, float f) {
    return ionogram.start_frequency <= f && f <= ionogram.end_frequency;
}

struct EchoPlacement {
    int cell_width;
    int block_width;
    long long offset;
    int constant;
};

std::optional<EchoPlacement> echo_placement(const Ionogram& ionogram) {
    const double below_one = static_cast<double>(ionogram.start_frequency) - 1.0;
    const float step = ionogram.frequency_step;
    if (!std::isfinite(below_one) || std::fabs(below_one) > 1e6)
        return std::nullopt;
    if (step == 0.025f)
        return EchoPlacement{1, 1, nearest_integer(below_one * 40), 3};
    if (step == 0.05f)
        return EchoPlacement{2, 2, nearest_integer(below_one * 20), 2};
    if (step == 0.1f)
        return EchoPlacement{4, 4, nearest_integer(below_one * 10), 0};
    if (step == 0.2f)
        return EchoPlacement{8, 4, nearest_integer(below_one * 5), -4};
    if (step == 0.5f)
        return EchoPlacement{20, 4, nearest_integer(below_one * 2), -16};
    return std::nullopt; // another step: no echoes
}

// x = 0 .. 765, and two spare words so that whole vector lanes cover a row.
constexpr std::size_t plot_width = 766;
using PlotRow = std::array<std::uint32_t, 768>;

// Rows of echo levels reach a few columns beyond the plot on either side, so that blocks cut
// by the frame are written whole; only x = 0 .. 765 is shown.
constexpr std::size_t level_margin = 4;
constexpr std::size_t level_width = level_margin + std::tuple_size_v<PlotRow> + 4;

std::uint8_t level_of(int g) {
    if (static_cast<unsigned>(g) <= 255u) [[likely]] // always, once normalised
        return static_cast<std::uint8_t>(g);
    return g < 0 ? 0 : 255;
}

// Frequencies first .. first + count - 1 (0-based), the first with its right edge at right.
template <int CellWidth, int BlockWidth>
void spread_levels(const std::int16_t* grid, long long first, long long count, long long right,
                   std::uint8_t* levels) {
    // The grid runs height by height within a frequency; a few frequencies at a time keep
    // both the reads and the writes in the cache.
    constexpr long long block = 32;
    for (long long from = 0; from < count; from += block) {
        const long long to = std::min(from + block, count);
        for (std::size_t j = 0; j < height_count; ++j) {
            std::uint8_t* row = levels + j * level_width + level_margin;
            const std::int16_t* cells = grid + static_cast<std::size_t>(first) * height_count + j;
            for (long long v = from; v < to; ++v) {
                const std::uint8_t level = level_of(cells[v * height_count]);
                const long long x = right + v * CellWidth;
                for (int k = 0; k < BlockWidth; ++k)
                    row[x - k] = level;
            }
        }
    }
}

// The grey level of the echo at each x of the plot, height index by height index (0: no
// echo): levels[(j - 1) * level_width + level_margin + x]. Empty without echoes.
void echo_levels(const Ionogram& ionogram, std::vector<std::uint8_t>& levels) {
    levels.clear();
    const auto placement = echo_placement(ionogram);
    const long long n = ionogram.frequency_count;
    if (!placement || n <= 0 ||
        ionogram.amplitude_grid.size() < static_cast<std::size_t>(n) * height_count)
        return;
    // Echoes outside the frequency scale would land beside the frame and survive the next
    // sounding's drawing; they are kept inside the area the black rectangle clears.
    auto right_of = [&](long long i) {
        return (placement->offset + i) * placement->cell_width + placement->constant;
    };
    long long first = 1;
    while (first <= n && right_of(first) < 0)
        ++first;
    long long last = first - 1;
    while (last < n && right_of(last + 1) - placement->block_width + 1 <= 765)
        ++last;
    if (last < first)
        return;
    levels.assign(level_width * height_count, 0);
    const std::int16_t* grid = ionogram.amplitude_grid.data();
    const long long count = last - first + 1;
    const long long right = right_of(first);
    switch (placement->cell_width) {
    case 1:
        return spread_levels<1, 1>(grid, first - 1, count, right, levels.data());
    case 2:
        return spread_levels<2, 2>(grid, first - 1, count, right, levels.data());
    case 4:
        return spread_levels<4, 4>(grid, first - 1, count, right, levels.data());
    case 8:
        return spread_levels<8, 4>(grid, first - 1, count, right, levels.data());
    default:
        return spread_levels<20, 4>(grid, first - 1, count, right, levels.data());
    }
}

// The row's pattern with the echoes of one height over it, without a branch per pixel.
void put_echoes(const PlotRow& pattern, const std::uint8_t* levels, std::uint32_t* row) {
    for (std::size_t x = 0; x < pattern.size(); ++x) {
        const std::uint32_t level = levels[x];
        const std::uint32_t keep = 0u - static_cast<std::uint32_t>(level == 0);
        row[x] = level * 0x010101u | (pattern[x] & keep);
    }
}

// The plot area as the drawing steps leave it (black rectangle, yellow frame, grey grid with
// an ionogram, echoes on top), written row by row so that each pixel is written once.
void draw_plot_area(PlotCanvas& canvas, const Ionogram* ionogram) {
    if (!canvas.contains(0, 0) || !canvas.contains(765, 601))
        return;
    PlotRow frame_row;
    frame_row.fill(word_of(yellow));
    PlotRow plain_row;
    plain_row.fill(word_of(black));
    plain_row[0] = plain_row[plot_width - 1] = word_of(yellow);
    PlotRow grid_row = plain_row;
    // Kept between redraws: a fresh buffer of this size costs page faults every time.
    thread_local std::vector<std::uint8_t> levels;
    levels.clear();
    if (ionogram) {
        for (int k = 1; k <= frequency_label_count; ++k) {
            const float f = frequency_label(k);
            if (is_whole(f) && has_grid_line(*ionogram, f))
                plain_row[static_cast<std::size_t>(4 * k)] = word_of(grey);
        }
        std::fill(grid_row.begin() + 1, grid_row.begin() + plot_width - 1, word_of(grey));
        echo_levels(*ionogram, levels);
    }
    const std::size_t left = static_cast<std::size_t>(-canvas.left_x());
    auto put_row = [&](const PlotRow& pattern, int y) {
        std::copy_n(pattern.begin(), plot_width, canvas.row_words(y) + left);
    };
    put_row(frame_row, 0);
    put_row(frame_row, 601);
    PlotRow plain_with_echoes;
    PlotRow grid_with_echoes;
    for (int j = 1; j <= height_count; ++j) {
        const PlotRow* plain = &plain_row;
        if (!levels.empty()) {
            put_echoes(plain_row,
                       levels.data() + static_cast<std::size_t>(j - 1) * level_width + level_margin,
                       plain_with_echoes.data());
            plain = &plain_with_echoes;
        }
        for (int y = 4 * j - 3; y <= 4 * j; ++y) {
            const bool grid_line =
                ionogram && std::any_of(height_grid_rows.begin(), height_grid_rows.end(),
                                        [y](const HeightGridRow& r) { return r.y == y; });
            if (!grid_line) {
                put_row(*plain, y);
            } else if (levels.empty()) {
                put_row(grid_row, y);
            } else {
                put_echoes(grid_row,
                           levels.data() + static_cast<std::size_t>(j - 1) * level_width +
                               level_margin,
                           grid_with_echoes.data());
                put_row(grid_with_echoes, y);
            }
        }
    }
}

} // namespace

void normalise_amplitudes(Ionogram& ionogram) {
    int max = 0;
    int min = 0;
    for (const std::int16_t a : ionogram.amplitude_grid) {
        max = std::max<int>(max, a);
        min = std::min<int>(min, a);
    }
    if (max == 0)
        return;
    // a x 254 / max truncated: the integer quotient (a x 254 fits an int for 16-bit cells).
    auto scaled = [max](int a) { return static_cast<std::int16_t>(a * 254 / max); };
    if (min < 0) {
        for (std::int16_t& a : ionogram.amplitude_grid)
            a = scaled(a);
        return;
    }
    // One division per value rather than per cell: amplitudes come from bytes.
    std::vector<std::int16_t> table(static_cast<std::size_t>(max) + 1);
    for (int a = 0; a <= max; ++a)
        table[static_cast<std::size_t>(a)] = scaled(a);
    for (std::int16_t& a : ionogram.amplitude_grid)
        a = table[static_cast<std::size_t>(a)];
}

void draw_ionogram(PlotCanvas& canvas, const Ionogram& ionogram) {
    draw_plot_area(canvas, &ionogram);
    canvas.set_texts(axis_labels());
}

void draw_empty_frame(PlotCanvas& canvas) {
    draw_plot_area(canvas, nullptr);
    canvas.set_texts(axis_labels());
}

} // namespace scalvo
