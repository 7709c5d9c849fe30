#include "support/scripted_message_boxes.h"

namespace notavi::gui::test {
namespace {

MessageAnswer firstButton(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
    case MessageButtons::YesNoNoToAllYesToAll:
    case MessageButtons::YesNoAll:
        return MessageAnswer::Yes;
    }
    return MessageAnswer::Ok;
}

} // namespace

MessageAnswer ScriptedMessageBoxes::show(QWidget*, MessageKind kind, const QString& text,
                                         MessageButtons buttons)
{
    shown.append({kind, text, buttons});
    if (whileShown)
        whileShown();
    if (m_answers.empty())
        return firstButton(buttons);
    MessageAnswer next = m_answers.front();
    m_answers.pop_front();
    return next;
}

QStringList ScriptedMessageBoxes::texts() const
{
    QStringList result;
    for (const ShownBox& box : shown)
        result << box.text;
    return result;
}

} // namespace notavi::gui::test
