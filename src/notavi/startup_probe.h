#pragma once

// For measuring the start-up: when NOTAVI_MEASURE_STARTUP is set, the program prints the wall-clock
// time (milliseconds since 1970) of the first paint of the evaluated view and quits.

#include <QObject>

class QWidget;

namespace notavi {

class StartupProbe final : public QObject
{
  public:
    // Watches the view's first paint when the variable is set; does nothing otherwise.
    static void installIfRequested(QWidget* view);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
    bool m_reported = false;
};

} // namespace notavi
