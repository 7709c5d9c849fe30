#include "support/manual_time.h"

#include <algorithm>

namespace notavi::gui::test {

std::unique_ptr<RepeatingTimer> ManualTimers::repeating(int intervalMs, std::function<void()> tick)
{
    auto state = std::make_shared<State>();
    state->intervalMs = intervalMs;
    state->tick = std::move(tick);
    m_timers.push_back(state);

    class Timer final : public RepeatingTimer
    {
      public:
        explicit Timer(std::shared_ptr<State> state) : m_state(std::move(state)) {}

        ~Timer() override { m_state->alive = false; }

        void start() override { m_state->active = true; }

        void stop() override { m_state->active = false; }

        bool isActive() const override { return m_state->active; }

      private:
        std::shared_ptr<State> m_state;
    };

    return std::make_unique<Timer>(state);
}

void ManualTimers::fire()
{
    // A tick may create or destroy timers: walk a copy.
    const auto timers = m_timers;
    for (const auto& timer : timers)
        if (timer->alive && timer->active)
            timer->tick();
    std::erase_if(m_timers, [](const auto& timer) { return !timer->alive; });
}

int ManualTimers::runningCount() const
{
    return static_cast<int>(std::count_if(m_timers.begin(), m_timers.end(),
                                          [](const auto& timer) { return timer->alive && timer->active; }));
}

} // namespace notavi::gui::test
