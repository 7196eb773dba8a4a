// SPDX-License-Identifier: GPL-3.0-or-later
#include "ionogram/ionogram_file.h"

#include "common/conversions.h"
#include "common/file_io.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace scalvo {

namespace {

// Bytes from..to of the header, 1-based and inclusive.
std::string_view bytes_of(std::string_view header, std::size_t from, std::size_t to) {
    return header.substr(from - 1, to - from + 1);
}

float frequency_field(std::string_view header, std::size_t whole_from, std::size_t whole_to,
                      std::size_t thousandths_from) {
    std::string text(bytes_of(header, whole_from, whole_to));
    text += '.';
    text += bytes_of(header, thousandths_from, thousandths_from + 2);
    return static_cast<float>(numeric_value(text));
}

// More frequencies than any header can describe (0.001 MHz steps over 0..99.999 MHz).
constexpr double largest_count = 1e6;

} // namespace

std::int32_t frequency_count_of(float start, float end, float step) {
    if (!(step > 0) || !(end >= start))
        return 0;
    const double count =
        (static_cast<double>(end) - static_cast<double>(start)) / static_cast<double>(step) + 1;
    if (!std::isfinite(count) || count > largest_count)
        return 0;
    return static_cast<std::int32_t>(nearest_integer(count));
}

HeaderResult read_ionogram_header(std::string_view bytes) {
    if (bytes.size() < ionogram_header_length)
        return HeaderFault::too_short;
    if (bytes[49] == '\n')
        return HeaderFault::short_header;
    if (bytes[196] != '\n')
        return HeaderFault::no_header;
    const std::string_view header = bytes.substr(0, ionogram_header_length);
    IonogramHeader result;
    result.start_frequency = frequency_field(header, 1, 2, 4);
    result.end_frequency = frequency_field(header, 8, 9, 11);
    result.frequency_step = frequency_field(header, 15, 15, 17);
    result.frequency_count =
        frequency_count_of(result.start_frequency, result.end_frequency, result.frequency_step);
    result.particular_case_code = std::string(bytes_of(header, 60, 61));
    result.station_code = std::string(bytes_of(header, 123, 127));
    return result;
}

bool check_ionogram_size(std::int64_t size, std::int64_t frequency_count) {
    const std::int64_t echoes = size - static_cast<std::int64_t>(ionogram_header_length);
    return size > static_cast<std::int64_t>(ionogram_header_length) && echoes % height_count == 0 &&
           echoes != 0 && frequency_count > 0 && echoes / height_count == frequency_count;
}

HeaderResult read_ionogram(std::string_view bytes, Ionogram& ionogram) {
    HeaderResult result = read_ionogram_header(bytes);
    if (std::holds_alternative<HeaderFault>(result))
        return result;
    const IonogramHeader& header = std::get<IonogramHeader>(result);
    if (!check_ionogram_size(static_cast<std::int64_t>(bytes.size()), header.frequency_count))
        return HeaderFault::wrong_size;
    ionogram.start_frequency = header.start_frequency;
    ionogram.end_frequency = header.end_frequency;
    ionogram.frequency_step = header.frequency_step;
    ionogram.frequency_count = header.frequency_count;
    ionogram.amplitude_grid.resize(static_cast<std::size_t>(header.frequency_count) * height_count);
    clear_amplitude_grid(ionogram);
    // Heights of the first frequency, then of the second ...: the grid's own order.
    const auto* echoes =
        reinterpret_cast<const unsigned char*>(bytes.data() + ionogram_header_length);
    std::transform(echoes, echoes + ionogram.amplitude_grid.size(), ionogram.amplitude_grid.begin(),
                   [](unsigned char b) { return static_cast<std::int16_t>(b > 6 ? b : 0); });
    return result;
}

void clear_amplitude_grid(Ionogram& ionogram) {
    std::fill(ionogram.amplitude_grid.begin(), ionogram.amplitude_grid.end(), std::int16_t{0});
}

