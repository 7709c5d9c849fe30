#pragma once

// Repeating timers for the program's once-a-second work (alarms, the countdown). Windows create
// them through this interface so that tests can fire them together with a clock they advance.

#include <functional>
#include <memory>

namespace notavi::gui {

class RepeatingTimer
{
  public:
    virtual ~RepeatingTimer() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

class Timers
{
  public:
    virtual ~Timers() = default;
    // A stopped timer that calls tick every intervalMs milliseconds once started.
    virtual std::unique_ptr<RepeatingTimer> repeating(int intervalMs, std::function<void()> tick) = 0;
};

// QTimer on the GUI thread.
class QtTimers final : public Timers
{
  public:
    std::unique_ptr<RepeatingTimer> repeating(int intervalMs, std::function<void()> tick) override;
};

} // namespace notavi::gui
