#pragma once

// The countdown of the main window: set through the small input dialog or started from the settings
// at start-up, its seconds running in the caption, stopped by any use of the program (every command,
// F12, a click into the view), quitting or minimising the program when it runs out.

#include "core/app/countdown.h"
#include "core/app/program_state.h"
#include "gui/app/window_caption.h"
#include "gui/platform/timers.h"

#include <functional>
#include <memory>

#include <QObject>

class QAction;
class QWidget;

namespace notavi::gui {

class TC_Form_Eingabe;

struct CountdownEnds
{
    std::function<void()> quit;
    std::function<void()> minimise;
};

class CountdownController final : public QObject
{
  public:
    // All must outlive the controller. stopItem is the invisible F12 item: enabled while the
    // countdown runs, it stops it.
    CountdownController(Timers& timers, ProgramState& state, WindowCaption& caption, QAction& stopItem,
                        CountdownEnds ends);
    ~CountdownController() override;

    // At start-up: the stored seconds, when there are any.
    void startFromSettings();
    // The command: asks for the seconds and the action, stores them and starts.
    void set(TC_Form_Eingabe& input);
    void stop();

    bool running() const { return m_countdown.running(); }

    // A mouse click into the widget stops the countdown.
    void stopOnClicksIn(QWidget& widget);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void start(int seconds, CountdownAction action);
    void tick();

    ProgramState& m_state;
    WindowCaption& m_caption;
    QAction& m_stopItem;
    CountdownEnds m_ends;
    Countdown m_countdown;
    std::unique_ptr<RepeatingTimer> C_Timer_Haupt;
};

} // namespace notavi::gui
