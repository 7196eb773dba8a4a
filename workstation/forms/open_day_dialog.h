// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > Open day…: the days the ionograms/ folder holds, each with its soundings and how many
// are stored; the one chosen is started as the parameters form starts a day.
#include "controllers/days_held.h"

#include <QDialog>
#include <optional>
#include <vector>

class QTreeWidget;

namespace scalvo {

class ScalingWindow;

class OpenDayDialog : public QDialog {
    Q_OBJECT
  public:
    // The day on screen (date and interval) is the one chosen at first, when it is listed.
    OpenDayDialog(std::vector<DayHeld> days, const std::string& date, const std::string& interval,
                  QWidget* parent);
    std::optional<DayHeld> chosen() const;

  private:
    std::vector<DayHeld> days_;
    QTreeWidget* list_ = nullptr;
};

// The entry, first in the File menu.
void add_open_day(ScalingWindow& window);

} // namespace scalvo
