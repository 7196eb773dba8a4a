// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/picture_file.h"

#include "common/file_error.h"
#include "common/file_io.h"

#include <QBuffer>
#include <QFileDialog>
#include <QImage>
#include <QWidget>

namespace scalvo {

PictureSaver::PictureSaver(Dialogs& dialogs, QWidget* window)
    : QObject(window), dialogs_(dialogs), window_(window) {
    setObjectName(QStringLiteral("picture_saver"));
    choose = [this](const QString& proposed) { return ask_picture_file(window_, proposed); };
}

QString PictureSaver::save(const QImage& image, const QString& proposed_path) {
    const QString path = choose(proposed_path);
    if (path.isEmpty())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const std::filesystem::path file(path.toStdU16String());
    if (!image.save(&buffer, "PNG")) {
        report_file_error(dialogs_, {file, "written", "the picture could not be made into a PNG"});
        return {};
    }
    // Through a temporary file renamed into place: a failure leaves no half picture behind,
    // nor a damaged earlier one of the same name.
    if (const auto error = replace_file(
            file, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        report_file_error(dialogs_, *error);
        return {};
    }
    return path;
}

QString ask_picture_file(QWidget* parent, const QString& proposed_path) {
    QFileDialog dialog(parent, QStringLiteral("Save picture"), proposed_path,
                       QStringLiteral("PNG pictures (*.png)"));
    dialog.setObjectName(QStringLiteral("save_picture_dialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace scalvo
