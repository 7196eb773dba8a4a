// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/station.h"

#include "common/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace scalvo {

namespace {

using Keys = std::map<std::string, std::string>;

// The exchange file is plain ASCII in fixed columns.
bool printable_ascii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

std::optional<double> number_of(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

class Checker {
  public:
    Checker(const Keys& keys, StationReading& reading) : keys_(keys), reading_(reading) {}

    // The trimmed text of a key; nullopt (and the key named as missing) without it.
    std::optional<std::string> text(const std::string& key) {
        const auto found = keys_.find(key);
        if (found == keys_.end() || trim(found->second).empty()) {
            reading_.missing.push_back(key);
            return std::nullopt;
        }
        return trim(found->second);
    }

    std::string words(const std::string& key, std::size_t longest) {
        const auto value = text(key);
        if (!value)
            return "";
        if (value->size() > longest || !printable_ascii(*value))
            wrong(key, *value + " is not a text of at most " + std::to_string(longest) +
                           " plain characters (letters, digits, blanks, punctuation)");
        return *value;
    }

    double number(const std::string& key, double lowest, double highest) {
        const auto value = text(key);
        if (!value)
            return 0;
        const auto n = number_of(*value);
        if (!n || *n < lowest || *n > highest) {
            wrong(key,
                  *value + " is not a number from " + trimmed(lowest) + " to " + trimmed(highest));
            return 0;
        }
        return *n;
    }

    // One of the choices, in any case; returned as the first spelling of the choice.
    std::string choice(const std::string& key, std::initializer_list<const char*> choices) {
        const auto value = text(key);
        if (!value)
            return "";
        std::string all;
        for (const char* c : choices) {
            if (upper(*value) == upper(c))
                return c;
            all += (all.empty() ? "" : ", ") + upper(c);
        }
        wrong(key, *value + " is none of " + all);
        return "";
    }

    void wrong(const std::string& key, const std::string& why) {
        reading_.wrong.push_back(key + ": " + why);
    }

  private:
    static std::string trimmed(double x) { return std::to_string(static_cast<long long>(x)); }

    const Keys& keys_;
    StationReading& reading_;
};

} // namespace

const std::vector<std::string>& station_keys() {
    static const std::vector<std::string> keys{"name",      "ursi_code",     "latitude",
                                               "longitude", "meridian_time", "ionosonde",
                                               "scaling",   "editing"};
    return keys;
}

StationReading check_station(const std::optional<Keys>& keys) {
    StationReading reading;
    if (!keys) {
        reading.missing = station_keys();
        return reading;
    }
    reading.file_found = true;
    Checker check(*keys, reading);
    Station station;
    station.name = check.words("name", 30);
    station.ursi_code = check.text("ursi_code").value_or("");
    const auto alphanumeric = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    };
    if (!station.ursi_code.empty() &&
        (station.ursi_code.size() != 5 ||
         !std::all_of(station.ursi_code.begin(), station.ursi_code.end(), alphanumeric)))
        check.wrong("ursi_code", station.ursi_code + " is not five letters and digits");
    station.latitude = check.number("latitude", -90, 90);
    station.longitude = check.number("longitude", -180, 360);
    if (station.longitude < 0)
        station.longitude += 360;
    const double meridian = check.number("meridian_time", -180, 180);
    station.meridian_time = static_cast<int>(meridian);
    if (meridian != std::floor(meridian))
        check.wrong("meridian_time", "is not a whole number of degrees");
    station.ionosonde = check.words("ionosonde", 30);
    station.scaling = check.choice("scaling", {"Manual", "Automatic"});
    station.editing = check.choice("editing", {"Edited", "Non-edited", "Mixed"});

    const auto given = [&](const char* key) {
        const auto found = keys->find(key);
        return found == keys->end() ? std::string() : trim(found->second);
    };
    const std::string name = given("name");
    const std::string code = given("ursi_code");
    reading.title = name.empty() ? code : code.empty() ? name : name + " (" + code + ")";
    if (reading.missing.empty() && reading.wrong.empty())
        reading.station = station;
    return reading;
}

std::string station_complaint(const StationReading& reading) {
    if (reading.station)
        return "";
    std::string text;
    if (!reading.file_found) {
        text = std::string("there is no ") + station_file_name + ": the keys ";
    } else if (!reading.missing.empty()) {
        text = std::string(station_file_name) + " lacks the keys ";
    }
    for (std::size_t k = 0; k < reading.missing.size(); ++k)
        text += (k > 0 ? ", " : "") + reading.missing[k];
    if (!reading.missing.empty())
        text += reading.file_found ? "" : " are missing";
    for (const std::string& wrong : reading.wrong)
        text += (text.empty() ? std::string(station_file_name) + ": " : "; ") + wrong;
    return text + "; the exchange file needs them and is not written";
}

} // namespace scalvo
