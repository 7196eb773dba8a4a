#include "records/sheet_record.h"

namespace scalvo {

// Placeholder until the records land.
void compose_sheet_record(Scaling&) {}
FileResult write_current_record(Scaling&) {
    return std::nullopt;
}
FileResult read_record(Scaling&, int, std::string&) {
    return std::nullopt;
}
void fill_sheet_from_record(Scaling&) {}
void riempimento_caselle_testo_ionogramma_precedente(Scaling&) {}
void clear_previous_sounding_boxes(Scaling&) {}
void show_stored_sheets(Scaling&) {}

} // namespace scalvo
