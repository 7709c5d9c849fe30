#include "gui/editor/editor_backups.h"

#include "core/model/backup_files.h"
#include "core/model/backup_messages.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "gui/platform/text_conversion.h"

#include <QFileInfo>
#include <QTextDocument>

namespace notavi::gui {
namespace {

const QString kSaveFilter = QStringLiteral("Termin-Dateien (*.dat *.DAT);;alle Dateien (*)");
const QString kOpenFilter = QStringLiteral("Termindateien (*.dat *.bak);;alle Dateien (*)");

Path toPath(const QString& file)
{
    return Path(file.toStdString());
}

// The save dialog's default extension: a name without one gets ".dat".
QString withDefaultExtension(const QString& file)
{
    return QFileInfo(file).suffix().isEmpty() ? file + QStringLiteral(".dat") : file;
}

} // namespace

EditorBackups::EditorBackups(TC_FORM_Editor& editor, const Desktop& desktop, ProgramState& state)
    : m_editor(editor), m_desktop(desktop), m_state(state)
{
}

QString EditorBackups::backupPath()
{
    m_state.loadSettings(SettingsSection::Backup);
    const QString path = fromCp1252(m_state.settings().backup.path);
    // The default is a bare file name: the dialog opens in the data folder.
    if (QFileInfo(path).isRelative())
        return QString::fromStdString((m_state.baseFolder().path / path.toStdString()).string());
    return path;
}

void EditorBackups::rememberBackupPath(const QString& path)
{
    m_state.settings().backup.path = toCp1252(path);
    m_state.saveSettings(SettingsSection::Backup);
}

void EditorBackups::C_MItem_SicherungErstellenClick()
{
    const std::optional<QString> chosen = m_desktop.dialogs.saveFile(
        &m_editor, {fromCp1252(kMakeBackupTitle), QString(), backupPath(), kSaveFilter});
    if (!chosen)
        return;
    if (m_editor.text().document()->isModified() && !m_editor.C_MItem_speichernClick())
        return;
    const QString target = withDefaultExtension(*chosen);
    if (!writeBackupCopy(m_state.files(), toPath(target), m_editor.lines())) {
        m_desktop.beeper.play(SystemSound::Warning);
        m_desktop.boxes.error(&m_editor, boxText(kBackupCopyFailedMessage));
        return;
    }
    rememberBackupPath(target);
}

void EditorBackups::C_MItem_SicherungWiederherstellenClick()
{
    const std::optional<QString> chosen = m_desktop.dialogs.openFile(
        &m_editor, {fromCp1252(kRestoreBackupTitle), QString(), backupPath(), kOpenFilter});
    if (!chosen)
        return;
    switch (restoreBackup(m_state.files(), m_state.baseFolder().path, toPath(*chosen))) {
    case RestoreStatus::RefusedDataFileItself:
        m_desktop.beeper.play(SystemSound::Warning);
        m_desktop.boxes.warning(&m_editor, boxText(kRestoreFromItselfMessage));
        return;
    case RestoreStatus::CopyFailed:
        m_desktop.beeper.play(SystemSound::Warning);
        m_desktop.boxes.error(&m_editor, boxText(restoreFailedMessage(toCp1252(*chosen))));
        return;
    case RestoreStatus::Restored:
        break;
    }
    m_state.markEditorSaved(); // the main window reloads the changed file
    rememberBackupPath(*chosen);
    m_editor.reloadFromDisk();
    m_desktop.beeper.play(SystemSound::Information);
    m_desktop.boxes.information(&m_editor, boxText(kRestoredMessage));
}

} // namespace notavi::gui
