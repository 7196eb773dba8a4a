// SPDX-License-Identifier: GPL-3.0-or-later
// The month's picture needs an application object for its fonts; offscreen, no display.
#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
