#pragma once

// Qt's own texts in German: shortcut names ("Strg+U"), the context menu of edit fields, the standard
// buttons. Without them they follow the system's language, while the program speaks German only.

class QCoreApplication;

namespace notavi::gui {

// Installs Qt's German translation into the application, whatever the system's language. Looks in
// Qt's translations folder first, then in "translations" beside the program; false when neither
// holds it (Qt's texts then stay as they are).
bool installGermanQtTexts(QCoreApplication& application);

} // namespace notavi::gui
