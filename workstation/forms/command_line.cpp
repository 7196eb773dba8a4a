// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/command_line.h"

#include "scalvo_version.h"

#include <QCommandLineParser>
#include <QStringList>
#include <string_view>

namespace scalvo {

namespace {

// Qt's own options, which QApplication takes out of the arguments itself (-platform, -style,
// ...): accepted here so that they keep working, and left out of the usage.
void accept_qt_options(QCommandLineParser& parser) {
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
          "qwindowgeometry", "geometry", "qwindowicon", "icon", "qwindowtitle", "title", "session",
          "display", "style", "stylesheet"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The bytes given to --folder, as they were given: a folder name need not be text in the
// locale's encoding (a Latin-1 name under UTF-8), and a round trip through text would change it.
std::string folder_bytes(int argc, const char* const argv[]) {
    std::string value;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            break;
        for (const std::string_view name : {"--folder", "-folder"}) {
            if (argument == name && i + 1 < argc)
                value = argv[++i];
            else if (argument.starts_with(name) && argument.size() > name.size() &&
                     argument[name.size()] == '=')
                value = std::string(argument.substr(name.size() + 1));
        }
    }
    return value;
}

CommandLine refuse(const QString& why) {
    CommandLine result;
    result.exit_status = 2;
    result.err = "scalvo: " + why.toStdString() + "\n" + usage_text();
    return result;
}

} // namespace

std::string usage_text() {
    return "usage: scalvo [--folder DIR | --last-folder | --choose-folder]\n"
           "The ionogram scaling workstation. It works in the current folder: setting.txt\n"
           "(the last sounding shown) and ionograms/ (the ionogram files and the day files\n"
           "of scaled values).\n"
           "  --folder DIR      work in DIR instead\n"
           "  --last-folder     work in the folder used last time; the first time, or when\n"
           "                    it has gone, choose one (the desktop menu entry does this)\n"
           "  --choose-folder   choose the working folder in a folder chooser\n"
           "  -h, --help        this text\n"
           "  --version         the version\n";
}

std::string version_text() {
    return "scalvo " SCALVO_VERSION "\n";
}

CommandLine parse_command_line(int argc, const char* const argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's options are written with one dash (-platform); ours take one or two.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption folder(QStringLiteral("folder"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption last(QStringLiteral("last-folder"));
    const QCommandLineOption choose(QStringLiteral("choose-folder"));
    parser.addOptions({help, version, folder, last, choose});
    accept_qt_options(parser);

    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(help)) {
        CommandLine result;
        result.exit_status = 0;
        result.out = usage_text();
        return result;
    }
    if (parser.isSet(version)) {
        CommandLine result;
        result.exit_status = 0;
        result.out = version_text();
        return result;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("unexpected argument ") +
                      parser.positionalArguments().constFirst() +
                      QStringLiteral(" (a folder is given with --folder DIR)"));
    const int folder_options =
        int(parser.isSet(folder)) + int(parser.isSet(last)) + int(parser.isSet(choose));
    if (folder_options > 1 || parser.values(folder).size() > 1)
        return refuse(QStringLiteral("give one of --folder, --last-folder, --choose-folder"));

    CommandLine result;
    if (parser.isSet(folder)) {
        result.folder.source = FolderSource::given;
        result.folder.given = folder_bytes(argc, argv);
    } else if (parser.isSet(last)) {
        result.folder.source = FolderSource::remembered;
    } else if (parser.isSet(choose)) {
        result.folder.source = FolderSource::chosen;
    }
    return result;
}

} // namespace scalvo
