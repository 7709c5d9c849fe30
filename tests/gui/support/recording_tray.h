#pragma once

// A tray the test can switch on and off, which records what the program showed in it.

#include "gui/platform/tray.h"

namespace notavi::gui::test {

class RecordingTray final : public Tray
{
  public:
    bool isAvailable() const override { return available; }

    void show(const QIcon&, const QString& shownTip, const TrayCommands& shownCommands) override
    {
        shown = true;
        tip = shownTip;
        commands = shownCommands;
        ++showCount;
    }

    void setTip(const QString& newTip) override { tip = newTip; }

    void hide() override { shown = false; }

    bool isShown() const override { return shown; }

    bool available = true;
    bool shown = false;
    int showCount = 0;
    QString tip;
    TrayCommands commands; // the test clicks "Wiederherstellen" or "Beenden" through these
};

} // namespace notavi::gui::test
