#pragma once

// The about box: name, version, the maker's notice and links, the portable mark, and the hidden
// guessing game (left click on the maker's name while the right button and Ctrl are held).

#include "core/app/number_game.h"
#include "gui/platform/desktop.h"
#include "gui/platform/dialog_look.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace notavi::gui {

class TC_Form_Info final : public QDialog
{
    Q_OBJECT

  public:
    TC_Form_Info(const Desktop& desktop, NumberGame& game, bool portable, const DialogLook& look,
                 QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls(bool portable);
    QLayout* createGameGroup();
    void styleLinks();
    void C_LB_KontaktMouseDown(Qt::MouseButton button, Qt::MouseButtons held,
                               Qt::KeyboardModifiers modifiers);
    void C_LB_InternetClick();
    void C_PSBT_RatenClick();
    void C_PSBT_NeustartClick();
    void revealGame();
    void focusGuess();

    Desktop m_desktop;
    NumberGame& m_game;

    QLabel* C_Image_1 = nullptr;
    QLabel* C_LB_Notavi = nullptr;
    QLabel* C_LB_Hinweis = nullptr;
    QLabel* C_LB_Kontakt = nullptr;
    QLabel* C_LB_Internet = nullptr;
    QLabel* C_LB_portable = nullptr;
    QPushButton* C_PSBT_Ok = nullptr;
    QGroupBox* C_GRBX_Easteregg = nullptr;
    QLabel* C_LB_Versuch = nullptr;
    QLineEdit* C_EDTX_Versuch = nullptr;
    QLabel* C_LB_Auswertung = nullptr;
    QPushButton* C_PSBT_Raten = nullptr;
    QPushButton* C_PSBT_Neustart = nullptr;
};

// The mail link of the maker's name: "mailto:" + address + "?subject=Notavi " + version.
QUrl makerMailUrl();

} // namespace notavi::gui
