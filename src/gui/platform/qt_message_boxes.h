#pragma once

// The real message boxes: a German QMessageBox after the system sound.

#include "gui/platform/beeper.h"
#include "gui/platform/message_boxes.h"

namespace notavi::gui {

class QtMessageBoxes final : public MessageBoxes
{
  public:
    // The beeper must outlive this object.
    explicit QtMessageBoxes(Beeper& beeper) : m_beeper(beeper) {}

    MessageAnswer show(QWidget* parent, MessageKind kind, const QString& text,
                       MessageButtons buttons) override;

  private:
    Beeper& m_beeper;
};

} // namespace notavi::gui
