// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving a picture as a PNG file: the file dialog proposes the name in the working folder, the
// file is written whole or not at all, and a failure is told with the file and the reason.
#include <QObject>
#include <QString>
#include <functional>

class QImage;
class QWidget;

namespace scalvo {

class Dialogs;

class PictureSaver : public QObject {
    Q_OBJECT
  public:
    PictureSaver(Dialogs& dialogs, QWidget* window);

    // The file written; "" when the operator cancelled or the write failed (after its message).
    QString save(const QImage& image, const QString& proposed_path);

    // Asks where to save, "" for cancel: the file dialog, or a test's answer.
    std::function<QString(const QString& proposed_path)> choose;

  private:
    Dialogs& dialogs_;
    QWidget* window_;
};

// The dialog of "Save picture…", proposing a path.
QString ask_picture_file(QWidget* parent, const QString& proposed_path);

} // namespace scalvo
