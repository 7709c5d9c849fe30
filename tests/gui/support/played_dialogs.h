#pragma once

// Plays the user's part in dialogs that are shown modally: each showing of a dialog runs the next
// script queued for its objectName while the dialog stands on the (offscreen) screen. A dialog the
// script leaves open is cancelled afterwards, one without a script is cancelled at once.

#include "gui/platform/modal_run.h"

#include <deque>
#include <functional>
#include <map>

#include <QDialog>
#include <QStringList>
#include <QTest>

namespace notavi::gui::test {

class PlayedDialogs
{
  public:
    using Script = std::function<void(QDialog&)>;

    void queue(const QString& dialogName, Script script)
    {
        m_scripts[dialogName].push_back(std::move(script));
    }

    // The run to install in the window under test.
    ModalRun run()
    {
        return [this](QDialog& dialog) { return play(dialog); };
    }

    QStringList shown; // the objectNames of the dialogs in the order they were shown

  private:
    int play(QDialog& dialog)
    {
        shown << dialog.objectName();
        dialog.setResult(QDialog::Rejected);
        std::deque<Script>& scripts = m_scripts[dialog.objectName()];
        if (scripts.empty())
            return QDialog::Rejected;
        Script script = std::move(scripts.front());
        scripts.pop_front();
        dialog.show();
        // Active as a modal dialog would be, so that focus moves send their events.
        dialog.activateWindow();
        if (!QTest::qWaitForWindowActive(&dialog))
            qWarning("%s did not become active", qPrintable(dialog.objectName()));
        script(dialog);
        if (dialog.isVisible())
            dialog.reject();
        return dialog.result();
    }

    std::map<QString, std::deque<Script>> m_scripts;
};

} // namespace notavi::gui::test
