// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace synth {

namespace {

constexpr int plot_width = 766;
constexpr int plot_height = 602;
constexpr int heights = 150;
constexpr std::array<int, 7> height_grid_rows = {12, 102, 190, 280, 368, 458, 546};

float header_number(std::span<const std::uint8_t> file, int whole_from, int whole_to,
                    int thousandths_from) {
    // Positions are 1-based as in the layout of the header.
    float whole = 0.0f;
    for (int i = whole_from; i <= whole_to; ++i) {
        whole = whole * 10.0f + static_cast<float>(file[i - 1] - '0');
    }
    int thousandths = 0;
    for (int i = thousandths_from; i < thousandths_from + 3; ++i) {
        thousandths = thousandths * 10 + (file[i - 1] - '0');
    }
    return whole + static_cast<float>(thousandths) / 1000.0f;
}

bool header_digits_ok(std::span<const std::uint8_t> file) {
    for (int position : {1, 2, 4, 5, 6, 8, 9, 11, 12, 13, 15, 17, 18, 19}) {
        if (file[position - 1] < '0' || file[position - 1] > '9') {
            return false;
        }
    }
    return true;
}

struct Placement {
    int cell_width, block_width, scale, constant;
};

std::optional<Placement> placement_for(float step) {
    if (step == 0.025f) {
        return Placement{1, 1, 40, 3};
    }
    if (step == 0.05f) {
        return Placement{2, 2, 20, 2};
    }
    if (step == 0.1f) {
        return Placement{4, 4, 10, 0};
    }
    if (step == 0.2f) {
        return Placement{8, 4, 5, -4};
    }
    if (step == 0.5f) {
        return Placement{20, 4, 2, -16};
    }
    return std::nullopt;
}

class Canvas {
  public:
    Canvas() : image_(plot_width, plot_height) {}
    void point(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        image_.set(x, plot_height - 1 - y, r, g, b);
    }
    // Lines are horizontal or vertical here; the end point itself is not set.
    void line(int x0, int y0, int x1, int y1, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        int dx = (x1 > x0) - (x1 < x0);
        int dy = (y1 > y0) - (y1 < y0);
        for (int x = x0, y = y0; x != x1 || y != y1; x += dx, y += dy) {
            point(x, y, r, g, b);
        }
    }
    RgbImage take() { return std::move(image_); }

  private:
    RgbImage image_;
};

} // namespace

int frequency_count(float start, float end, float step) {
    return static_cast<int>(std::nearbyint((end - start) / step + 1.0f));
}

bool passes_size_rule(std::size_t size, int count) {
    if (size <= 197 || (size - 197) % 150 != 0) {
        return false;
    }
    return count > 0 && size - 197 == 150 * static_cast<std::size_t>(count);
}

std::optional<ReadBack> read_back(std::span<const std::uint8_t> file) {
    if (file.size() <= 197 || file[49] == '\n' || file[196] != '\n' || !header_digits_ok(file)) {
        return std::nullopt;
    }
    ReadBack ionogram;
    ionogram.start = header_number(file, 1, 2, 4);
    ionogram.end = header_number(file, 8, 9, 11);
    ionogram.step = header_number(file, 15, 15, 17);
    if (ionogram.step <= 0.0f) {
        return std::nullopt;
    }
    ionogram.count = frequency_count(ionogram.start, ionogram.end, ionogram.step);
    if (!passes_size_rule(file.size(), ionogram.count)) {
        return std::nullopt;
    }
    ionogram.amplitudes.assign(file.begin() + 197, file.end());
    for (auto& a : ionogram.amplitudes) {
        a = a > 6 ? a : 0;
    }
    return ionogram;
}

RgbImage render_plot(const ReadBack& ionogram) {
    Canvas canvas;
    for (int y = 0; y <= 601; ++y) {
        for (int x = 0; x <= 765; ++x) {
            canvas.point(x, y, 0, 0, 0);
        }
    }
    canvas.line(0, 0, 766, 0, 255, 255, 0);
    canvas.line(0, 601, 0, 0, 255, 255, 0);
    canvas.line(0, 601, 766, 601, 255, 255, 0);
    canvas.line(765, 601, 765, 0, 255, 255, 0);
    for (int k = 1; k <= 191; k += 10) {
        float f = 1.0f + static_cast<float>(k - 1) * 0.1f;
        if (ionogram.start <= f && f <= ionogram.end) {
            canvas.line(4 * k, 600, 4 * k, 0, 100, 100, 100);
        }
    }
    for (int row : height_grid_rows) {
        canvas.line(1, row, 765, row, 100, 100, 100);
    }

    auto placement = placement_for(ionogram.step);
    int largest = 0;
    for (auto a : ionogram.amplitudes) {
        largest = std::max<int>(largest, a);
    }
    if (!placement || largest == 0) {
        return canvas.take();
    }
    int offset = static_cast<int>(
        std::nearbyint((ionogram.start - 1.0f) * static_cast<float>(placement->scale)));
    for (int i = 1; i <= ionogram.count; ++i) {
        int right = (offset + i) * placement->cell_width + placement->constant;
        for (int j = 1; j <= heights; ++j) {
            int a = ionogram.amplitudes[static_cast<std::size_t>(i - 1) * heights + (j - 1)];
            auto g = static_cast<std::uint8_t>(a * 254 / largest);
            if (g == 0) {
                continue;
            }
            for (int k = -(placement->block_width - 1); k <= 0; ++k) {
                for (int y = 4 * j - 3; y <= 4 * j; ++y) {
                    canvas.point(right + k, y, g, g, g);
                }
            }
        }
    }
    return canvas.take();
}

} // namespace synth
