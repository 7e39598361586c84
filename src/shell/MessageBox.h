#pragma once
// The program's message box: every message of the program (bad files, the browser, the contest's
// category warning) is shown by it, modally, in the program's font and centred on the window that
// asks, whatever the platform would do with a plain message box.

#include <QMessageBox>
#include <QString>

namespace numerava {

// Shows `text` (plain text, line breaks kept) over `window`, the main window or a dialog of it;
// returns the button pressed.
QMessageBox::StandardButton ShowMessageBox(QWidget* window, QMessageBox::Icon icon, const QString& text,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok);

} // namespace numerava
