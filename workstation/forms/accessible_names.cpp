#include "forms/accessible_names.h"

#include <QComboBox>
#include <QLineEdit>

namespace scalvo {

void name_controls_for_accessibility(QWidget& window) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget))
            widget->setAccessibleName(name);
        else
            widget->setAccessibleDescription(name);
    }
}

} // namespace scalvo
