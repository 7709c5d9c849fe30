#pragma once

// Stand-ins for the desktop: a shell that records what it was asked to open, a beeper that counts,
// a clock the test advances, timers it fires, scripted message boxes and common dialogs, a tray, bundled as
// the Desktop a window takes.

#include "core/engine/clock.h"
#include "gui/platform/desktop.h"
#include "support/manual_time.h"
#include "support/played_dialogs.h"
#include "support/recording_tray.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_message_boxes.h"

#include <QList>
#include <QUrl>

namespace notavi::gui::test {

class RecordingShell final : public Shell
{
  public:
    bool openUrl(const QUrl& url) override
    {
        urls.append(url);
        return succeeds;
    }

    bool openTextFile(const QString& path) override
    {
        files.append(path);
        return succeeds;
    }

    QList<QUrl> urls;
    QStringList files;
    bool succeeds = true;
};

class CountingBeeper final : public Beeper
{
  public:
    void play(SystemSound sound) override { played.append(sound); }

    QList<SystemSound> played;
};

// A clipboard of its own, so that tests see every write and never touch the desktop's.
class RecordingClipboard final : public Clipboard
{
  public:
    QString text() const override { return current; }

    void setText(const QString& text) override
    {
        current = text;
        writes.append(text);
    }

    QString current;
    QStringList writes;
};

struct FakeDesktop
{
    explicit FakeDesktop(DayNumber today, int minuteOfDay = 12 * 60) : clock(today, minuteOfDay) {}

    Desktop desktop() { return {boxes, shell, beeper, clock, dialogs, timers, tray, clipboard, modalRun}; }

    // Seconds pass one by one, each ticking every running timer once.
    void passSeconds(int seconds = 1)
    {
        for (int second = 0; second < seconds; ++second) {
            clock.advanceSeconds(1);
            timers.fire();
        }
    }

    ScriptedMessageBoxes boxes;
    RecordingShell shell;
    CountingBeeper beeper;
    AdvancingClock clock;
    ScriptedCommonDialogs dialogs;
    ManualTimers timers;
    RecordingTray tray;
    RecordingClipboard clipboard;
    // The program's own modal dialogs, played by scripts queued per objectName.
    PlayedDialogs played;
    const ModalRun modalRun = played.run();
};

} // namespace notavi::gui::test
