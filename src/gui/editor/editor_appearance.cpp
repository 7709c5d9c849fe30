#include "gui/editor/editor_appearance.h"

#include "gui/editor/check_list_panel.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "gui/platform/quiet_check.h"
#include "gui/platform/settings_conversion.h"

#include <functional>
#include <utility>

#include <QAction>
#include <QListWidget>
#include <QToolButton>

namespace notavi::gui {
namespace {

using Cmd = EditorCommand;

} // namespace

// What a command changes: the text with its section "Editor" or the list with "Prüfliste".
struct EditorAppearance::Area
{
    FontSettings& font;
    BackgroundSettings& background;
    SettingsSection section;
    QWidget& control;
    Cmd windowsItem;
    Cmd personalItem;
};

EditorAppearance::EditorAppearance(TC_FORM_Editor& editor, CommonDialogs& dialogs, ProgramState& state)
    : QObject(&editor), m_editor(editor), m_dialogs(dialogs), m_state(state)
{
    for (const Cmd item :
         {Cmd::C_MItem_HintergrundEditorWindows, Cmd::C_MItem_HintergrundEditorPersoenlich,
          Cmd::C_MItem_HintergrundPrueflisteWindows, Cmd::C_MItem_HintergrundPrueflistePersoenlich})
        m_editor.action(item)->setCheckable(true);
    connectCommands();
}

EditorAppearance::Area EditorAppearance::areaOf(StyledArea area)
{
    Settings& settings = m_state.settings();
    if (area == StyledArea::CheckList)
        return {settings.checkList.font,
                settings.checkList.background,
                SettingsSection::CheckList,
                m_editor.checkList().list(),
                Cmd::C_MItem_HintergrundPrueflisteWindows,
                Cmd::C_MItem_HintergrundPrueflistePersoenlich};
    return {settings.editor.font,
            settings.editor.background,
            SettingsSection::Editor,
            m_editor.text(),
            Cmd::C_MItem_HintergrundEditorWindows,
            Cmd::C_MItem_HintergrundEditorPersoenlich};
}

void EditorAppearance::connectCommands()
{
    const std::pair<Cmd, std::function<void()>> handlers[] = {
        {Cmd::C_MItem_SchriftEditor, [this] { chooseFont(StyledArea::EditorText); }},
        {Cmd::C_MItem_SchriftPruefliste, [this] { chooseFont(StyledArea::CheckList); }},
        {Cmd::C_MItem_HintergrundEditorWindows, [this] { toggleWindowColour(StyledArea::EditorText); }},
        {Cmd::C_MItem_HintergrundEditorPersoenlich, [this] { choosePersonalColour(StyledArea::EditorText); }},
        {Cmd::C_MItem_HintergrundPrueflisteWindows, [this] { toggleWindowColour(StyledArea::CheckList); }},
        {Cmd::C_MItem_HintergrundPrueflistePersoenlich,
         [this] { choosePersonalColour(StyledArea::CheckList); }},
    };
    for (const auto& [command, handler] : handlers)
        connect(m_editor.action(command), &QAction::triggered, this, handler);
    if (auto* font = m_editor.findChild<QToolButton*>(QStringLiteral("C_TBu_Schrift")))
        connect(font, &QToolButton::clicked, this, [this] { chooseFont(visibleArea()); });
    if (auto* colour = m_editor.findChild<QToolButton*>(QStringLiteral("C_TBu_Hintergrundfarbe")))
        connect(colour, &QToolButton::clicked, this, [this] { choosePersonalColour(visibleArea()); });
}

StyledArea EditorAppearance::visibleArea() const
{
    return m_editor.checkList().shown() ? StyledArea::CheckList : StyledArea::EditorText;
}

void EditorAppearance::apply()
{
    show(StyledArea::EditorText);
    show(StyledArea::CheckList);
}

void EditorAppearance::show(StyledArea area)
{
    const Area target = areaOf(area);
    if (area == StyledArea::EditorText)
        showTextFont();
    else
        target.control.setFont(toQFont(target.font));
    paintColours(target.control, target.font, target.background);
    setCheckedQuietly(m_editor.action(target.windowsItem), target.background.useWindowColour);
    setCheckedQuietly(m_editor.action(target.personalItem), !target.background.useWindowColour);
}

// A new font is no change of the appointment file: the text keeps the modified mark it had.
void EditorAppearance::showTextFont()
{
    EditorTextControl& text = m_editor.text();
    const bool modified = text.document()->isModified();
    text.setFont(toQFont(m_state.settings().editor.font));
    text.document()->setModified(modified);
}

void EditorAppearance::chooseFont(StyledArea area)
{
    const Area target = areaOf(area);
    const std::optional<FontChoice> font =
        m_dialogs.font(&m_editor, toFontChoice(target.font), fontDialogTitle(area));
    if (!font)
        return;
    storeFontChoice(*font, target.font);
    show(area);
    save(area);
    if (area == StyledArea::EditorText)
        Q_EMIT textFontChanged();
}

void EditorAppearance::choosePersonalColour(StyledArea area)
{
    const Area target = areaOf(area);
    const std::optional<QColor> colour = m_dialogs.colour(&m_editor, Qt::white, colourDialogTitle(area));
    if (colour)
        target.background = {false, toGuiColour(*colour)};
    show(area); // also puts back the check mark a cancelled dialog's item took
    if (colour)
        save(area);
}

void EditorAppearance::toggleWindowColour(StyledArea area)
{
    const Area target = areaOf(area);
    target.background.useWindowColour = !target.background.useWindowColour;
    show(area);
    save(area);
}

void EditorAppearance::save(StyledArea area)
{
    m_state.saveSettings(areaOf(area).section);
}

} // namespace notavi::gui
