#pragma once

// The pair of arrow buttons beside a count field: each step adds or takes one within the bounds,
// writing the new number into the field, which stays the place where the user types.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace notavi::gui {

class UpDown final : public QWidget
{
    Q_OBJECT

  public:
    UpDown(QLineEdit& buddy, int minimum, int maximum, QWidget* parent = nullptr);

    void setMaximum(int maximum) { m_maximum = maximum; }

    int maximum() const { return m_maximum; }

    // One step up (+1) or down (-1) from the field's number; a field that holds no number starts at
    // the lower bound.
    void step(int direction);

  private:
    QLineEdit& m_buddy;
    int m_minimum;
    int m_maximum;
};

} // namespace notavi::gui
