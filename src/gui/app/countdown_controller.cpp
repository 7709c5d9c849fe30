#include "gui/app/countdown_controller.h"

#include "gui/dialogs/tc_form_eingabe.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

namespace notavi::gui {

CountdownController::CountdownController(Timers& timers, ProgramState& state, WindowCaption& caption,
                                         QAction& stopItem, CountdownEnds ends)
    : m_state(state), m_caption(caption), m_stopItem(stopItem), m_ends(std::move(ends)),
      C_Timer_Haupt(timers.repeating(1000, [this] { tick(); }))
{
    m_stopItem.setEnabled(false);
    connect(&m_stopItem, &QAction::triggered, this, [this] { stop(); });
}

CountdownController::~CountdownController() = default;

void CountdownController::startFromSettings()
{
    const CountdownSettings& stored = m_state.settings().countdown;
    start(stored.seconds, countdownActionOf(stored.action));
}

void CountdownController::set(TC_Form_Eingabe& input)
{
    CountdownSettings chosen = m_state.settings().countdown;
    if (!input.askCountdown(chosen.seconds, chosen.action))
        return;
    m_state.settings().countdown = chosen;
    m_state.saveSettings(SettingsSection::Countdown);
    start(chosen.seconds, countdownActionOf(chosen.action));
}

void CountdownController::start(int seconds, CountdownAction action)
{
    if (!m_countdown.start(seconds, action))
        return;
    C_Timer_Haupt->start();
    m_stopItem.setEnabled(true);
}

void CountdownController::stop()
{
    if (!m_countdown.running() && !C_Timer_Haupt->isActive())
        return;
    m_countdown.stop();
    C_Timer_Haupt->stop();
    m_stopItem.setEnabled(false);
    m_caption.showMain();
}

void CountdownController::tick()
{
    if (!m_countdown.tick()) {
        if (m_countdown.running())
            m_caption.showCountdown(m_countdown.remaining(), m_countdown.action());
        return;
    }
    C_Timer_Haupt->stop();
    m_stopItem.setEnabled(false);
    m_caption.showMain();
    if (m_countdown.action() == CountdownAction::Quit)
        m_ends.quit();
    else
        m_ends.minimise();
}

void CountdownController::stopOnClicksIn(QWidget& widget)
{
    widget.installEventFilter(this);
}

bool CountdownController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        stop();
    return QObject::eventFilter(watched, event);
}

} // namespace notavi::gui
