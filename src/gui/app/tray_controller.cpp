#include "gui/app/tray_controller.h"

#include "gui/app/tool_icons.h"

#include <QMetaObject>
#include <QWidget>

namespace notavi::gui {
namespace {

const QString kTip = QStringLiteral("Notavi - Terminplaner");
const QString kNoTrayMessage = QStringLiteral("Dieser Desktop hat keinen Infobereich (System Tray).\n"
                                              "Notavi wird deshalb normal minimiert.");

} // namespace

TrayController::TrayController(Tray& tray, MessageBoxes& boxes, const ProgramState& state, QWidget& window,
                               std::function<void()> quit)
    : m_tray(tray), m_boxes(boxes), m_state(state), m_window(window), m_quit(std::move(quit))
{
}

bool TrayController::wantsTray() const
{
    return m_state.settings().extras.minimiseToTray && !m_state.editorOpen();
}

void TrayController::windowMinimised()
{
    if (!wantsTray())
        return;
    if (m_tray.isAvailable()) {
        addIcon();
        return;
    }
    // Without a tray the window stays in the taskbar, where the user finds it again; said once a run.
    if (m_toldNoTray)
        return;
    m_toldNoTray = true;
    QMetaObject::invokeMethod(
        &m_window, [this] { m_boxes.information(&m_window, kNoTrayMessage); }, Qt::QueuedConnection);
}

void TrayController::alarmArrived()
{
    const bool minimised = m_window.isMinimized() || inTray();
    if (minimised && wantsTray() && m_tray.isAvailable())
        addIcon();
}

void TrayController::addIcon()
{
    m_tray.show(toolIcon(ToolIcon::Logo), kTip, {[this] { restore(); }, [this] { m_quit(); }});
    // Hidden after the minimise has finished, so that the window manager sees the two in order.
    QMetaObject::invokeMethod(
        &m_window,
        [this] {
            if (m_tray.isShown())
                m_window.hide();
        },
        Qt::QueuedConnection);
}

void TrayController::restore()
{
    m_tray.hide();
    m_window.showNormal();
    m_window.raise();
    m_window.activateWindow();
}

void TrayController::removeIcon()
{
    m_tray.hide();
}

} // namespace notavi::gui
