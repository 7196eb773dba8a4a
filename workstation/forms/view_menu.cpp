#include "forms/view_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

namespace scalvo {

namespace {

const QString proposals_key = QStringLiteral("view/proposals");
const QString previous_key = QStringLiteral("view/previous_sounding");

} // namespace

QMenu* view_menu(QMainWindow& window) {
    const QString name = QStringLiteral("view_menu");
    if (auto* menu = window.findChild<QMenu*>(name))
        return menu;
    auto* menu = new QMenu(QStringLiteral("&View"), &window);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    QMenuBar* bar = window.menuBar();
    QAction* help = nullptr;
    for (QAction* entry : bar->actions())
        if (entry->objectName() == QStringLiteral("help_menu"))
            help = entry;
    if (help)
        bar->insertMenu(help, menu);
    else
        bar->addMenu(menu);
    return menu;
}

ViewSettings load_view_settings() {
    const QSettings settings;
    ViewSettings view;
    view.proposals = settings.value(proposals_key, true).toBool();
    view.previous_sounding = settings.value(previous_key, true).toBool();
    return view;
}

void save_view_settings(const ViewSettings& view) {
    QSettings settings;
    settings.setValue(proposals_key, view.proposals);
    settings.setValue(previous_key, view.previous_sounding);
}

} // namespace scalvo
