#include "gui/app/main_search.h"

#include "gui/dialogs/find_dialog.h"

namespace notavi::gui {

MainSearch::MainSearch(QWidget& window, QPlainTextEdit& view, const Desktop& desktop,
                       std::function<void()> searched)
    : m_searched(std::move(searched)),
      m_search(view, desktop,
               QStringLiteral("Der Suchvorgang innerhalb der Terminansicht ist abgeschlossen.")),
      m_dialog(new FindDialog(QStringLiteral("C_FindDialog_Haupt"), &window))
{
    QObject::connect(m_dialog, &FindDialog::findRequested, m_dialog, [this] { find(); });
}

void MainSearch::C_MItem_SuchenNachClick()
{
    m_dialog->showBesideOwner();
}

void MainSearch::C_MItem_NaechstesSuchenClick()
{
    find();
}

void MainSearch::find()
{
    m_searchDone = true;
    if (m_searched)
        m_searched();
    m_search.find(m_dialog->searchText(), m_dialog->flags());
}

} // namespace notavi::gui
