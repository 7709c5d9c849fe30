#include "gui/app/alarm_raiser.h"

#include "gui/app/tray_controller.h"

#include <QApplication>

namespace notavi::gui {

AlarmRaiser::AlarmRaiser(Beeper& beeper, const ExtrasSettings& extras, TrayController& tray,
                         std::function<AlarmLook()> look)
    : m_beeper(beeper), m_extras(extras), m_tray(tray), m_look(std::move(look))
{
}

AlarmRaiser::~AlarmRaiser()
{
    for (const QPointer<TC_FORM_Alarm>& window : m_windows)
        delete window.data();
}

TC_FORM_Alarm* AlarmRaiser::raise(const QString& text, const QString& caption)
{
    m_beeper.play(SystemSound::Warning);
    std::erase_if(m_windows, [](const QPointer<TC_FORM_Alarm>& window) { return window.isNull(); });
    auto* window = new TC_FORM_Alarm(text, caption, m_look());
    m_windows.emplace_back(window);
    if (m_extras.alarmsOnTop)
        window->setWindowFlag(Qt::WindowStaysOnTopHint);
    window->show();
    if (m_extras.alarmsOnTop) {
        window->raise();
        window->activateWindow();
        m_tray.alarmArrived();
    }
    QApplication::alert(window);
    return window;
}

std::vector<TC_FORM_Alarm*> AlarmRaiser::openWindows() const
{
    std::vector<TC_FORM_Alarm*> open;
    for (const QPointer<TC_FORM_Alarm>& window : m_windows)
        if (window && window->isVisible())
            open.push_back(window.data());
    return open;
}

} // namespace notavi::gui
