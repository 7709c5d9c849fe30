#include "gui/platform/tray.h"

#include <QMenu>
#include <QSystemTrayIcon>

namespace notavi::gui {

SystemTray::SystemTray() = default;

SystemTray::~SystemTray()
{
    if (m_icon)
        delete m_icon->contextMenu();
    delete m_icon;
}

bool SystemTray::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTray::show(const QIcon& icon, const QString& tip, const TrayCommands& commands)
{
    m_commands = commands;
    if (!m_icon) {
        m_icon = new QSystemTrayIcon();
        auto* menu = new QMenu();
        QAction* restore = menu->addAction(QStringLiteral("Wiederherstellen"));
        QObject::connect(restore, &QAction::triggered, [this] { m_commands.restore(); });
        menu->setDefaultAction(restore); // in bold: what a click on the icon does
        QObject::connect(menu->addAction(QStringLiteral("Beenden")), &QAction::triggered,
                         [this] { m_commands.quit(); });
        m_icon->setContextMenu(menu);
        QObject::connect(m_icon, &QSystemTrayIcon::activated,
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                                 m_commands.restore();
                         });
    }
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
    m_icon->show();
}

void SystemTray::setTip(const QString& tip)
{
    if (m_icon)
        m_icon->setToolTip(tip);
}

void SystemTray::hide()
{
    if (m_icon)
        m_icon->hide();
}

bool SystemTray::isShown() const
{
    return m_icon && m_icon->isVisible();
}

} // namespace notavi::gui
