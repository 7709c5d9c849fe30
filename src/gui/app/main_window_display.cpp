// The main window's display options (font, background, skins, block choice and colours, tooltips)
// and what the mouse and keys do in the view.

#include "core/app/block_selection.h"
#include "gui/app/tc_form_haupt.h"
#include "gui/app/tc_form_terminblock.h"
#include "gui/app/view_appearance.h"

#include <QAction>
#include <QPushButton>

namespace notavi::gui {

void TC_FORM_Haupt::connectDisplayCommands()
{
    const AppearanceHost host{this, *C_RE_TerminAnzeige,
                              [this] {
                                  applyMainSettings();
                                  applyMenuChecks();
                              },
                              [this] {
                                  storeWindowGeometry();
                                  saveSection(SettingsSection::Main);
                              },
                              [this] { return dialogLook(); }};
    m_appearance = new ViewAppearance(host, m_desktop.dialogs, m_state);
    const std::pair<Command, std::function<void()>> commands[] = {
        {Command::C_MItem_Schrift, [this] { m_appearance->chooseFont(); }},
        {Command::C_MItem_Hintergrund_persoenlich, [this] { m_appearance->choosePersonalColour(); }},
        {Command::C_MItem_Classic, [this] { m_appearance->applySkin(Skin::Classic); }},
        {Command::C_MItem_Modern, [this] { m_appearance->applySkin(Skin::Modern); }},
        {Command::C_MItem_SilberBlau, [this] { m_appearance->applySkin(Skin::Sillau); }},
        {Command::C_MItem_GruenGelb, [this] { m_appearance->applySkin(Skin::Gruelb); }},
        {Command::C_MItem_Terminblockfarbe, [this] { m_appearance->chooseBlockColours(); }},
        {Command::C_MItem_Tooltip, [this] { m_appearance->toggleTooltips(); }},
        {Command::C_MItem_Anzeigedauer, [this] { m_appearance->askTooltipTime(*m_input); }},
        {Command::C_MItem_Terminblockauswahl, [this] { C_MItem_TerminblockauswahlClick(); }},
    };
    for (const auto& [name, command] : commands)
        connect(action(name), &QAction::triggered, this, [this, command = command] {
            stopCountdown();
            command();
        });
    connectViewMouseAndKeys();
}

void TC_FORM_Haupt::C_MItem_TerminblockauswahlClick()
{
    TC_FORM_Terminblock dialog(blockSelectionOf(m_state.settings().blockDisplay), dialogLook(), this);
    const int result = dialog.exec();
    if (result == QDialog::Rejected)
        return;
    m_state.settings().blockDisplay = blockDisplayOf(dialog.selection());
    applyMenuChecks();
    if (result == TC_FORM_Terminblock::OkAndSave)
        saveSection(SettingsSection::BlockDisplay);
    if (m_viewComputed && m_state.fileLoaded())
        evaluate();
}

// Ctrl + click changes the entry, Alt + click opens its web address, Delete deletes it: each as
// far as its command is available.
void TC_FORM_Haupt::connectViewMouseAndKeys()
{
    auto openAddress = [this] {
        if (action(Command::C_MItem_URL)->isEnabled())
            action(Command::C_MItem_URL)->trigger();
    };
    QAbstractButton* change = m_buttons[static_cast<std::size_t>(PushButton::C_PSBT_aendern)];
    QAbstractButton* remove = m_buttons[static_cast<std::size_t>(PushButton::C_PSBT_loeschen)];
    connect(C_RE_TerminAnzeige, &EntryView::mousePressed, this, [this] { stopCountdown(); });
    connect(C_RE_TerminAnzeige, &EntryView::changeClicked, this, [=](bool altHeld) {
        if (change->isEnabled())
            change->click();
        else if (altHeld)
            openAddress();
    });
    connect(C_RE_TerminAnzeige, &EntryView::addressClicked, this, openAddress);
    connect(C_RE_TerminAnzeige, &EntryView::deletePressed, this, [remove] {
        if (remove->isEnabled())
            remove->click();
    });
}

} // namespace notavi::gui
