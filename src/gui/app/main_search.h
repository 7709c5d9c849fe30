#pragma once

// The main window's "Suchen nach..." with its non-modal find dialog and "Weitersuchen" on the view.

#include "gui/dialogs/text_search.h"
#include "gui/platform/desktop.h"

#include <functional>

#include <QPlainTextEdit>

namespace notavi::gui {

class FindDialog;

class MainSearch
{
  public:
    // searched: runs before every search (it enables "Weitersuchen").
    MainSearch(QWidget& window, QPlainTextEdit& view, const Desktop& desktop, std::function<void()> searched);

    void C_MItem_SuchenNachClick();
    void C_MItem_NaechstesSuchenClick();

    bool searchDone() const { return m_searchDone; }

  private:
    void find();

    std::function<void()> m_searched;
    TextSearch m_search;
    FindDialog* m_dialog; // a child of the window
    bool m_searchDone = false;
};

} // namespace notavi::gui
