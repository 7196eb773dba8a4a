// SPDX-License-Identifier: GPL-3.0-or-later
// The windows need an application object; tests run on the offscreen platform with a screen
// large enough for the scaling form, and keep their QSettings in a folder of their own, never
// in the user's.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SCALVO_TEST_SCREEN);
    QApplication application(argc, argv);
    application.setOrganizationName(QStringLiteral("scalvo"));
    application.setApplicationName(QStringLiteral("SCALVO"));
    const QTemporaryDir settings;
    if (!settings.isValid())
        return 1;
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settings.path());
    return RUN_ALL_TESTS();
}
