// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly_qt/station_file.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace scalvo {

std::optional<std::map<std::string, std::string>>
read_station_keys(const std::filesystem::path& folder) {
    const QString path = QString::fromStdU16String((folder / station_file_name).u16string());
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    std::map<std::string, std::string> keys;
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return keys;
    settings.beginGroup(QStringLiteral("station"));
    for (const std::string& key : station_keys()) {
        const QString name = QString::fromStdString(key);
        if (!settings.contains(name))
            continue;
        const QVariant value = settings.value(name);
        // An unquoted value with commas ("Roma, Italy") comes back as a list of its parts.
        const QString text = value.typeId() == QMetaType::QStringList
                                 ? value.toStringList().join(QStringLiteral(", "))
                                 : value.toString();
        keys[key] = text.toStdString();
    }
    return keys;
}

} // namespace scalvo
