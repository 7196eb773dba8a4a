// SPDX-License-Identifier: GPL-3.0-or-later
// View > Magnifier and View > Contrast… on the real scaling window: the magnifier shows the
// plot around the pointer without taking the keys or the picks, and the contrast changes the
// echoes as shown (and saved) while the default leaves every pixel as drawn.
#include "forms/view_tools.h"

#include "controllers/magnifier.h"
#include "controllers/picture_caption.h"
#include "forms/added_menus.h"
#include "forms/contrast_window.h"
#include "forms/magnifier_window.h"
#include "forms/plot_picture.h"
#include "forms/plot_surface.h"
#include "forms/scaling_window.h"
#include "ionogram/synthetic_ionogram.h"
#include "records/record_file.h"
#include "support/scaling_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

class ViewToolsTest : public testing::ScalingWindowFixture {
  protected:
    void SetUp() override {
        QSettings().clear();
        start(7, 45);
        shared.current_record_number = 32;
        ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
        testing::write_bytes(shared.ionogram_folder / "ZE20R_2026339074500.rdf",
                             testing::daytime_ionogram());
        open();
        window->form().option_yes = false;
        surface = child<PlotSurface>("immagine_surface");
        // The plot alone, without the marks painted over it.
        ViewSettings view = window->controller().view();
        view.proposals = false;
        view.previous_sounding = false;
        window->set_view(view);
    }
    // No choice of one test is remembered into the next.
    void TearDown() override { QSettings().clear(); }

