#pragma once

// The check list "Prüfliste": the formal errors of the editor's text, one entry each, shown in place
// of the text. It knows its list and context menu; the editor fills it and follows its requests.

#include <QObject>
#include <QStringList>

class QAction;
class QListWidget;
class QMenu;
class QWidget;

namespace notavi::gui {

inline const QString kNoErrorsEntry = QStringLiteral("Die Terminliste enth\u00E4lt keine formalen Fehler.");
inline const QString kCheckListStatus =
    QStringLiteral("Doppeklick zeigt Fehler im Editor an, Strg+Klick \u00F6ffnet zus\u00E4tzlich den "
                   "fehlerhaften Termin direkt zum \u00C4ndern.");

class CheckListPanel final : public QObject
{
    Q_OBJECT

  public:
    // The list joins the page's layout below the text, hidden.
    CheckListPanel(QWidget& page, QAction& calendar);

    bool shown() const { return m_shown; }

    // The entries (or the single entry of a file without errors) in place of the text.
    void show(const QStringList& entries);
    void hide();

    QListWidget& list() const { return *m_list; }

    QMenu& menu() const { return *m_menu; }

    // The selected entry; empty without one.
    QString selectedEntry() const;

  Q_SIGNALS:
    // Jump to the entry's line; withChange also opens it for changing.
    void jumpRequested(bool withChange);
    void fileStartRequested();
    // Alt+click: the web address of the line the entry points to.
    void webAddressRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void prepareMenu();

    QListWidget* m_list;
    QMenu* m_menu;
    QAction* m_show;
    QAction* m_change;
    QAction* m_calendarItem;
    QAction& m_calendar;
    bool m_shown = false;
};

} // namespace notavi::gui
