// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/plot_picture.h"

#include "controllers/picture_caption.h"
#include "forms/added_menus.h"
#include "forms/latin1.h"
#include "forms/picture_file.h"
#include "forms/plot_surface.h"
#include "forms/scaling_window.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

namespace scalvo {

QImage plot_picture(ScalingWindow& window) {
    const PlotCanvas& canvas = window.form().plot;
    const PictureArea& area = plot_picture_area;
    const QRect place(area.left - canvas.left_x(), canvas.top_y() - area.top, area.width(),
                      area.height());
    const QPixmap plot = window.plot_surface()->grab(place);
    const qreal ratio = plot.devicePixelRatio();
    QImage picture(plot.width(), plot.height() + qRound(picture_caption_height * ratio),
                   QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(QColor(form_background.r, form_background.g, form_background.b));
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, plot);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(window.plot_surface()->palette().color(QPalette::HighlightedText));
    const std::string caption = picture_caption(window.controller().scaling());
    painter.drawText(QRect(6, area.height() + 4, area.width() - 12, picture_caption_height - 8),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, latin1(caption));
    return picture;
}

void add_save_picture(ScalingWindow& window) {
    auto* saver = new PictureSaver(window.controller().scaling().dialogs, &window);
    auto* save = new QAction(QStringLiteral("Save picture…"), &window);
    save->setObjectName(QStringLiteral("save_picture"));
    // Not Ctrl+S: on the scaling form the Ctrl key alone clears the selected characteristic,
    // and it arrives before the S. Alt reaches no command of the form.
    save->setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));
    QObject::connect(save, &QAction::triggered, &window, [&window, saver] {
        const std::filesystem::path path = plot_picture_path(window.controller().scaling());
        saver->save(plot_picture(window), QString::fromStdU16String(path.u16string()));
    });
    file_menu(window)->addAction(save);
}

} // namespace scalvo
