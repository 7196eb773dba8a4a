// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scaling sheet addressed by type: sixteen characteristic rows, each with a value box, a
// qualifying and a descriptive letter box (the Es types row has its one wider box instead) and
// the hidden box of the previous sounding's entry. The controls' names are the edges' business
// (controllers/control_names.h); the logic says Row and Field.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace scalvo {

// The characteristics in the order of the sheet.
enum class Row : std::uint8_t {
    fmin,
    hE,
    foE,
    foEs,
    hEs,
    es_types,
    fbEs,
    hF,
    foF1,
    MUF3000F1,
    M3000F1,
    hF2,
    foF2,
    fxI,
    MUF3000F2,
    M3000F2,
};

inline constexpr std::size_t row_count = 16;

inline constexpr std::array<Row, row_count> all_rows{
    Row::fmin, Row::hE,  Row::foE,       Row::foEs,      Row::hEs,     Row::es_types,
    Row::fbEs, Row::hF,  Row::foF1,      Row::MUF3000F1, Row::M3000F1, Row::hF2,
    Row::foF2, Row::fxI, Row::MUF3000F2, Row::M3000F2};

// Position of the row in the sheet, 0 for fmin ... 15 for M(3000)F2.
constexpr std::size_t index_of(Row row) {
    return static_cast<std::size_t>(row);
}

enum class Field : std::uint8_t { value, qualifying, descriptive, previous };

inline constexpr std::size_t field_count = 4;

struct Box {
    Row row = Row::fmin;
    Field field = Field::value;
    friend constexpr bool operator==(Box, Box) = default;
    friend constexpr auto operator<=>(Box, Box) = default;
};

constexpr Box value_box(Row row) {
    return {row, Field::value};
}
constexpr Box qualifying_box(Row row) {
    return {row, Field::qualifying};
}
constexpr Box descriptive_box(Row row) {
    return {row, Field::descriptive};
}
constexpr Box previous_box(Row row) {
    return {row, Field::previous};
}

// The Es types row has no letter boxes: its value box holds the types.
constexpr bool exists(Box box) {
    return box.row != Row::es_types ||
           (box.field != Field::qualifying && box.field != Field::descriptive);
}

// Every box of the sheet, row by row, in the order value, qualifying, descriptive, previous.
inline constexpr std::size_t box_count = row_count * field_count - 2;

inline constexpr std::array<Box, box_count> sheet_boxes = [] {
    std::array<Box, box_count> boxes{};
    std::size_t k = 0;
    for (Row row : all_rows)
        for (Field field : {Field::value, Field::qualifying, Field::descriptive, Field::previous})
            if (exists(Box{row, field}))
                boxes[k++] = Box{row, field};
    return boxes;
}();

// The rows of the two computed factors, which no command selects.
constexpr bool is_m3000(Row row) {
    return row == Row::M3000F1 || row == Row::M3000F2;
}

// The rows the transmission-curve tool fills.
constexpr bool is_muf3000(Row row) {
    return row == Row::MUF3000F1 || row == Row::MUF3000F2;
}

// The text of the row's label: "fmin", "h'E", "Es Types", "MUF(3000)F1" ...
std::string_view caption(Row row);

// The longest text typing may put into the box (0: no limit): 3 for values, 4 for the Es
// types, 1 for letters. The hidden previous-sounding boxes take no typing.
constexpr int max_length(Box box) {
    switch (box.field) {
    case Field::value:
        return box.row == Row::es_types ? 4 : 3;
    case Field::qualifying:
    case Field::descriptive:
        return 1;
    case Field::previous:
        return 0;
    }
    return 0;
}

// The previous sounding's boxes are never shown.
constexpr bool visible(Box box) {
    return box.field != Field::previous;
}

} // namespace scalvo
