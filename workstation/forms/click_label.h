#pragma once
// A label that is also a command: it reports a click.
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
};

} // namespace scalvo
