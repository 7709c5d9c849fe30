#pragma once

// How a dialog is shown modally. The dialogs of the entry flow open one another; tests install a
// run that plays the user's part in each of them instead of waiting for one.

#include <functional>

#include <QDialog>

namespace notavi::gui {

// Shows the dialog and returns its result (QDialog::Accepted or QDialog::Rejected).
using ModalRun = std::function<int(QDialog&)>;

inline int execModally(QDialog& dialog)
{
    return dialog.exec();
}

} // namespace notavi::gui
