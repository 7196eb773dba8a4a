// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/start_folder_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSettings>

namespace scalvo {

namespace fs = std::filesystem;

namespace {

QString to_qt(const fs::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

fs::path from_qt(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

std::optional<fs::path> remembered_folder() {
    const QString value = QSettings().value(QString::fromLatin1(remembered_folder_key)).toString();
    if (value.isEmpty())
        return std::nullopt;
    return from_qt(value);
}

StartFolder failed(int status, std::string why) {
    return {std::nullopt, status, std::move(why)};
}

} // namespace

StartFolder open_start_folder(const FolderRequest& request, const FolderChooser& chooser) {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    if (request.source == FolderSource::current) {
        // From a terminal with no option: the current folder, and no settings touched.
        if (error)
            return failed(1, "the current folder: " + error.message());
        return {current, 0, ""};
    }
    FolderDecision decision =
        decide_start_folder(request, current, remembered_folder(), from_qt(QDir::homePath()));
    if (decision.kind == FolderDecision::Kind::ask) {
        const fs::path picked = chooser(decision.folder);
        if (picked.empty())
            return failed(0, ""); // cancelled: nothing to do
        decision = chosen_folder(picked);
    }
    if (decision.kind == FolderDecision::Kind::refuse)
        return failed(2, decision.error);

    // The program works in "the current folder"; make it so.
    fs::current_path(decision.folder, error);
    if (error)
        return failed(1, decision.folder.string() + ": " + error.message());
    if (decision.remember) {
        QSettings settings;
        settings.setValue(QString::fromLatin1(remembered_folder_key), to_qt(decision.folder));
        settings.sync();
    }
    return {decision.folder, 0, ""};
}

fs::path choose_folder_in_dialog(const fs::path& start) {
    const QString picked = QFileDialog::getExistingDirectory(
        nullptr, QStringLiteral("Scalvo - Choose the working folder"), to_qt(start));
    return picked.isEmpty() ? fs::path() : from_qt(picked);
}

} // namespace scalvo
