// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label that is also a command: it reports a click. A double click is one click: its second
// press raises no second command.
#include <QLabel>

namespace scalvo {

class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    bool double_click_ = false;
};

} // namespace scalvo
