#pragma once

// How the editor's text and its check list look: their fonts and background colours, chosen in the
// common dialogs, shown on the controls and kept in the settings sections "Editor" and "Prüfliste".
// The tool buttons "Schrift" and "Hintergrundfarbe" act on whichever of the two is shown.

#include "core/app/program_state.h"
#include "gui/app/view_appearance.h"
#include "gui/editor/editor_commands.h"
#include "gui/platform/common_dialogs.h"

#include <QObject>

class QWidget;

namespace notavi::gui {

class TC_FORM_Editor;

class EditorAppearance final : public QObject
{
    Q_OBJECT

  public:
    // Runs the editor's font and colour commands from then on.
    EditorAppearance(TC_FORM_Editor& editor, CommonDialogs& dialogs, ProgramState& state);

    // Fonts, colours and check marks from the settings.
    void apply();

    void chooseFont(StyledArea area);
    void choosePersonalColour(StyledArea area);
    // "&Windows Standardfarbe": switches between the window colour and the personal colour.
    void toggleWindowColour(StyledArea area);

    // The text, or the check list while it is shown.
    StyledArea visibleArea() const;

  Q_SIGNALS:
    // The wide caret takes its width from the font.
    void textFontChanged();

  private:
    struct Area;
    Area areaOf(StyledArea area);
    void connectCommands();
    void show(StyledArea area);
    void showTextFont();
    void save(StyledArea area);

    TC_FORM_Editor& m_editor;
    CommonDialogs& m_dialogs;
    ProgramState& m_state;
};

} // namespace notavi::gui
