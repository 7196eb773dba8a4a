// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The inner area of a plot window as a pixel buffer in plot coordinates (one unit one
// pixel, y upwards), plus the texts drawn on it. The logic draws here point by point; the
// window paints the buffer, then the texts.
#include <cstdint>
#include <string>
#include <vector>

namespace scalvo {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct PlotText {
    int x = 0; // top-left corner of the text, plot coordinates
    int y = 0;
    std::string text;
    friend bool operator==(const PlotText&, const PlotText&) = default;
};

class PlotCanvas {
  public:
    // left_x .. right_x - 1 by top_y .. bottom_y + 1, as the window's user scale defines it.
    PlotCanvas(int left_x, int right_x, int top_y, int bottom_y, Rgb background);

    int left_x() const { return left_x_; }
    int top_y() const { return top_y_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Back to the bare background, without texts.
    void clear();
    void set_point(int x, int y, Rgb colour);
    // From (x1, y1) up to (x2, y2), the end point itself not set.
    void line(int x1, int y1, int x2, int y2, Rgb colour);
    // Filled rectangle, both corners included.
    void filled_box(int x1, int y1, int x2, int y2, Rgb colour);
    void text(int x, int y, std::string text);
    // Replaces every text at once (a redraw repaints its labels instead of piling them up).
    void set_texts(std::vector<PlotText> texts);

    // Bulk drawing: the words of row y, x from left_x() to left_x() + width() - 1, or nullptr
    // for a row outside the buffer. Counts as a change.
    std::uint32_t* row_words(int y);

    Rgb pixel(int x, int y) const;
    bool contains(int x, int y) const;
    // Row-major 0xRRGGBB words, top row first.
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }
    const std::vector<PlotText>& texts() const { return texts_; }
    // Grows with every change, so that a window repaints only when something was drawn.
    std::uint64_t revision() const { return revision_; }

  private:
    void put(int x, int y, std::uint32_t word) {
        const int column = x - left_x_;
        const int row = top_y_ - y;
        if (column >= 0 && column < width_ && row >= 0 && row < height_)
            pixels_[static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) +
                    static_cast<std::size_t>(column)] = word;
    }

    int left_x_, top_y_, width_, height_;
    std::uint32_t background_;
    std::vector<std::uint32_t> pixels_;
    std::vector<PlotText> texts_;
    std::uint64_t revision_ = 0;
};

// The dark blue of the plot windows.
inline constexpr Rgb form_background{0, 0, 192};

inline constexpr std::uint32_t word_of(Rgb c) {
    return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
}

} // namespace scalvo
