#include "ionogram/plot.h"

#include "startup/conversions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace scalvo {

namespace {

constexpr Rgb black{0, 0, 0};
constexpr Rgb yellow{255, 255, 0};
constexpr Rgb grey{100, 100, 100};

// The area the black rectangle clears: the plot area with its frame.
constexpr int plot_left = 0;
constexpr int plot_right = 765;

struct HeightRow {
    int line_y;
    int label_y;
    const char* text;
};

// Fixed rows, so that the readout shows the whole hundreds exactly on the lines.
constexpr std::array<HeightRow, 7> height_rows{{{12, 16, "100"},
                                                {102, 106, "200"},
                                                {190, 194, "300"},
                                                {280, 284, "400"},
                                                {368, 372, "500"},
                                                {458, 462, "600"},
                                                {546, 550, "700"}}};

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
        for (const HeightRow& row : height_rows)
            texts.push_back({770, row.label_y, row.text});
        texts.push_back({770, 580, "km"});
        return texts;
    }();
    return labels;
}

void draw_background_and_frame(PlotCanvas& canvas) {
    canvas.filled_box(0, 601, 765, 0, black);
    canvas.line(0, 0, 766, 0, yellow);
    canvas.line(0, 601, 0, 0, yellow);
    canvas.line(0, 601, 766, 601, yellow);
    canvas.line(765, 601, 765, 0, yellow);
}

void draw_grid(PlotCanvas& canvas, const Ionogram& ionogram) {
    for (int k = 1; k <= frequency_label_count; ++k) {
        const float f = frequency_label(k);
        if (is_whole(f) && ionogram.start_frequency <= f && f <= ionogram.end_frequency)
            canvas.line(4 * k, 600, 4 * k, 0, grey);
    }
    for (const HeightRow& row : height_rows)
        canvas.line(1, row.line_y, 765, row.line_y, grey);
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

std::uint32_t grey_word(std::int16_t g) {
    const auto level = static_cast<std::uint32_t>(std::clamp<int>(g, 0, 255));
    return level * 0x010101u;
}

// Columns of one frequency, as indexes into a row of the buffer.
struct EchoColumns {
    int first;
    int last;
    std::size_t cells; // index of the frequency's first cell in the grid
};

void draw_echoes(PlotCanvas& canvas, const Ionogram& ionogram) {
    const auto placement = echo_placement(ionogram);
    const long long n = ionogram.frequency_count;
    if (!placement || n <= 0 ||
        ionogram.amplitude_grid.size() < static_cast<std::size_t>(n) * height_count)
        return;
    // Echoes outside the frequency scale would land beside the frame and survive the next
    // sounding's drawing; they are kept inside the area the black rectangle clears.
    std::vector<EchoColumns> columns;
    columns.reserve(static_cast<std::size_t>(std::min<long long>(n, plot_right + 1)));
    for (long long i = 1; i <= n; ++i) {
        const long long right =
            (placement->offset + i) * placement->cell_width + placement->constant;
        const long long left = right - placement->block_width + 1;
        const long long first = std::max<long long>({left, plot_left, canvas.left_x()});
        const long long last =
            std::min<long long>({right, plot_right, canvas.left_x() + canvas.width() - 1});
        if (first <= last)
            columns.push_back({static_cast<int>(first - canvas.left_x()),
                               static_cast<int>(last - canvas.left_x()),
                               static_cast<std::size_t>(i - 1) * height_count});
    }
    if (columns.empty())
        return;
    // Row by row, so that the writes run along the buffer.
    const std::int16_t* grid = ionogram.amplitude_grid.data();
    for (int j = 1; j <= height_count; ++j) {
        std::uint32_t* rows[4] = {canvas.row_words(4 * j), canvas.row_words(4 * j - 1),
                                  canvas.row_words(4 * j - 2), canvas.row_words(4 * j - 3)};
        if (!rows[0] || !rows[1] || !rows[2] || !rows[3])
            continue;
        const std::size_t height_index = static_cast<std::size_t>(j - 1);
        for (const EchoColumns& frequency : columns) {
            const std::int16_t g = grid[frequency.cells + height_index];
            if (g == 0)
                continue;
            const std::uint32_t word = grey_word(g);
            for (int column = frequency.first; column <= frequency.last; ++column) {
                rows[0][column] = word;
                rows[1][column] = word;
                rows[2][column] = word;
                rows[3][column] = word;
            }
        }
    }
}

} // namespace

void normalise_amplitudes(Ionogram& ionogram) {
    int max = 0;
    for (const std::int16_t a : ionogram.amplitude_grid)
        max = std::max<int>(max, a);
    if (max == 0)
        return;
    // a x 254 / max truncated: the integer quotient (a x 254 fits an int for 16-bit cells).
    for (std::int16_t& a : ionogram.amplitude_grid)
        a = static_cast<std::int16_t>(a * 254 / max);
}

void draw_ionogram(PlotCanvas& canvas, const Ionogram& ionogram) {
    draw_background_and_frame(canvas);
    draw_grid(canvas, ionogram);
    canvas.set_texts(axis_labels());
    draw_echoes(canvas, ionogram);
}

void draw_empty_frame(PlotCanvas& canvas) {
    draw_background_and_frame(canvas);
    canvas.set_texts(axis_labels());
}

} // namespace scalvo
