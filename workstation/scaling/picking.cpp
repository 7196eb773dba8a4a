#include "scaling/picking.h"

#include "common/conversions.h"
#include "common/shared_state.h"
#include "common/text.h"
#include "scaling/m3000.h"
#include "scaling/warnings.h"

#include <array>
#include <cmath>

namespace scalvo {

namespace {

// Separation of the ordinary and extraordinary traces at this station: 0.5 MHz in 0.1 MHz.
constexpr int trace_separation = 5;

enum class PickKind { none, tenths, hundredths, height };

struct PickTarget {
    std::string_view key;
    PickKind kind;
    std::string_view box;
};

constexpr std::array<PickTarget, 11> pick_targets{{
    {"fmin", PickKind::tenths, "Text1"},
    {"foEs", PickKind::tenths, "Text4"},
    {"fbEs", PickKind::tenths, "Text6"},
    {"foF2", PickKind::tenths, "Text13"},
    {"fxI", PickKind::tenths, "Text14"},
    {"foE", PickKind::hundredths, "Text3"},
    {"foF1", PickKind::hundredths, "Text9"},
    {"hE", PickKind::height, "Text2"},
    {"hEs", PickKind::height, "Text5"},
    {"hF", PickKind::height, "Text8"},
    {"hF2", PickKind::height, "Text12"},
}};

const PickTarget* target_of(std::string_view key) {
    for (const PickTarget& target : pick_targets)
        if (target.key == key)
            return &target;
    return nullptr;
}

// The click position as the plot mapping reads it, unsnapped; kept for the MUF(3000) tool.
PlotPoint point_of(int x, int y) {
    return {static_cast<float>(0.025 * x + 0.9), static_cast<float>(1.125 * y + 85.5)};
}

double value_of(const ScalingForm& form, std::string_view box) {
    return numeric_value(form.text(box));
}

std::string code_text(double code) {
    return trimmed_number_text(static_cast<long long>(code));
}

// picked_text cut at its decimal point: the whole part I and the decimals D.
struct PickedParts {
    std::string whole;
    std::string decimals;
};

PickedParts split_picked_text(ScalingForm& form) {
    const auto point = form.picked_text.find('.');
    form.decimal_point_position =
        static_cast<std::int16_t>(point == std::string::npos ? 0 : point + 1);
    if (form.decimal_point_position == 0)
        return {form.picked_text, {}};
    const auto position = static_cast<std::size_t>(form.decimal_point_position);
    return {left(form.picked_text, position - 1), mid(form.picked_text, position + 1)};
}

int digit(const std::string& decimals, std::size_t position) {
    return static_cast<int>(numeric_value(mid(decimals, position, 1)));
}

// Nearest kilometre, halves up, judged on the first decimal.
std::string height_code(ScalingForm& form) {
    const PickedParts parts = split_picked_text(form);
    if (form.decimal_point_position == 0)
        return trim(form.picked_text);
    if (digit(parts.decimals, 1) >= 5)
        return code_text(numeric_value(parts.whole) + 1);
    return trim(parts.whole);
}

// Nearest 0.01 MHz. The click frequency has at most three decimals, the third always 5, so
// the second decimal plus one never carries.
std::string hundredths_code(ScalingForm& form) {
    const PickedParts parts = split_picked_text(form);
    if (form.decimal_point_position == 0)
        return trim(form.picked_text + "00");
    const std::string d1 = mid(parts.decimals, 1, 1);
    switch (parts.decimals.size()) {
    case 1:
        return trim(parts.whole + d1 + "0");
    case 2:
        return trim(parts.whole + parts.decimals);
    default:
        return trim(parts.whole + d1 + code_text(digit(parts.decimals, 2) + 1));
    }
}

// Nearest 0.1 MHz, halves up, judged on the hundredths digit.
std::string tenths_code(ScalingForm& form) {
    const PickedParts parts = split_picked_text(form);
    if (form.decimal_point_position == 0)
        return trim(form.picked_text + "0");
    const std::string d1 = mid(parts.decimals, 1, 1);
    if (parts.decimals.size() == 1 || digit(parts.decimals, 2) < 5)
        return trim(parts.whole + d1);
    const int raised = digit(parts.decimals, 1) + 1;
    if (raised == 10)
        return code_text(numeric_value(parts.whole) + 1) + "0";
    return trim(parts.whole + code_text(raised));
}

void recompute_after_warnings(Scaling& scaling, Layer layer) {
    if (!critical_frequency_warnings(scaling, layer))
        return;
    if (!scaling.form.empty(layer == Layer::F1 ? "Text10" : "Text15"))
        recompute_m3000(scaling.form, layer);
}

// A click within 0.2 MHz of the other trace's value is on the ordinary trace (fxI) or the
// extraordinary one (foF2): the value is taken one separation away from the other.
bool near_each_other(double foF2, double fxI) {
    return foF2 - fxI >= -2 && foF2 - fxI <= 2;
}

void fxI_letter_rules(ScalingForm& form) {
    if (trim(form.text("Text13")).empty())
        return;
    const double foF2 = value_of(form, "Text13");
    const double fxI = value_of(form, "Text14");
    if (fxI - foF2 == trace_separation)
        form.set_text("Text44", "X");
    if (near_each_other(foF2, fxI)) {
        form.set_text("Text14", code_text(foF2 + trace_separation));
        form.set_text("Text30", "O");
    }
}

void foF2_letter_rules(ScalingForm& form) {
    if (!trim(form.text("Text14")).empty() &&
        near_each_other(value_of(form, "Text13"), value_of(form, "Text14"))) {
        form.set_text("Text13", code_text(value_of(form, "Text14") - trace_separation));
        form.set_text("Text44", "X");
        form.set_text("lettera_qualificativa_fof2", "J");
    }
    if (!trim(form.text("Text13")).empty() &&
        value_of(form, "Text14") - value_of(form, "Text13") == trace_separation)
        form.set_text("Text44", "X");
}

// fmin cannot lie below the first frequency of the sounding: there it is the sounder's limit.
void fmin_lower_limit(ScalingForm& form) {
    // Single times integer stays single, as the header's frequency is single.
    const float limit = form.ionogram.start_frequency * 10;
    if (!(limit >= value_of(form, "Text1")))
        return;
    // A start frequency off the 0.1 MHz grid would leave a decimal point in the box: take the
    // first 0.1 MHz value at or above it.
    const double whole = std::nearbyint(static_cast<double>(limit));
    const double code = std::abs(limit - whole) < 1e-3 ? whole : std::ceil(limit);
    form.set_text("Text1", code_text(code));
    form.set_text("Text17", "E");
    form.set_text("Text23", "E");
}

void fbEs_letter_rules(ScalingForm& form) {
    const std::string foEs = trim(form.text("Text4"));
    const std::string fbEs = trim(form.text("Text6"));
    if (foEs.empty() || fbEs.empty())
        return;
    if (fbEs == foEs) {
        form.set_text("Text22", "A");
        form.set_text("Text37", "A");
    }
    if (numeric_value(fbEs) > numeric_value(foEs)) {
        form.set_text("Text22", "U");
        form.set_text("Text37", "Y");
    }
}

void pick_height(Scaling& scaling, const PickTarget& target, int y) {
    ScalingForm& form = scaling.form;
    if (!height_plausible(scaling, target.key, y))
        return;
    form.picked_text = picked_height_text(y);
    form.set_text(target.box, height_code(form));
    height_order_warnings(scaling, target.key);
}

void pick_hundredths(Scaling& scaling, const PickTarget& target, int x, int y) {
    ScalingForm& form = scaling.form;
    if (!frequency_below_10_mhz(scaling, x))
        return;
    form.picked_text = picked_frequency_text(x);
    const bool foF1 = target.key == "foF1";
    if (foF1)
        form.foF1_point = point_of(x, y);
    form.set_text(target.box, hundredths_code(form));
    if (foF1)
        recompute_after_warnings(scaling, Layer::F1);
    else
        fmin_foE_warning(scaling, "foE");
}

void pick_tenths(Scaling& scaling, const PickTarget& target, int x, int y) {
    ScalingForm& form = scaling.form;
    form.picked_text = picked_frequency_text(x);
    if (target.key == "foF2")
        form.foF2_point = point_of(x, y);
    form.set_text(target.box, tenths_code(form));
    if (target.key == "fxI") {
        fxI_letter_rules(form);
    } else if (target.key == "foF2") {
        foF2_letter_rules(form);
        recompute_after_warnings(scaling, Layer::F2);
    } else if (target.key == "fmin") {
        fmin_lower_limit(form);
        fmin_foE_warning(scaling, "fmin");
    } else {
        fbEs_letter_rules(form);
    }
}

} // namespace

std::string picked_frequency_text(int x) {
    // Columns left of 1 MHz count as 1 MHz.
    if (x <= 3)
        return "1";
    // In double: the shortest text of every column then has at most three decimals.
    return number_text(0.025 * x + 0.9);
}

std::string picked_height_text(int y) {
    // The rows of the height grid lines read as their round heights.
    constexpr std::array<std::pair<int, const char*>, 7> grid_rows{{{12, "100"},
                                                                    {102, "200"},
                                                                    {190, "300"},
                                                                    {280, "400"},
                                                                    {368, "500"},
                                                                    {458, "600"},
                                                                    {546, "700"}}};
    for (const auto& [row, text] : grid_rows)
        if (row == y)
            return text;
    return number_text(1.125 * y + 85.5);
}

void pick_on_plot(Scaling& scaling, float x, float y) {
    // Written so that a position that is not a number fails too.
    if (!(x >= 1 && x <= 764 && y >= 1 && y <= 600) || !scaling.shared.ionogram_loaded)
        return;
    const PickTarget* target = target_of(scaling.form.selected_characteristic);
    if (target == nullptr)
        return;
    // Positions are whole plot units; a fractional one is taken at its nearest unit so that
    // the picked texts keep their few decimals.
    const int column = static_cast<int>(std::lrint(x));
    const int row = static_cast<int>(std::lrint(y));
    switch (target->kind) {
    case PickKind::height:
        pick_height(scaling, *target, row);
        break;
    case PickKind::hundredths:
        pick_hundredths(scaling, *target, column, row);
        break;
    case PickKind::tenths:
        pick_tenths(scaling, *target, column, row);
        break;
    case PickKind::none:
        break;
    }
}

} // namespace scalvo
