// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/companion_window.h"

#include "common/shared_state.h"
#include "forms/plot_surface.h"
#include "forms/scaling_window.h"
#include "ionogram/synthetic_ionogram.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"
#include "support/working_day.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

using testing::FakeDialogs;
using testing::TempFolder;

class CompanionWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::start_day(shared, folder.path());
        shared.sounding_hour = 10;
        shared.sounding_minute = 45;
        testing::write_bytes(shared.ionogram_folder / "ZE20R_2026339110000.rdf",
                             testing::daytime_ionogram("01.000 20.000 0.100", 191, 1.0, 0.1));
    }
    template <typename T> T* child(const char* name) {
        auto* widget = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QImage picture() {
        return child<PlotSurface>("immagine_next_ionogram_surface")->grab().toImage();
    }

    TempFolder folder;
    SharedState shared;
    FakeDialogs dialogs;
    CompanionForm form;
    CompanionController controller{form, shared, dialogs};
    CompanionWindow window{controller};
};

TEST_F(CompanionWindowTest, ShowsTheNextSoundingBesideTheScalingForm) {
    show_next_ionogram(form, shared, dialogs);
    window.present();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(window.windowModality(), Qt::NonModal);
    EXPECT_EQ(window.size(), QSize(825, 721));
    auto* surface = child<PlotSurface>("immagine_next_ionogram_surface");
    EXPECT_EQ(surface->to_plot(QPointF(30, 70)), QPoint(0, 600));
    EXPECT_EQ(child<QPushButton>("previous_new_form")->geometry(), QRect(224, 32, 81, 33));
    EXPECT_EQ(child<QPushButton>("next_new_form")->geometry(), QRect(504, 32, 81, 33));
    EXPECT_EQ(child<QPushButton>("previous_new_form")->text(), "previous");
    EXPECT_EQ(child<QPushButton>("next_new_form")->text(), "next");
    EXPECT_EQ(window.windowTitle(), "SCALVO - file: ZE20R_2026339110000.rdf * Farnel * "
                                    "2026-December- 5  11:00 [UT]  (sounding frequency step =  "
                                    ".1 MHz)");
    const QImage image = picture();
    EXPECT_EQ(image.pixelColor(30, 70), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(29, 300), QColor(0, 0, 192));
    EXPECT_EQ(image.pixelColor(30 + 4, 670 - 300), QColor(100, 100, 100));
}

TEST_F(CompanionWindowTest, NextAndPreviousStepTheWindowAlone) {
    show_next_ionogram(form, shared, dialogs);
    window.present();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(child<QPushButton>("next_new_form"), Qt::LeftButton);
    EXPECT_EQ(window.windowTitle(),
              "SCALVO - file: ZE20R_2026339111500.rdf * Farnel * 2026-December- 5  11:15 [UT]");
    EXPECT_EQ(picture().pixelColor(30 + 4, 670 - 300), QColor(0, 0, 0)); // the empty frame
    QTest::mouseClick(child<QPushButton>("previous_new_form"), Qt::LeftButton);
    EXPECT_EQ(window.windowTitle(), "SCALVO - file: ZE20R_2026339110000.rdf * Farnel * "
                                    "2026-December- 5  11:00 [UT]  (sounding frequency step =  "
                                    ".1 MHz)");
    EXPECT_EQ(picture().pixelColor(30 + 4, 670 - 300), QColor(100, 100, 100));
    EXPECT_EQ(shared.sounding_minute, 45);
}

TEST_F(CompanionWindowTest, KeepsItsPictureWhenHiddenAndShownAgain) {
    show_next_ionogram(form, shared, dialogs);
    window.present();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage before = picture();
    window.hide();
    window.present();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(picture(), before);
}

TEST_F(CompanionWindowTest, TheScalingFormStaysUsable) {
    // The scaling form's own sounding has an ionogram, so that its plot takes the mouse.
    testing::write_bytes(shared.ionogram_folder / "ZE20R_2026339104500.rdf",
                         testing::daytime_ionogram("01.000 20.000 0.100", 191, 1.0, 0.1));
    ScalingWindow immagine(shared, dialogs, controller);
    bool asked = false;
    QObject::connect(&immagine, &ScalingWindow::request, [&](WindowRequest request) {
        asked = request == WindowRequest::show_companion;
        window.present();
    });
    immagine.load();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&immagine));
    QTest::mouseClick(immagine.findChild<QPushButton*>(QStringLiteral("show_next_ionogram")),
                      Qt::LeftButton);
    EXPECT_TRUE(asked);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(immagine.isEnabled());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // The scaling form still takes the mouse: over its plot the pointer becomes the plot's
    // cross and the readout follows (the arrow is the default, so only a move onto the plot
    // shows the form at work).
    auto* surface = immagine.findChild<PlotSurface*>(QStringLiteral("immagine_surface"));
    ASSERT_EQ(surface->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(surface, QPoint(1, 1)); // Qt drops a move to where the pointer already is
    QTest::mouseMove(surface, QPoint(220 + 4, 670 - 13));
    EXPECT_EQ(surface->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(immagine.findChild<QLabel*>(QStringLiteral("Label2"))->text(), "100.125");
}

} // namespace
} // namespace scalvo
