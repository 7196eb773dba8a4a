// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/view_choices.h"

#include <QSettings>

namespace scalvo {

namespace {

const QString proposals_key = QStringLiteral("view/proposals");
const QString previous_key = QStringLiteral("view/previous_sounding");

} // namespace

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
