#pragma once

// A message window for one alarm: a window of its own with its own taskbar button, so that it can be
// seen while the main window is minimised or in the tray. Any number may be open; each closes itself
// with "&OK" and is deleted then.

#include <QDialog>
#include <QFont>

class QPushButton;
class QTextEdit;

namespace notavi::gui {

// The text field's colours and font: the main view's when dialogs follow the view, else the
// desktop's window colours in bold "MS Sans Serif" 10.
struct AlarmLook
{
    bool followView = false;
    QColor background; // the view's
    QFont font;        // the view's
    QColor text;       // the view's font colour
};

class TC_FORM_Alarm final : public QDialog
{
    Q_OBJECT

  public:
    TC_FORM_Alarm(const QString& text, const QString& caption, const AlarmLook& look);

    QString text() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void applyLook(const AlarmLook& look);
    void placeOnScreen();

    QTextEdit* C_RE_Alarm = nullptr;
    QPushButton* C_PSBT_ok = nullptr;
    bool m_placed = false; // where it first appeared, it stays when restored
};

} // namespace notavi::gui
