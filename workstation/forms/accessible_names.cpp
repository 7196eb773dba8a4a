// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/accessible_names.h"

#include <QComboBox>
#include <QLineEdit>

namespace scalvo {

void name_controls_for_accessibility(QWidget& window) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        widget->setAccessibleDescription(name);
        // A box without a text of its own and without a meaning given is at least found.
        const bool textless = qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget);
        if (textless && widget->accessibleName().isEmpty())
            widget->setAccessibleName(name);
    }
}

} // namespace scalvo
