#pragma once

// How the main window's view looks: its font, its background, the skins, the block colours and the
// tooltips. Each command changes the settings, lets the window apply them, colours the view anew
// where colours changed (keeping the user's place) and writes the settings sections it changed.

#include "core/app/program_state.h"
#include "core/app/skins.h"
#include "gui/platform/common_dialogs.h"
#include "gui/platform/dialog_look.h"
#include "gui/platform/tooltip_policy.h"

#include <functional>

#include <QObject>

class QWidget;

namespace notavi::gui {

class EntryView;
class TC_Form_Eingabe;

// What the commands need of the window they work for.
struct AppearanceHost
{
    QWidget* owner;                         // the dialogs' owner
    EntryView& view;                        // the view to recolour
    std::function<void()> applySettings;    // the view's font and colours and the menu checks
    std::function<void()> saveMainSection;  // "Haupt", with the window's place
    std::function<DialogLook()> dialogLook; // for the dialogs of these commands
};

class ViewAppearance final : public QObject
{
    Q_OBJECT

  public:
    // Applies the tooltip settings to the whole application at once.
    ViewAppearance(const AppearanceHost& host, CommonDialogs& dialogs, ProgramState& state);

    void chooseFont();                           // "&Schrift..."
    void choosePersonalColour();                 // "&Persönliche Farbe..."
    void applySkin(Skin skin);                   // "S&kins"
    void chooseBlockColours();                   // "&Terminblockfarbe..."
    void toggleTooltips();                       // "Tooltipps &anzeigen"
    void askTooltipTime(TC_Form_Eingabe& input); // "Tooltipps A&nzeigedauer setzen..."
    // Applies the settings and colours the view again, the caret staying on its entry.
    void recolourKeepingPlace(bool scrollCaret);

  private:
    void applyTooltips();

    Settings& settings() { return m_state.settings(); }

    AppearanceHost m_host;
    CommonDialogs& m_dialogs;
    ProgramState& m_state;
    TooltipPolicy m_tooltips;
};

// The titles of the font and colour dialogs shared by the main window and the editor, by what they
// change: the view (no editor open), the editor's text or its check list.
enum class StyledArea
{
    View,
    EditorText,
    CheckList,
};

QString fontDialogTitle(StyledArea area);
QString colourDialogTitle(StyledArea area);

} // namespace notavi::gui
