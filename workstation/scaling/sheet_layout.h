#pragma once
// The sixteen rows of the scaling sheet: the characteristic key (also the name of the row's
// label), the caption and the names of the row's boxes.
#include <array>
#include <string_view>

namespace scalvo {

struct SheetRow {
    std::string_view key;
    std::string_view caption;
    std::string_view value_box;       // Text7 for the Es types row
    std::string_view qualifying_box;  // empty for the Es types row
    std::string_view descriptive_box; // empty for the Es types row
    std::string_view previous_box;    // hidden box with the previous sounding's entry
};

inline constexpr std::array<SheetRow, 16> sheet_rows{{
    {"fmin", "fmin", "Text1", "Text17", "Text23", "Text25"},
    {"hE", "h'E", "Text2", "Text18", "Text33", "Text26"},
    {"foE", "foE", "Text3", "Text19", "Text34", "Text27"},
    {"foEs", "foEs", "Text4", "Text20", "Text35", "Text29"},
    {"hEs", "h'Es", "Text5", "Text21", "Text36", "Text31"},
    {"tipoEs", "Es Types", "Text7", "", "", "Text39"},
    {"fbEs", "fbEs", "Text6", "Text22", "Text37", "Text32"},
    {"hF", "h'F", "Text8", "Text24", "Text38", "Text40"},
    {"foF1", "foF1", "Text9", "lettera_qualificativa_fof1", "lettera_descrittiva_fof1", "Text41"},
    {"MUF3000F1", "MUF(3000)F1", "Text10", "lettera_qualificativa_muf3000f1",
     "lettera_descrittiva_muf3000f1", "Text43"},
    {"M3000F1", "M(3000)F1", "Text11", "lettera_qualificativa_m3000f1",
     "lettera_descrittiva_m3000f1", "Text45"},
    {"hF2", "h'F2", "Text12", "Text28", "Text42", "Text46"},
    {"foF2", "foF2", "Text13", "lettera_qualificativa_fof2", "lettera_descrittiva_fof2", "Text47"},
    {"fxI", "fxI", "Text14", "Text30", "Text44", "Text48"},
    {"MUF3000F2", "MUF(3000)F2", "Text15", "lettera_qualificativa_muf3000f2",
     "lettera_descrittiva_muf3000f2", "Text49"},
    {"M3000F2", "M(3000)F2", "Text16", "lettera_qualificativa_m3000f2",
     "lettera_descrittiva_m3000f2", "Text50"},
}};

// The row of a characteristic key; throws std::out_of_range for an unknown key.
const SheetRow& sheet_row(std::string_view key);
// Position of the row in the sheet, 0 for fmin ... 15 for M(3000)F2.
int row_index(std::string_view key);

} // namespace scalvo
