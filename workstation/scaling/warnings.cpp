#include "scaling/warnings.h"

#include "common/conversions.h"
#include "common/dialogs.h"
#include "common/text.h"

#include <array>

namespace scalvo {

namespace {

// A Yes/No warning; the form keeps the answer.
bool operator_goes_on(Scaling& scaling, const std::string& text, const std::string& title) {
    scaling.form.last_answer = static_cast<std::int16_t>(
        scaling.dialogs.ask_yes_no(two_lines(text, "Do you want to continue?"), title));
    return scaling.form.last_answer == answer_yes;
}

double value_of(const ScalingForm& form, std::string_view box) {
    return numeric_value(form.text(box));
}

// lower - margin must not exceed upper.
struct HeightOrder {
    std::string_view lower_box;
    std::string_view upper_box;
    int margin;
    const char* message;
};

constexpr HeightOrder e_below_es{"Text2", "Text5", 10, "(h'E-10) cannot be greater than h'Es"};
constexpr HeightOrder es_below_f{"Text5", "Text8", 0, "h'Es cannot be greater than h'F"};
constexpr HeightOrder f_below_f2{"Text8", "Text12", 0, "h'F cannot be greater than h'F2"};

struct HeightChecks {
    std::string_view key;
    std::string_view box;
    std::array<const HeightOrder*, 2> orders;
};

constexpr std::array<HeightChecks, 4> height_checks{{
    {"hE", "Text2", {&e_below_es, nullptr}},
    {"hEs", "Text5", {&e_below_es, &es_below_f}},
    {"hF", "Text8", {&es_below_f, &f_below_f2}},
    {"hF2", "Text12", {&f_below_f2, nullptr}},
}};

bool implausible_height(std::string_view key, int y) {
    if (key == "hE")
        return y >= 58;
    if (key == "hEs")
        return y >= 98;
    if (key == "hF")
        return y < 84 || y > 280;
    if (key == "hF2")
        return y < 102 || y > 458;
    return false;
}

} // namespace

bool height_plausible(Scaling& scaling, std::string_view key, int y) {
    if (!implausible_height(key, y))
        return true;
    return operator_goes_on(scaling, "Impossible value for this characteristic!!", "Be careful!!!");
}

bool frequency_below_10_mhz(Scaling& scaling, int x) {
    if (x < 364)
        return true;
    scaling.dialogs.message("Impossible value for this characteristic!!", "Be careful");
    return false;
}

void height_order_warnings(Scaling& scaling, std::string_view key) {
    ScalingForm& form = scaling.form;
    for (const HeightChecks& checks : height_checks) {
        if (checks.key != key)
            continue;
        for (const HeightOrder* order : checks.orders) {
            if (order == nullptr)
                return;
            const std::string_view other =
                order->lower_box == checks.box ? order->upper_box : order->lower_box;
            if (form.empty(other))
                continue;
            if (value_of(form, order->lower_box) - order->margin <=
                value_of(form, order->upper_box))
                continue;
            if (!operator_goes_on(scaling, order->message, "Be careful!")) {
                form.set_text(checks.box, "");
                return;
            }
        }
    }
}

void fmin_foE_warning(Scaling& scaling, std::string_view key) {
    ScalingForm& form = scaling.form;
    const bool foE_picked = key == "foE";
    if (trim(form.text(foE_picked ? "Text1" : "Text3")).empty())
        return;
    // fmin is in 0.1 MHz, foE in 0.01 MHz: a "0" appended to fmin's text brings them together.
    if (numeric_value(trim(form.text("Text1")) + "0") <= value_of(form, "Text3"))
        return;
    if (!operator_goes_on(scaling, "fmin cannot be greater than foE", "Be careful!"))
        form.set_text(foE_picked ? "Text3" : "Text1", "");
}

bool critical_frequency_warnings(Scaling& scaling, Layer layer) {
    ScalingForm& form = scaling.form;
    const bool f1 = layer == Layer::F1;
    const std::string_view muf_box = f1 ? "Text10" : "Text15";
    const std::string_view critical_box = f1 ? "Text9" : "Text13";
    if (form.empty(muf_box))
        return true;
    // MUF(3000)F1 is in 0.1 MHz, foF1 in 0.01 MHz.
    const double muf = value_of(form, muf_box) * (f1 ? 10 : 1);
    const double critical = value_of(form, critical_box);
    const char* refusal = nullptr;
    if (muf < critical)
        refusal = f1 ? "foF1 cannot be greater than MUF(3000)F1!!"
                     : "foF2 cannot be greater than MUF(3000)F2!!";
    else if (muf > 10 * critical) // the ratio MUF / critical above 10, without dividing
        refusal = f1 ? "MUF(3000)F1 cannot be 10 times greater than foF1!!"
                     : "MUF(3000)F2 cannot be 10 times greater than foF2!!";
    if (refusal == nullptr)
        return true;
    scaling.dialogs.message(refusal, "Be careful!");
    form.set_text(critical_box, "");
    form.set_text(f1 ? "Text11" : "Text16", "");
    return false;
}

} // namespace scalvo
