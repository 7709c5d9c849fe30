#include "gui/app/view_appearance.h"

#include "gui/app/entry_view.h"
#include "gui/app/tc_form_terminblockfarbe.h"
#include "gui/app/view_renderer.h"
#include "gui/dialogs/tc_form_eingabe.h"
#include "gui/platform/settings_conversion.h"

namespace notavi::gui {
namespace {

QString areaName(StyledArea area)
{
    switch (area) {
    case StyledArea::View:
        return QStringLiteral("Notavi");
    case StyledArea::EditorText:
        return QStringLiteral("Editor");
    case StyledArea::CheckList:
        return QStringLiteral("Pr\u00FCfliste");
    }
    return QStringLiteral("Notavi");
}

} // namespace

QString fontDialogTitle(StyledArea area)
{
    return QStringLiteral("Schriftart ") + areaName(area);
}

QString colourDialogTitle(StyledArea area)
{
    return QStringLiteral("Hintergrundfarbe ") + areaName(area);
}

ViewAppearance::ViewAppearance(const AppearanceHost& host, CommonDialogs& dialogs, ProgramState& state)
    : QObject(host.owner), m_host(host), m_dialogs(dialogs), m_state(state), m_tooltips(this)
{
    applyTooltips();
}

void ViewAppearance::recolourKeepingPlace(bool scrollCaret)
{
    const ViewPosition place = m_host.view.position();
    m_host.applySettings();
    m_host.view.recolour(viewColoursOf(settings()));
    m_host.view.restorePosition(place, scrollCaret);
}

void ViewAppearance::chooseFont()
{
    const std::optional<FontChoice> font =
        m_dialogs.font(m_host.owner, toFontChoice(settings().main.font), fontDialogTitle(StyledArea::View));
    if (!font)
        return;
    storeFontChoice(*font, settings().main.font);
    recolourKeepingPlace(true);
    m_host.saveMainSection();
}

void ViewAppearance::choosePersonalColour()
{
    const std::optional<QColor> colour =
        m_dialogs.colour(m_host.owner, Qt::white, colourDialogTitle(StyledArea::View));
    if (!colour) {
        m_host.applySettings(); // puts back the check mark the cancelled item took
        return;
    }
    settings().main.background = {false, toGuiColour(*colour)};
    m_host.applySettings();
    m_host.saveMainSection();
}

// The skin sets the editor's sections as well: they are read from the file first, so that the
// editor's place and whatever else the skin does not set stay as the editor left them.
void ViewAppearance::applySkin(Skin skin)
{
    m_state.loadSettings({SettingsSection::Editor, SettingsSection::CheckList});
    notavi::applySkin(skin, settings());
    recolourKeepingPlace(false);
    m_host.saveMainSection();
    m_state.saveSettings(SettingsSection::Editor);
    m_state.saveSettings(SettingsSection::CheckList);
}

void ViewAppearance::chooseBlockColours()
{
    TC_FORM_Terminblockfarbe dialog(settings().blockColours.codes, m_host.dialogLook(), m_host.owner);
    if (dialog.exec() == QDialog::Accepted) {
        settings().blockColours.codes = dialog.codes();
        m_state.saveSettings(SettingsSection::BlockColours);
    }
    recolourKeepingPlace(true);
}

void ViewAppearance::toggleTooltips()
{
    settings().tooltips.shown = !settings().tooltips.shown;
    applyTooltips();
    m_host.applySettings();
    m_state.saveSettings(SettingsSection::Tooltips);
}

void ViewAppearance::askTooltipTime(TC_Form_Eingabe& input)
{
    int milliseconds = settings().tooltips.displayMilliseconds;
    if (!input.askTooltipTime(milliseconds))
        return;
    settings().tooltips = {true, milliseconds};
    applyTooltips();
    m_host.applySettings();
    m_state.saveSettings(SettingsSection::Tooltips);
}

void ViewAppearance::applyTooltips()
{
    m_tooltips.setShown(settings().tooltips.shown);
    m_tooltips.setDisplayMilliseconds(settings().tooltips.displayMilliseconds);
}

} // namespace notavi::gui
