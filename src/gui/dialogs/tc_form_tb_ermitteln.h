#pragma once

// "Terminblock ermitteln": the kinds of appointment in plain words, grouped by how often they
// repeat; the chosen one names the block that holds it.

#include "gui/platform/dialog_look.h"

#include <optional>

#include <QDialog>

class QButtonGroup;
class QLabel;
class QPushButton;

namespace notavi::gui {

class TC_Form_TB_ermitteln final : public QDialog
{
    Q_OBJECT

  public:
    // entryBlock: the entry dialog's block, checked on opening (none: the one-time appointment).
    // look: where the dialog appears and its colours, those of the entry dialog.
    TC_Form_TB_ermitteln(std::optional<int> entryBlock, const DialogLook& look, QWidget* parent = nullptr);

    // The block of the checked kind; the entry dialog takes it after OK.
    int chosenBlock() const { return m_chosenBlock; }

  private:
    void createControls();
    void choose(int block);

    int m_chosenBlock = 0;

    QButtonGroup* m_kinds = nullptr;
    QLabel* C_LB_Terminblock = nullptr;
    QPushButton* C_PSBT_OK = nullptr;
    QPushButton* C_PSBT_Abbrechen = nullptr;
};

} // namespace notavi::gui
