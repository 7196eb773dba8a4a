// The windows need an application object; tests run on the offscreen platform with a screen
// large enough for the scaling form.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SCALVO_TEST_SCREEN);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
