#pragma once

// "Terminblockauswahl": which blocks the view evaluates, the thousand-day birthdays and the moon
// phases, as check boxes. The boxes keep each other consistent while the user clicks; the caller
// fills them from the menu and takes them back after "&Ok" or "Ok && S&peichern".

#include "core/app/block_selection.h"
#include "gui/platform/dialog_look.h"

#include <array>

#include <QDialog>

class QCheckBox;

namespace notavi::gui {

class TC_FORM_Terminblock final : public QDialog
{
    Q_OBJECT

  public:
    // The dialog's results besides QDialog::Rejected.
    enum Result
    {
        Ok = QDialog::Accepted,
        OkAndSave = QDialog::Accepted + 1,
    };

    TC_FORM_Terminblock(const BlockSelection& selection, const DialogLook& look, QWidget* parent = nullptr);

    BlockSelection selection() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    static QCheckBox* addBox(QWidget* parent, const QString& name, const QString& caption, bool checked);
    void setAllBlocks(bool checked);
    void C_CHBX_GeburtstagClick();
    void C_CHBX_GeburtstagMitClick();
    void C_CHBX_MondphasenClick();
    void C_CHBX_PhaseClick();

    DialogLook m_look;
    bool m_inMoonRule = false; // one moon rule does not trigger the other
    std::array<QCheckBox*, kBlockCount> m_blocks{};
    QCheckBox* C_CHBX_GeburtstagMit = nullptr;
    std::array<QCheckBox*, kMoonPhaseCount> m_phases{};
    QCheckBox* C_CHBX_Uhrzeit = nullptr;
};

} // namespace notavi::gui