    QColor shown_at(const QImage& image, int x, int y) const {
        const QPoint at = surface->to_widget(x, y);
        return image.pixelColor(at.x() * image.width() / surface->width(),
                                at.y() * image.height() / surface->height());
    }
    QColor drawn_at(int x, int y) const {
        const Rgb rgb = window->form().plot.pixel(x, y);
        return QColor(rgb.r, rgb.g, rgb.b);
    }
    // The pixels of the plot area where the shown picture differs from the drawn one.
    int changed_pixels(const QImage& image) const {
        int changed = 0;
        for (int y = 1; y <= 600; ++y)
            for (int x = 1; x <= 764; ++x)
                changed += shown_at(image, x, y) != drawn_at(x, y);
        return changed;
    }
    // An echo off the grid lines, of a level between low and high.
    QPoint echo_between(int low, int high) const {
        for (int y = 20; y <= 590; ++y)
            for (int x = 6; x <= 760; ++x) {
                const Rgb rgb = window->form().plot.pixel(x, y);
                if (rgb.r == rgb.g && rgb.g == rgb.b && rgb.r >= low && rgb.r <= high &&
                    (x - 4) % 40 != 0 && rgb.r != 100)
                    return {x, y};
            }
        return {-1, -1};
    }
    ContrastWindow* open_contrast() {
        child<QAction>("view_contrast")->trigger();
        ContrastWindow* contrast = contrast_of(*window);
        EXPECT_NE(contrast, nullptr);
        return contrast;
    }
    QSlider* slider(ContrastWindow* contrast, const char* name) {
        auto* found = contrast->findChild<QSlider*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void move_pointer(int x, int y) {
        // Qt drops a move to where the pointer already is: start from elsewhere.
        QTest::mouseMove(surface, QPoint(1, 1));
        QTest::mouseMove(surface, surface->to_widget(x, y));
    }

    PlotSurface* surface = nullptr;
};

TEST_F(ViewToolsTest, TheTwoEntriesComeLastInTheViewMenu) {
    QMenu* menu = view_menu(*window);
    const QList<QAction*> entries = menu->actions();
    ASSERT_GE(entries.size(), 2);
    EXPECT_EQ(entries[entries.size() - 2]->text(), "Magnifier");
    EXPECT_TRUE(entries[entries.size() - 2]->isCheckable());
    EXPECT_FALSE(entries[entries.size() - 2]->isChecked());
    EXPECT_EQ(entries.back()->text(), "Contrast…");
    // No key of their own: every key stays the form's.
    EXPECT_TRUE(entries[entries.size() - 2]->shortcut().isEmpty());
    EXPECT_TRUE(entries.back()->shortcut().isEmpty());
}

TEST_F(ViewToolsTest, AtTheDefaultEveryPixelShowsAsDrawn) {
    const QImage image = surface->grab().toImage();
    EXPECT_EQ(changed_pixels(image), 0);
    // Opening the window and leaving it changes nothing either.
    ContrastWindow* contrast = open_contrast();
    EXPECT_TRUE(contrast->isVisible());
    EXPECT_EQ(slider(contrast, "contrast_gain")->value(), 0);
    EXPECT_EQ(slider(contrast, "contrast_gamma")->value(), 10);
    EXPECT_EQ(changed_pixels(surface->grab().toImage()), 0);
    EXPECT_TRUE(QSettings().allKeys().filter(QStringLiteral("contrast")).isEmpty());
}

TEST_F(ViewToolsTest, GainAndGammaChangeTheEchoesShownAndSavedResetRestoresThem) {
    const QPoint faint = echo_between(20, 60);
    ASSERT_NE(faint.x(), -1);
    const int level = drawn_at(faint.x(), faint.y()).red();
    ContrastWindow* contrast = open_contrast();
    QSlider* gain = slider(contrast, "contrast_gain");
    gain->setFocus();
    // Ten steps to the right: the gain doubles.
    for (int k = 0; k < 10; ++k)
        QTest::keyClick(gain, Qt::Key_Right);
    EXPECT_DOUBLE_EQ(window->controller().view().contrast.gain, 2.0);
    EXPECT_EQ(contrast->findChild<QLabel*>("contrast_gain_value")->text(), "x 2.00");

    QImage image = surface->grab().toImage();
    EXPECT_EQ(shown_at(image, faint.x(), faint.y()), QColor(2 * level, 2 * level, 2 * level));
    EXPECT_EQ(shown_at(image, 4, 300), QColor(100, 100, 100)) << "the 1 MHz line";
    EXPECT_EQ(shown_at(image, 300, 12), QColor(100, 100, 100)) << "the 100 km line";
    EXPECT_EQ(shown_at(image, 0, 300), QColor(255, 255, 0)) << "the frame";
    EXPECT_EQ(shown_at(image, -1, 300), QColor(0, 0, 192));
    EXPECT_GT(changed_pixels(image), 1000);
    // The picture saved is the one shown.
    const QImage picture = plot_picture(*window).convertToFormat(QImage::Format_RGB32);
    const PictureArea& area = plot_picture_area;
    EXPECT_EQ(picture.pixelColor(faint.x() - area.left, area.top - faint.y()),
              QColor(2 * level, 2 * level, 2 * level));
    // The drawing itself never changed.
    EXPECT_EQ(drawn_at(faint.x(), faint.y()), QColor(level, level, level));

    QSlider* gamma = slider(contrast, "contrast_gamma");
    gamma->setValue(20);
    EXPECT_DOUBLE_EQ(window->controller().view().contrast.gamma, 2.0);
    image = surface->grab().toImage();
    const int lifted = contrast_table({2.0, 2.0})[static_cast<std::size_t>(level)];
    EXPECT_GT(lifted, 2 * level);
    EXPECT_EQ(shown_at(image, faint.x(), faint.y()), QColor(lifted, lifted, lifted));

    // Remembered with the other View choices: a window made now starts with it.
    EXPECT_DOUBLE_EQ(QSettings().value("view/contrast_gain").toDouble(), 2.0);
    EXPECT_DOUBLE_EQ(QSettings().value("view/contrast_gamma").toDouble(), 2.0);
    {
        ScalingWindow again(shared, dialogs, companion);
        EXPECT_EQ(again.controller().view().contrast, (Contrast{2.0, 2.0}));
    }

    QTest::mouseClick(contrast->findChild<QPushButton*>("contrast_reset"), Qt::LeftButton);
    EXPECT_EQ(window->controller().view().contrast, Contrast{});
    EXPECT_EQ(gain->value(), 0);
    EXPECT_EQ(gamma->value(), 10);
    EXPECT_EQ(changed_pixels(surface->grab().toImage()), 0);
    EXPECT_TRUE(QSettings().allKeys().filter(QStringLiteral("contrast")).isEmpty());
}

TEST_F(ViewToolsTest, TheContrastHoldsAcrossAMoveAndARedraw) {
    const QPoint faint = echo_between(20, 60);
    ASSERT_NE(faint.x(), -1);
    ViewSettings view = window->controller().view();
    view.contrast = {2.0, 1.0};
    window->set_view(view);
    // Another row selected redraws the plot; the contrast stays on the new drawing.
    QTest::mouseClick(child<QWidget>("hF"), Qt::LeftButton);
    const int level = drawn_at(faint.x(), faint.y()).red();
    EXPECT_EQ(shown_at(surface->grab().toImage(), faint.x(), faint.y()),
              QColor(2 * level, 2 * level, 2 * level));
}

TEST_F(ViewToolsTest, TheMagnifierShowsThePointersSurroundingsFourTimesLarger) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QWidget* focused = QApplication::focusWidget();
    QAction* entry = child<QAction>("view_magnifier");
    entry->trigger();
    MagnifierWindow* magnifier = magnifier_of(*window);
    ASSERT_NE(magnifier, nullptr);
    EXPECT_TRUE(magnifier->isVisible());
    EXPECT_TRUE(entry->isChecked());
    // Entirely on the screen, clear of the form's menu bar.
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(magnifier->frameGeometry()));
    const QRect bar(window->menuBar()->mapToGlobal(QPoint(0, 0)), window->menuBar()->size());
    EXPECT_FALSE(magnifier->frameGeometry().intersects(bar));
    // The keys stay with the form; the window manager is told the magnifier takes none.
    EXPECT_EQ(QApplication::focusWidget(), focused);
    EXPECT_TRUE(magnifier->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));

    const QPoint echo = echo_between(60, 250);
    ASSERT_NE(echo.x(), -1);
    move_pointer(echo.x(), echo.y());
    EXPECT_EQ(magnifier->centre(), echo);
    EXPECT_EQ(magnifier->findChild<QLabel*>("magnifier_readout")->text(),
              QString::fromStdString(magnifier_readout(echo.x(), echo.y())));
    const QImage picture = magnifier->findChild<QLabel*>("magnifier_picture")->pixmap().toImage();
    ASSERT_EQ(picture.size(), QSize(magnified_width * 4, magnified_height * 4));
    // Each plot pixel is a block of four by four; the pointer's own block in the middle.
    const QImage shown = surface->grab().toImage();
    for (const QPoint offset : {QPoint(-10, 0), QPoint(7, 5), QPoint(-30, -20), QPoint(30, 20)}) {
        const QColor expected = shown_at(shown, echo.x() + offset.x(), echo.y() + offset.y());
        const int column = (magnified_width / 2 + offset.x()) * 4;
        const int row = (magnified_height / 2 - offset.y()) * 4;
        for (const QPoint inside : {QPoint(0, 0), QPoint(1, 2), QPoint(3, 3)})
            EXPECT_EQ(picture.pixelColor(column + inside.x(), row + inside.y()), expected)
                << offset.x() << " " << offset.y();
    }
    EXPECT_EQ(picture.pixelColor(magnified_width / 2 * 4 + 1, magnified_height / 2 * 4 + 1),
              shown_at(shown, echo.x(), echo.y()));

    // The contrast shows in the magnifier too.
    ViewSettings view = window->controller().view();
    view.contrast = {2.0, 1.0};
    window->set_view(view);
    const QImage brighter = magnifier->findChild<QLabel*>("magnifier_picture")->pixmap().toImage();
    EXPECT_EQ(brighter.pixelColor(magnified_width / 2 * 4 + 1, magnified_height / 2 * 4 + 1),
              shown_at(surface->grab().toImage(), echo.x(), echo.y()));

    move_pointer(-100, 300);
    EXPECT_EQ(magnifier->findChild<QLabel*>("magnifier_readout")->text(), "outside the plot");

    // Closed by its own frame: the entry follows; checked again, it comes back.
    magnifier->close();
    EXPECT_FALSE(entry->isChecked());
    entry->trigger();
    EXPECT_TRUE(magnifier->isVisible());
    entry->trigger();
    EXPECT_FALSE(magnifier->isVisible());
}

