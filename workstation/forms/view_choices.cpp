// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/view_choices.h"

#include <QSettings>

namespace scalvo {

namespace {

const QString proposals_key = QStringLiteral("view/proposals");
const QString previous_key = QStringLiteral("view/previous_sounding");
const QString gain_key = QStringLiteral("view/contrast_gain");
const QString gamma_key = QStringLiteral("view/contrast_gamma");

} // namespace

ViewSettings load_view_settings() {
    const QSettings settings;
    ViewSettings view;
    view.proposals = settings.value(proposals_key, true).toBool();
    view.previous_sounding = settings.value(previous_key, true).toBool();
    // A value that is no number (a settings file edited by hand) is no choice.
    auto number = [&settings](const QString& key) {
        bool ok = false;
        const double value = settings.value(key, 1.0).toDouble(&ok);
        return ok ? value : 1.0;
    };
    view.contrast.gain = number(gain_key);
    view.contrast.gamma = number(gamma_key);
    view.contrast = within_limits(view.contrast);
    return view;
}

void save_view_settings(const ViewSettings& view) {
    QSettings settings;
    settings.setValue(proposals_key, view.proposals);
    settings.setValue(previous_key, view.previous_sounding);
    // The default is kept as no value at all: nothing remembered, nothing changed.
    if (view.contrast.is_default()) {
        settings.remove(gain_key);
        settings.remove(gamma_key);
    } else {
        settings.setValue(gain_key, view.contrast.gain);
        settings.setValue(gamma_key, view.contrast.gamma);
    }
}

} // namespace scalvo