std::string_view station_name_of(std::string_view station_code) {
    struct Station {
        std::string_view code;
        std::string_view name;
    };
    static constexpr std::array<Station, 6> stations{{{"DS045", "Brisca"},
                                                      {"KV012", "Alderon"},
                                                      {"NX61P", "Corvale Bay"},
                                                      {"WA32Q", "Dunmere"},
                                                      {"HL083", "Estoria"},
                                                      {"ZE20R", "Farnel"}}};
    for (const Station& station : stations)
        if (station.code == station_code)
            return station.name;
    return "XXXXXXXX";
}

std::optional<std::string_view> particular_case_caption(ParticularCase particular_case) {
    struct Caption {
        ParticularCase particular_case;
        std::string_view caption;
    };
    static constexpr std::array<Caption, 10> captions{{
        {ParticularCase::nighttime_es_missing, "Particular Case: Nighttime Es missing"},
        {ParticularCase::daytime_es_missing, "Particular Case: Daytime Es missing"},
        {ParticularCase::daytime_blanketing_single,
         "Particular Case: Daytime Es blanketing - single reflection"},
        {ParticularCase::daytime_blanketing_above,
         "Particular Case: Daytime Es blanketing - multiple reflections - second "
         "reflection >= foEs"},
        {ParticularCase::daytime_blanketing_below,
         "Particular Case: Daytime Es blanketing - multiple reflections - second "
         "reflection < foEs"},
        {ParticularCase::nighttime_blanketing_single,
         "Particular Case: Nighttime Es blanketing - single reflection"},
        {ParticularCase::nighttime_blanketing_above,
         "Particular Case: Nighttime Es blanketing - multiple reflections - second "
         "reflection >= foEs"},
        {ParticularCase::nighttime_blanketing_below,
         "Particular Case: Nighttime Es blanketing - multiple reflections - second "
         "reflection < foEs"},
        {ParticularCase::partial_absorption, "Particular Case: Partial absorption"},
        {ParticularCase::none, ""},
    }};
    for (const Caption& entry : captions)
        if (entry.particular_case == particular_case)
            return entry.caption;
    return std::nullopt;
}

IonogramLoad load_ionogram_file(const std::filesystem::path& path, Ionogram& ionogram) {
    auto not_read = [](const FileError& error) {
        const bool missing = is_missing(error);
        IonogramLoad load;
        load.error_number = static_cast<std::int16_t>(missing ? 53 : 75);
        if (!missing)
            load.read_error = error;
        return load;
    };
    auto refused = [](IonogramOutcome outcome, HeaderFault fault) {
        IonogramLoad load;
        load.outcome = outcome;
        load.fault = fault;
        return load;
    };
    auto opened = ReadFile::open(path);
    if (failed(opened))
        return not_read(std::get<FileError>(opened));
    const ReadFile& file = std::get<ReadFile>(opened);
    const std::int64_t bytes = file.size();
    if (bytes <= static_cast<std::int64_t>(ionogram_header_length))
        return refused(IonogramOutcome::unusable, HeaderFault::too_short);

    const auto head = file.read(0, ionogram_header_length);
    if (failed(head))
        return not_read(std::get<FileError>(head));
    const HeaderResult header = read_ionogram_header(std::get<std::string>(head));
    if (const auto* fault = std::get_if<HeaderFault>(&header)) {
        // A 50-byte header fails the size rule; without any header the file is not shown, and
        // a file cut short since its size was taken is gone as far as this load is concerned.
        return refused(*fault == HeaderFault::short_header ? IonogramOutcome::unusable
                                                           : IonogramOutcome::missing,
                       *fault);
    }
    if (!check_ionogram_size(bytes, std::get<IonogramHeader>(header).frequency_count))
        return refused(IonogramOutcome::unusable, HeaderFault::wrong_size);

    // The file may change between the size test and the read: the bytes read are checked
    // again, and anything but the whole usable file counts as no ionogram.
    const auto whole = file.read(0, static_cast<std::size_t>(bytes));
    if (failed(whole))
        return not_read(std::get<FileError>(whole));
    const HeaderResult read = read_ionogram(std::get<std::string>(whole), ionogram);
    if (const auto* fault = std::get_if<HeaderFault>(&read))
        return refused(IonogramOutcome::missing, *fault);
    IonogramLoad load;
    load.outcome = IonogramOutcome::usable;
    load.header = std::get<IonogramHeader>(read);
    load.identity = file.identity();
    return load;
}

} // namespace scalvo
