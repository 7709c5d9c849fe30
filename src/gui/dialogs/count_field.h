#pragma once

// The small count fields of the dialogs: digits only, a few characters, rules that run when the
// user leaves a field or double-clicks a control.

#include <functional>

class QLineEdit;
class QWidget;

namespace notavi::gui {

// Only the digits 0-9 (and deleting) are taken, also from a paste; at most maxLength of them.
void acceptDigitsOnly(QLineEdit& field, int maxLength);

// Runs rule whenever field loses the keyboard focus.
void onLeaving(QWidget& field, std::function<void()> rule);
// Runs rule on every double-click on control.
void onDoubleClick(QWidget& control, std::function<void()> rule);

} // namespace notavi::gui
