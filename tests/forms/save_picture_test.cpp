// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/picture_caption.h"
#include "forms/day_overview_window.h"
#include "forms/picture_file.h"
#include "forms/plot_picture.h"
#include "forms/plot_surface.h"
#include "forms/scaling_window.h"
#include "ionogram/synthetic_ionogram.h"
#include "records/record_file.h"
#include "support/scaling_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

class SavePictureTest : public testing::ScalingWindowFixture {
  protected:
    void SetUp() override {
        start(7, 45);
        shared.current_record_number = 32;
        ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
    }
    void open_with(const std::string& ionogram) {
        testing::write_bytes(shared.ionogram_folder / "ZE20R_2026339074500.rdf", ionogram);
        open();
        saver = child<PictureSaver>("picture_saver");
        ASSERT_NE(saver, nullptr);
    }
    // Answers the file dialog with a file, and remembers what it proposed.
    void answer(const std::filesystem::path& file) {
        saver->choose = [this, file](const QString& proposed) {
            this->proposed = proposed;
            return QString::fromStdString(file.string());
        };
    }
    void save() { child<QAction>("save_picture")->trigger(); }

    PictureSaver* saver = nullptr;
    QString proposed;
};

TEST_F(SavePictureTest, ThePngHoldsThePlotAsTheWindowShowsItWithTheCaptionUnder) {
    open_with(testing::daytime_ionogram());
    window->form().set_text(value_box(Row::foF2), "84");
    window->sync();
    const auto file = folder / "picture.png";
    answer(file);
    save();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(proposed.toStdString(), (folder / "ZE20R_2026339074500.png").string());
    QImage png(QString::fromStdString(file.string()));
    ASSERT_FALSE(png.isNull());
    ASSERT_EQ(png.size(), QSize(798, 643 + picture_caption_height));

    const PictureArea& area = plot_picture_area;
    const QImage shown = window->plot_surface()
                             ->grab(QRect(area.left + 220, 670 - area.top, 798, 643))
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QImage plot = png.copy(0, 0, 798, 643).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(plot == shown) << "every pixel of the plot as shown";

    // The caption stands under the plot, in its own colour.
    const QColor background(0, 0, 192);
    int written = 0;
    for (int y = 643; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x)
            written += png.pixelColor(x, y) != background;
    EXPECT_GT(written, 200);
}

TEST_F(SavePictureTest, ThePlotPixelsAreTheFormsPlot) {
    // Noise alone: nothing for the automatic scaling to mark over the picture.
    open_with(testing::synthetic_ionogram("01.000 20.000 0.050", 381, 1.0, 0.05, {}));
    const auto file = folder / "plot.png";
    answer(file);
    save();
    const QImage png(QString::fromStdString(file.string()));
    ASSERT_FALSE(png.isNull());
    const PlotCanvas& canvas = window->form().plot;
    const PictureArea& area = plot_picture_area;
    int compared = 0;
    for (int y = 0; y <= 601; y += 7)
        for (int x = 0; x <= 765; x += 5) {
            const Rgb expected = canvas.pixel(x, y);
            ASSERT_EQ(png.pixelColor(x - area.left, area.top - y),
                      QColor(expected.r, expected.g, expected.b))
                << x << ", " << y;
            ++compared;
        }
    EXPECT_GT(compared, 10000);
}

TEST_F(SavePictureTest, AFailedWriteNamesTheFileAndTheReason) {
    open_with(testing::daytime_ionogram());
    const struct {
        const char* what;
        std::filesystem::path file;
        const char* reason;
    } cases[] = {
        {"a missing folder", folder / "missing" / "x.png", "No such file or directory"},
        {"a folder of that name", folder / "ionograms", "Is a directory"},
    };
    for (const auto& c : cases) {
        dialogs.clear();
        answer(c.file);
        save();
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.what;
        EXPECT_EQ(dialogs.last().title, "File error");
        EXPECT_NE(dialogs.last().text.find(c.file.string()), std::string::npos) << c.what;
        EXPECT_NE(dialogs.last().text.find(c.reason), std::string::npos)
            << c.what << ": " << dialogs.last().text;
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder / "ionograms"));
}

// The key of Save picture reaches no command of the form on its way: the Ctrl key alone clears
// the selected characteristic, so the key is Alt+S, typed where the focus is after a selection.
TEST_F(SavePictureTest, ItsKeyAsksForTheFileAndLeavesTheSheet) {
    open_with(testing::daytime_ionogram());
    window->form().set_text(value_box(Row::foF2), "84");
    window->sync();
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    bool asked = false;
    saver->choose = [&](const QString&) {
        asked = true;
        return QString();
    };
    QTest::keyClick(focus, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(asked);
    EXPECT_EQ(window->form().text(value_box(Row::foF2)), "84");
    EXPECT_EQ(window->form().text(descriptive_box(Row::foF2)), "");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SavePictureTest, CancellingWritesNothing) {
    open_with(testing::daytime_ionogram());
    answer({});
    save();
    EXPECT_TRUE(dialogs.shown.empty());
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_NE(entry.path().extension(), ".png") << entry.path();
}

TEST_F(SavePictureTest, TheOverviewSavesItsCharts) {
    open_with(testing::daytime_ionogram());
    auto* overview = new DayOverviewWindow(*window, [] { return false; });
    overview->present();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(overview));
    auto* overview_saver = overview->findChild<PictureSaver*>("picture_saver");
    ASSERT_NE(overview_saver, nullptr);
    const auto file = folder / "day.png";
    QString asked;
    overview_saver->choose = [&](const QString& proposed_path) {
        asked = proposed_path;
        return QString::fromStdString(file.string());
    };
    overview->findChild<QAction*>("overview_save_picture")->trigger();
    EXPECT_EQ(asked.toStdString(), (folder / "ZE20R_05122026_15.png").string());
    const QImage png(QString::fromStdString(file.string()));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), overview->findChild<QWidget*>("overview_charts")->size());
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
} // namespace scalvo
