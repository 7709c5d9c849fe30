#pragma once

// The editor's own texts in its boxes and status line.

#include <QString>

namespace notavi::gui {

inline const QString kEditorCaption = QStringLiteral("Termineditor");
inline const QString kStatusHint = QStringLiteral("Zeigt die aktuelle Cursorposition");
inline const QString kSelectionStartNote = QStringLiteral(" (Beginn der Markierung)");

inline const QString kReloadedMessage = QStringLiteral("Die Termindatei wurde neu geladen.");
inline const QString kDiscardChangesQuestion =
    QStringLiteral("Die Termindatei \"Notavi.dat\" wurde ge\u00E4ndert.\n\nSollen alle \u00C4nderungen "
                   "verworfen und die zuletzt gespeicherte Version geladen werden?");
inline const QString kSaveOnCloseQuestion =
    QStringLiteral("Die Termindatei Notavi.dat wurde ge\u00E4ndert.\n\n\u00C4nderungen speichern ?");
inline const QString kReplaceFileQuestion =
    QStringLiteral("Soll die aktuelle Termindatei gel\u00F6scht und durch eine Standardtermindatei ersetzt "
                   "werden?\n\nHierdurch werden alle bisher gespeichertern Termine gel\u00F6scht!");
inline const QString kInfoAreaWarning =
    QStringLiteral("Die ersten 11 Zeilen (der Infobereich) k\u00F6nnen nicht ge\u00E4ndert werden!");

// Another program changed notavi.dat after the editor read it.
inline const QString kChangedOnDiskQuestion =
    QStringLiteral("Die Termindatei \"Notavi.dat\" wurde ge\u00E4ndert, seit der Termineditor sie geladen "
                   "hat (etwa mit einem anderen Programm).\n\nSoll sie trotzdem mit dem Text des "
                   "Termineditors \u00FCberschrieben werden? Die \u00C4nderungen des anderen Programms "
                   "gehen dabei verloren.\n\nBei \"Nein\" wird nicht gespeichert.");

// A line holds characters the file cannot store; %1 the line number, %2 the line.
inline const QString kUnstorableQuestion =
    QStringLiteral("Die Zeile %1 enth\u00E4lt Zeichen, die in der Termindatei nicht gespeichert werden "
                   "k\u00F6nnen:\n\n%2\n\nSollen diese Zeichen (auch in weiteren Zeilen) als \"?\" "
                   "gespeichert werden?\n\nBei \"Nein\" wird nicht gespeichert.");

} // namespace notavi::gui
