#pragma once

// Whether the desktop's clipboard holds text to paste, for the paste commands' enabled state. Asking
// the clipboard for its text fetches all of it from the program that owns it, which is too much for
// every caret move: the answer is kept until the clipboard changes, and worked out on first demand.

#include <optional>

#include <QObject>

namespace notavi::gui {

class ClipboardTextWatch final : public QObject
{
    Q_OBJECT

  public:
    explicit ClipboardTextWatch(QObject* parent);

    bool holdsText() const;

  Q_SIGNALS:
    void changed();

  private:
    mutable std::optional<bool> m_holdsText;
};

} // namespace notavi::gui
