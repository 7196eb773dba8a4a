// SPDX-License-Identifier: GPL-3.0-or-later
#include "ionogram/plot_canvas.h"

#include <algorithm>
#include <cstdlib>

namespace scalvo {

PlotCanvas::PlotCanvas(int left_x, int right_x, int top_y, int bottom_y, Rgb background)
    : left_x_(left_x), top_y_(top_y), width_(right_x - left_x), height_(top_y - bottom_y),
      background_(word_of(background)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), background_) {}

void PlotCanvas::clear() {
    std::fill(pixels_.begin(), pixels_.end(), background_);
    texts_.clear();
    ++revision_;
}

void PlotCanvas::set_point(int x, int y, Rgb colour) {
    put(x, y, word_of(colour));
    ++revision_;
}

void PlotCanvas::line(int x1, int y1, int x2, int y2, Rgb colour) {
    // Bresenham from the first point towards the second, stopping before the second.
    const std::uint32_t word = word_of(colour);
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        put(x, y, word);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
    ++revision_;
}

void PlotCanvas::filled_box(int x1, int y1, int x2, int y2, Rgb colour) {
    const std::uint32_t word = word_of(colour);
    const int x_low = std::max(std::min(x1, x2), left_x_);
    const int x_high = std::min(std::max(x1, x2), left_x_ + width_ - 1);
    const int y_low = std::max(std::min(y1, y2), top_y_ - height_ + 1);
    const int y_high = std::min(std::max(y1, y2), top_y_);
    if (x_low > x_high)
        return;
    for (int y = y_low; y <= y_high; ++y) {
        const auto row = static_cast<std::size_t>(top_y_ - y) * static_cast<std::size_t>(width_);
        std::fill(pixels_.begin() + static_cast<std::ptrdiff_t>(row + (x_low - left_x_)),
                  pixels_.begin() + static_cast<std::ptrdiff_t>(row + (x_high - left_x_) + 1),
                  word);
    }
    ++revision_;
}

void PlotCanvas::text(int x, int y, std::string text) {
    texts_.push_back({x, y, std::move(text)});
    ++revision_;
}

void PlotCanvas::set_texts(std::vector<PlotText> texts) {
    texts_ = std::move(texts);
    ++revision_;
}

std::uint32_t* PlotCanvas::row_words(int y) {
    const int row = top_y_ - y;
    if (row < 0 || row >= height_)
        return nullptr;
    ++revision_;
    return pixels_.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(width_);
}

bool PlotCanvas::contains(int x, int y) const {
    const int column = x - left_x_;
    const int row = top_y_ - y;
    return column >= 0 && column < width_ && row >= 0 && row < height_;
}

Rgb PlotCanvas::pixel(int x, int y) const {
    if (!contains(x, y))
        return {};
    const std::uint32_t word =
        pixels_[static_cast<std::size_t>(top_y_ - y) * static_cast<std::size_t>(width_) +
                static_cast<std::size_t>(x - left_x_)];
    return {static_cast<std::uint8_t>(word >> 16), static_cast<std::uint8_t>(word >> 8),
            static_cast<std::uint8_t>(word)};
}

} // namespace scalvo
