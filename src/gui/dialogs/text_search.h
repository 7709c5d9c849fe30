#pragma once

// Searching forward through a text control in cycles: a search that comes back to the first match
// of its cycle reports that the whole text was searched. A search continues the cycle only while
// the selection is still the last match and the search text is unchanged.

#include "gui/platform/desktop.h"

#include <functional>

#include <QPlainTextEdit>
#include <QString>
#include <QTextDocument>

namespace notavi::gui {

class TextSearch
{
  public:
    // cycleEndMessage: the window's own report that the cycle came round.
    TextSearch(QPlainTextEdit& text, const Desktop& desktop, QString cycleEndMessage);

    // True when a match was selected.
    bool find(const QString& searchText, QTextDocument::FindFlags flags);

    // Runs after a match was selected (the window may report where it starts).
    void setMatchSelected(std::function<void()> callback) { m_matchSelected = std::move(callback); }

  private:
    bool continuesCycle(const QString& searchText) const;

    QPlainTextEdit& m_text;
    Desktop m_desktop;
    QString m_cycleEndMessage;
    QString m_lastText;
    int m_lastMatch = -1;
    int m_firstMatch = -1;
    std::function<void()> m_matchSelected;
};

} // namespace notavi::gui
