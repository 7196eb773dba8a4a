// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly_qt/monthly_command_line.h"

#include "scalvo_version.h"

#include <QCommandLineParser>
#include <QStringList>

namespace scalvo {

namespace {

MonthlyCommandLine ending(int status, std::string out, std::string err = "") {
    MonthlyCommandLine result;
    result.exit_status = status;
    result.out = std::move(out);
    result.err = std::move(err);
    return result;
}

MonthlyCommandLine refuse(const std::string& why) {
    return ending(2, "", "monthly_tables: " + why + "\n" + monthly_usage_text());
}

std::filesystem::path path_of(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

} // namespace

std::string monthly_usage_text() {
    return "usage: monthly_tables --month YYYY-MM [--folder DIR] [--out DIR]\n"
           "The monthly tables of a station from the scaled-values files of one month in the\n"
           "working folder's ionograms/: the printed tables with medians and quartiles\n"
           "(monthly_YYYY_MM.txt), the IIWG exchange file (.iiwg, from the station's facts in\n"
           "station.ini), the values and the medians as CSV and a picture of foF2 and h'F\n"
           "(.png). Exit status 1 when anything was left out, each named on standard error.\n"
           "  --month YYYY-MM   the month, such as 2026-12\n"
           "  --folder DIR      the working folder (default: the current folder)\n"
           "  --out DIR         where the files go (default: the working folder's output/)\n"
           "  -h, --help        this text\n"
           "  --version         the version\n";
}

MonthlyCommandLine parse_monthly_command_line(int argc, const char* const argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption month(QStringLiteral("month"), QString(), QStringLiteral("YYYY-MM"));
    const QCommandLineOption folder(QStringLiteral("folder"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption out(QStringLiteral("out"), QString(), QStringLiteral("DIR"));
    parser.addOptions({help, version, month, folder, out});
    if (!parser.parse(arguments))
        return refuse(parser.errorText().toStdString());
    if (parser.isSet(help))
        return ending(0, monthly_usage_text());
    if (parser.isSet(version))
        return ending(0, "monthly_tables " SCALVO_VERSION "\n");
    if (!parser.positionalArguments().isEmpty())
        return refuse("unexpected argument " +
                      parser.positionalArguments().constFirst().toStdString());
    for (const QCommandLineOption* option : {&month, &folder, &out})
        if (parser.values(*option).size() > 1)
            return refuse("--" + option->names().constFirst().toStdString() + " given twice");
    if (!parser.isSet(month))
        return refuse("which month? give --month YYYY-MM");
    const auto chosen = parse_month(parser.value(month).toStdString());
    if (!chosen)
        return refuse("--month " + parser.value(month).toStdString() +
                      " is no month: give YYYY-MM, such as 2026-12");
    const std::filesystem::path working =
        parser.isSet(folder) ? path_of(parser.value(folder)) : std::filesystem::path(".");
    MonthlyCommandLine result;
    result.request = request_for(*chosen, working);
    if (parser.isSet(out))
        result.request.out = path_of(parser.value(out));
    return result;
}

} // namespace scalvo