TEST_F(ViewToolsTest, PicksStillHappenOnThePlotAndNeverOnTheMagnifier) {
    child<QAction>("view_magnifier")->trigger();
    MagnifierWindow* magnifier = magnifier_of(*window);
    ASSERT_NE(magnifier, nullptr);
    QWidget* picture = magnifier->findChild<QLabel*>("magnifier_picture");
    ASSERT_TRUE(window->form().text(value_box(Row::foF2)).empty());
    QTest::mouseClick(picture, Qt::LeftButton, {}, picture->rect().center());
    QTest::mouseClick(picture, Qt::RightButton, {}, picture->rect().center());
    EXPECT_TRUE(window->form().text(value_box(Row::foF2)).empty());
    EXPECT_TRUE(dialogs.shown.empty());
    // foF2 at 8.0 MHz: x = 284.
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      surface->mapTo(window.get(), surface->to_widget(284, 190)));
    EXPECT_EQ(window->form().text(value_box(Row::foF2)), "80");
}

TEST_F(ViewToolsTest, TheToolsGoWithTheForm) {
    child<QAction>("view_magnifier")->trigger();
    ContrastWindow* contrast = open_contrast();
    MagnifierWindow* magnifier = magnifier_of(*window);
    window->close();
    EXPECT_FALSE(magnifier->isVisible());
    EXPECT_FALSE(contrast->isVisible());
}

} // namespace
} // namespace scalvo
