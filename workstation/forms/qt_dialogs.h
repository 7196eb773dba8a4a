// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes and the beep, with Qt.
#include "common/dialogs.h"

#include <QPointer>
#include <QWidget>

namespace scalvo {

class QtDialogs : public Dialogs {
  public:
    void message(const std::string& text, const std::string& title, bool information_icon) override;
    int ask_yes_no(const std::string& text, const std::string& title) override;
    int ask_yes_no_default_no(const std::string& text, const std::string& title) override;
    void beep() override;
    // The window the boxes are modal to.
    void set_parent(QWidget* parent) { parent_ = parent; }

  private:
    QPointer<QWidget> parent_;
};

// Texts of the program are one byte per character; CR LF line breaks show as one break.
QString display_text(const std::string& text);

} // namespace scalvo
