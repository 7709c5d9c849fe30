#pragma once

// "Terminblockfarbe": one colour list per block, set to the block colour codes; OK hands the codes
// back, a button sets every block to "Standardfarbe".

#include "core/model/block_catalogue.h"
#include "gui/platform/dialog_look.h"

#include <array>

#include <QDialog>

namespace notavi::gui {

class ColourList;

class TC_FORM_Terminblockfarbe final : public QDialog
{
    Q_OBJECT

  public:
    using Codes = std::array<int, kBlockCount>;

    TC_FORM_Terminblockfarbe(const Codes& codes, const DialogLook& look, QWidget* parent = nullptr);

    Codes codes() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void C_PSBT_StandardClick();

    DialogLook m_look;
    std::array<ColourList*, kBlockCount> m_lists{};
};

} // namespace notavi::gui
