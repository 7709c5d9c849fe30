#pragma once

// The non-modal find dialog of the editor and the main window: the text, "whole word" and "match
// case"; every press of "Weitersuchen" asks its window to search forward once.

#include <QDialog>
#include <QTextDocument>

class QCheckBox;
class QLineEdit;

namespace notavi::gui {

class FindDialog final : public QDialog
{
    Q_OBJECT

  public:
    FindDialog(const QString& objectName, QWidget* parent);

    QString searchText() const;
    QTextDocument::FindFlags flags() const;

    // Shows the dialog at the owner's left + 200 (kept on the screen) and top + 80.
    void showBesideOwner();

  Q_SIGNALS:
    void findRequested();

  private:
    QLineEdit* m_text = nullptr;
    QCheckBox* m_wholeWord = nullptr;
    QCheckBox* m_matchCase = nullptr;
};

} // namespace notavi::gui
