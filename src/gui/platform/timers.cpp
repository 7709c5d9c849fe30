#include "gui/platform/timers.h"

#include <QTimer>

namespace notavi::gui {
namespace {

class QtRepeatingTimer final : public RepeatingTimer
{
  public:
    QtRepeatingTimer(int intervalMs, std::function<void()> tick)
    {
        m_timer.setInterval(intervalMs);
        m_timer.setTimerType(Qt::CoarseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [tick = std::move(tick)] { tick(); });
    }

    void start() override { m_timer.start(); }

    void stop() override { m_timer.stop(); }

    bool isActive() const override { return m_timer.isActive(); }

  private:
    QTimer m_timer;
};

} // namespace

std::unique_ptr<RepeatingTimer> QtTimers::repeating(int intervalMs, std::function<void()> tick)
{
    return std::make_unique<QtRepeatingTimer>(intervalMs, std::move(tick));
}

} // namespace notavi::gui
