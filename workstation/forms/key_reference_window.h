// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Help > Keys: every key of the scaling form, the focus and the mouse, with what each does,
// written from the key map the form dispatches from.
#include <QDialog>

class QMainWindow;

namespace scalvo {

class KeyReferenceWindow : public QDialog {
    Q_OBJECT
  public:
    explicit KeyReferenceWindow(QWidget* parent);
};

// Shows the window of this main window, made the first time.
void show_key_reference(QMainWindow& window);

} // namespace scalvo
