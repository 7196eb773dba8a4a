#include "forms/view_choices.h"

#include <QSettings>

namespace scalvo {

bool proposals_shown() {
    return QSettings().value(QStringLiteral("view/proposals"), true).toBool();
}

} // namespace scalvo
