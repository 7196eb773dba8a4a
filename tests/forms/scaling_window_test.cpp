// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/scaling_window.h"

#include "forms/plot_surface.h"
#include "ionogram/synthetic_ionogram.h"
#include "support/scaling_window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

// The menu's top-level entries, whose enabled state follows the load.
constexpr const char* case_menu_entries[] = {"mancanza_es_di_giorno_principale",
                                             "mancanza_es_di_notte_principale",
                                             "es_occultante_di_giorno",
                                             "es_occultante_di_notte",
                                             "assorbimento_parziale",
                                             "annulla_caso_particolare",
                                             "no_ionogramma"};

class ScalingWindowTest : public testing::ScalingWindowFixture {
  protected:
    void SetUp() override { start(7, 45); }
    void open(bool with_ionogram) {
        if (with_ionogram)
            testing::write_bytes(shared.ionogram_folder / "ZE20R_2026339074500.rdf",
                                 testing::daytime_ionogram());
        ScalingWindowFixture::open();
        surface = child<PlotSurface>("immagine_surface");
        ASSERT_NE(surface, nullptr);
    }
    // The colour on screen at plot coordinates (x, y).
    QColor shown_at(const QImage& image, int x, int y) const {
        return image.pixelColor(x + 220, 670 - y);
    }

    PlotSurface* surface = nullptr;
};

TEST_F(ScalingWindowTest, ThePlotFillsTheInnerAreaBelowTheMenu) {
    open(true);
    EXPECT_EQ(window->centralWidget(), surface);
    EXPECT_EQ(surface->size(), QSize(1015, 721));
    EXPECT_EQ(surface->mapTo(window.get(), QPoint(0, 0)),
              QPoint(0, window->menuBar()->geometry().bottom() + 1));
    EXPECT_EQ(window->size(), QSize(1015, 721 + window->menuBar()->height()));
    EXPECT_EQ(surface->to_plot(QPointF(220, 70)), QPoint(0, 600));
    EXPECT_EQ(surface->to_plot(QPointF(984, 670)), QPoint(764, 0));

    const QImage image = surface->grab().toImage();
    EXPECT_EQ(shown_at(image, 0, 600), QColor(255, 255, 0));
    EXPECT_EQ(shown_at(image, 765, 0), QColor(255, 255, 0));
    EXPECT_EQ(shown_at(image, -1, 300), QColor(0, 0, 192));
    EXPECT_EQ(shown_at(image, 766, 300), QColor(0, 0, 192));
    EXPECT_EQ(shown_at(image, 4, 300), QColor(100, 100, 100));  // 1 MHz
    EXPECT_EQ(shown_at(image, 300, 12), QColor(100, 100, 100)); // 100 km
    EXPECT_EQ(shown_at(image, 2, 300), QColor(0, 0, 0));
}

TEST_F(ScalingWindowTest, ControlsOutsideTheSheetStandAtTheirDesignPlaces) {
    open(true);
    const struct {
        const char* name;
        QRect place;
        QColor text;
    } controls[] = {
        {"Label11", {48, 8, 745, 17}, QColor(192, 255, 192)},
        {"successivo", {232, 40, 169, 17}, QColor()},
        {"show_next_ionogram", {352, 40, 113, 17}, QColor()},
        {"Label3", {496, 40, 105, 17}, QColor(255, 255, 0)},
        {"Label1", {600, 40, 49, 17}, QColor(255, 128, 0)},
        {"Label4", {688, 40, 73, 17}, QColor(255, 255, 0)},
        {"Label2", {760, 40, 57, 17}, QColor(255, 128, 0)},
        {"prima", {840, 40, 145, 17}, QColor(255, 255, 255)},
        {"Esup", {192, 224, 25, 17}, QColor()},
        {"Esdown", {192, 240, 25, 17}, QColor()},
        {"Frame1", {40, 584, 137, 81}, QColor(192, 255, 192)},
    };
    for (const auto& c : controls) {
        QWidget* widget = child<QWidget>(c.name);
        EXPECT_EQ(widget->parentWidget(), surface) << c.name;
        EXPECT_EQ(widget->geometry(), c.place) << c.name;
        if (c.text.isValid()) {
            EXPECT_EQ(widget->palette().color(QPalette::WindowText), c.text) << c.name;
            EXPECT_EQ(widget->palette().color(QPalette::Window), QColor(0, 0, 192)) << c.name;
        }
    }
    EXPECT_EQ(child<QLabel>("Label3")->text(), "FREQUENCY (MHz):");
    EXPECT_EQ(child<QLabel>("Label4")->text(), "HEIGHT(km):");
    EXPECT_EQ(child<QLabel>("successivo")->text(), "Next Ionogram (F3)");
    EXPECT_EQ(child<QLabel>("prima")->text(), "Previous Ionogram (F4)");
    EXPECT_EQ(child<QWidget>("show_next_ionogram")->property("text").toString(),
              "show simultaneously");
    EXPECT_TRUE(child<QLabel>("Label1")->text().isEmpty());
    EXPECT_TRUE(child<QLabel>("Label2")->text().isEmpty());
}

TEST_F(ScalingWindowTest, CaptionAndMenusFollowTheLoad) {
    open(true);
    EXPECT_EQ(window->windowTitle(), "SCALVO - file: ZE20R_2026339074500.rdf * Farnel * "
                                     "2026-December- 5  07:45 [UT]  (sounding frequency step =  "
                                     ".05 MHz)");
    for (std::string_view entry : case_menu_entries)
        EXPECT_TRUE(child<QAction>(entry)->isEnabled()) << entry;
}

TEST_F(ScalingWindowTest, AMissingSoundingShowsTheEmptyFrame) {
    shared.station_name = "Farnel";
    open(false);
    EXPECT_EQ(window->windowTitle(),
              "SCALVO - file: ZE20R_2026339074500.rdf * Farnel * 2026-December- 5  07:45 [UT]");
    for (std::string_view entry : case_menu_entries)
        EXPECT_EQ(child<QAction>(entry)->isEnabled(), entry == "no_ionogramma") << entry;
    const QImage image = surface->grab().toImage();
    EXPECT_EQ(shown_at(image, 0, 600), QColor(255, 255, 0));
    EXPECT_EQ(shown_at(image, 4, 300), QColor(0, 0, 0));
    EXPECT_EQ(shown_at(image, 300, 12), QColor(0, 0, 0));
}

TEST_F(ScalingWindowTest, ThePointerAndTheReadoutFollowTheMouse) {
    open(true);
    // Qt drops a move to where the pointer already is, and an earlier window may have left it
    // at this very point: start from elsewhere.
    QTest::mouseMove(surface, QPoint(1, 1));
    QTest::mouseMove(surface, QPoint(220 + 4, 670 - 13));
    EXPECT_EQ(child<QLabel>("Label1")->text(), "1.000");
    EXPECT_EQ(child<QLabel>("Label2")->text(), "100.125");
    EXPECT_EQ(surface->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(surface, QPoint(220 + 2, 670 - 12));
    EXPECT_EQ(child<QLabel>("Label1")->text(), "1,000");
    EXPECT_EQ(child<QLabel>("Label2")->text(), "100,000");
    QTest::mouseMove(surface, QPoint(220 + 765, 670 - 300));
    EXPECT_TRUE(child<QLabel>("Label1")->text().isEmpty());
    EXPECT_TRUE(child<QLabel>("Label2")->text().isEmpty());
    EXPECT_EQ(surface->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
} // namespace scalvo
