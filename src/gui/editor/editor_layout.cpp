// The editor's layout, its bars and caret, and its display settings.

#include "core/app/window_geometry.h"
#include "gui/editor/calendar_panel.h"
#include "gui/editor/editor_appearance.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "gui/platform/quiet_check.h"
#include "gui/platform/wide_caret.h"

#include <algorithm>

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace notavi::gui {
namespace {

constexpr int kButtonBarHeight = 41;
constexpr int kButtonGap = 8;
constexpr int kButtonTop = 10;
constexpr int kButtonHeight = 25;
constexpr int kCalendarPanelWidth = 200;

} // namespace

// The button bar at the bottom, the status line above it, the tab control with the text filling the
// rest beside the calendar panel at the right edge.
void TC_FORM_Editor::FormResize()
{
    QWidget* client = centralWidget();
    const int width = client->width();
    const int height = client->height();
    const int barHeight =
        action(EditorCommand::C_MItem_Schaltflaechenleiste)->isChecked() ? kButtonBarHeight : 0;
    C_GRBX_PSBT->setGeometry(0, height - barHeight, width, barHeight);
    const int count = static_cast<int>(kEditorButtonCount);
    const int buttonWidth = (width - (count + 1) * kButtonGap) / count;
    for (int i = 0; i < count; ++i)
        m_buttons[static_cast<std::size_t>(i)]->setGeometry(
            i * (buttonWidth + kButtonGap) + kButtonGap, kButtonTop, std::max(0, buttonWidth), kButtonHeight);
    const int statusHeight = C_SBAR_Editor->sizeHint().height();
    C_SBAR_Editor->setGeometry(0, height - barHeight - statusHeight, width, statusHeight);
    const int tabHeight = std::max(0, height - statusHeight - barHeight);
    int tabWidth = width;
    if (action(EditorCommand::C_MItem_Kalender)->isChecked()) {
        // A calendar wider than the panel (large fonts) widens the panel rather than being cut.
        const int panelWidth = std::max(kCalendarPanelWidth, m_calendar->calendarWidth());
        tabWidth = std::max(0, width - panelWidth);
        m_calendar->setGeometry(tabWidth, 0, panelWidth, tabHeight);
        m_calendar->layOut(panelWidth, tabHeight);
    }
    m_calendar->setVisible(action(EditorCommand::C_MItem_Kalender)->isChecked());
    m_tabPage->setGeometry(0, 0, tabWidth, tabHeight);
    P_Caret();
}

void TC_FORM_Editor::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TC_FORM_Editor::applySettings()
{
    const Settings& settings = m_state.settings();
    setCheckedQuietly(action(EditorCommand::C_MItem_Schaltflaechenleiste), settings.editorView.buttonBar);
    setCheckedQuietly(action(EditorCommand::C_MItem_Symbolleiste), settings.editorView.toolBar);
    setCheckedQuietly(action(EditorCommand::C_MItem_Cursor), settings.editorView.wideCaret);
    setCheckedQuietly(action(EditorCommand::C_MItem_Kalender), settings.calendar.shown);
    C_TBa_Editor->setVisible(settings.editorView.toolBar);

    m_appearance->apply();

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const WindowGeometry placed = fitToScreen(
        settings.editor.geometry, ScreenArea{area.left(), area.top(), area.width(), area.height()},
        FrameExtent{0, style()->pixelMetric(QStyle::PM_TitleBarHeight)});
    move(placed.left, placed.top);
    resize(placed.width, placed.height);
    if (placed.maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
    FormResize();
}

void TC_FORM_Editor::storeSettings()
{
    const QRect normal = isMaximized() ? normalGeometry() : QRect(frameGeometry().topLeft(), size());
    m_state.settings().editor.geometry = {normal.top(), normal.left(), normal.width(), normal.height(),
                                          isMaximized()};
    m_state.saveSettings(SettingsSection::Editor);
    m_state.saveSettings(SettingsSection::CheckList);
}

void TC_FORM_Editor::C_MItem_SchaltflaechenleisteClick()
{
    m_state.settings().editorView.buttonBar =
        action(EditorCommand::C_MItem_Schaltflaechenleiste)->isChecked();
    FormResize();
    m_state.saveSettings(SettingsSection::EditorView);
}

void TC_FORM_Editor::C_MItem_SymbolleisteClick()
{
    m_state.settings().editorView.toolBar = action(EditorCommand::C_MItem_Symbolleiste)->isChecked();
    C_TBa_Editor->setVisible(m_state.settings().editorView.toolBar);
    FormResize();
    m_state.saveSettings(SettingsSection::EditorView);
}

void TC_FORM_Editor::C_MItem_CursorClick()
{
    m_state.settings().editorView.wideCaret = action(EditorCommand::C_MItem_Cursor)->isChecked();
    m_state.saveSettings(SettingsSection::EditorView);
    P_Caret();
}

void TC_FORM_Editor::C_MItem_KalenderClick()
{
    const bool shown = action(EditorCommand::C_MItem_Kalender)->isChecked();
    if (shown)
        m_calendar->showToday();
    m_state.settings().calendar.shown = shown;
    m_state.saveSettings(SettingsSection::Calendar);
    FormResize();
}

void TC_FORM_Editor::P_Caret()
{
    showCaret(*C_RE_Termin, action(EditorCommand::C_MItem_Cursor)->isChecked());
}

} // namespace notavi::gui
