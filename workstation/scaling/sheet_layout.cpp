#include "scaling/sheet_layout.h"

#include <stdexcept>
#include <string>

namespace scalvo {

int row_index(std::string_view key) {
    for (std::size_t k = 0; k < sheet_rows.size(); ++k)
        if (sheet_rows[k].key == key)
            return static_cast<int>(k);
    throw std::out_of_range("no sheet row " + std::string(key));
}

const SheetRow& sheet_row(std::string_view key) {
    return sheet_rows[static_cast<std::size_t>(row_index(key))];
}

} // namespace scalvo
