#pragma once

// A MessageBoxes that answers from a script and records every box, so tests read the German texts.

#include "gui/platform/message_boxes.h"

#include <deque>
#include <functional>

#include <QList>
#include <QString>

namespace notavi::gui::test {

struct ShownBox
{
    MessageKind kind;
    QString text;
    MessageButtons buttons;
};

class ScriptedMessageBoxes final : public MessageBoxes
{
  public:
    // Queues the answers of the next boxes; a box without a queued answer gets its first button.
    void answer(MessageAnswer next) { m_answers.push_back(next); }

    MessageAnswer show(QWidget* parent, MessageKind kind, const QString& text,
                       MessageButtons buttons) override;

    QList<ShownBox> shown;
    // Runs while a box "stands" on the screen, before it is answered.
    std::function<void()> whileShown;

    QStringList texts() const;

  private:
    std::deque<MessageAnswer> m_answers;
};

} // namespace notavi::gui::test
