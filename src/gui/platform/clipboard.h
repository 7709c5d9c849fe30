#pragma once

// The desktop's clipboard text. Only a command the user chose for it writes there (the date
// calculation's copy option); text the program inserts into its own controls never passes through.

#include <QString>

namespace notavi::gui {

class Clipboard
{
  public:
    virtual ~Clipboard() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
};

// The desktop's clipboard through Qt.
class SystemClipboard final : public Clipboard
{
  public:
    QString text() const override;
    void setText(const QString& text) override;
};

} // namespace notavi::gui
