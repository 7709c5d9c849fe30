#pragma once

// The program's icon in the desktop's tray (notification area), with its menu "Wiederherstellen"
// and "Beenden". Not every desktop has a tray: windows ask first and minimise normally without one.

#include <functional>

#include <QIcon>
#include <QString>

class QSystemTrayIcon;

namespace notavi::gui {

struct TrayCommands
{
    std::function<void()> restore; // a click on the icon, or "Wiederherstellen"
    std::function<void()> quit;    // "Beenden"
};

class Tray
{
  public:
    virtual ~Tray() = default;
    // Whether the desktop shows tray icons at all.
    virtual bool isAvailable() const = 0;
    virtual void show(const QIcon& icon, const QString& tip, const TrayCommands& commands) = 0;
    virtual void setTip(const QString& tip) = 0;
    virtual void hide() = 0;
    virtual bool isShown() const = 0;
};

class SystemTray final : public Tray
{
  public:
    SystemTray();
    ~SystemTray() override;

    bool isAvailable() const override;
    void show(const QIcon& icon, const QString& tip, const TrayCommands& commands) override;
    void setTip(const QString& tip) override;
    void hide() override;
    bool isShown() const override;

  private:
    QSystemTrayIcon* m_icon = nullptr; // made when first shown
    TrayCommands m_commands;
};

} // namespace notavi::gui
