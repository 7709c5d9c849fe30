#pragma once

// The editor's "Suchen nach..." with its non-modal find dialog and "Weitersuchen", and "Gehe zu...".
// Lives as a child of the editor, so that the search cycle lasts as long as the window.

#include "gui/dialogs/text_search.h"
#include "gui/platform/desktop.h"

#include <functional>

#include <QObject>

namespace notavi::gui {

class EditorTextControl;
class FindDialog;
class TC_Form_Eingabe;

class EditorSearch final : public QObject
{
    Q_OBJECT

  public:
    // searched: runs before every search (it enables "Weitersuchen"); matchSelected: after a match
    // was selected; lineQuestion asks for the line of "Gehe zu".
    EditorSearch(QWidget& editor, EditorTextControl& text, const Desktop& desktop,
                 TC_Form_Eingabe& lineQuestion, std::function<void()> searched,
                 std::function<void()> matchSelected);

    void C_MItem_SuchenNachClick();
    void C_MItem_WeitersuchenClick();
    void C_MItem_GeheZuClick();

  private:
    void find();

    EditorTextControl& m_text;
    std::function<void()> m_searched;
    TextSearch m_search;
    FindDialog* m_dialog = nullptr;
    TC_Form_Eingabe& m_lineQuestion;
};

} // namespace notavi::gui
