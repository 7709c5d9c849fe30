#include "gui/platform/qt_message_boxes.h"

#include <utility>
#include <vector>

#include <QMessageBox>
#include <QPushButton>

namespace notavi::gui {
namespace {

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

struct BoxButton
{
    MessageAnswer answer;
    QString caption;
    QMessageBox::ButtonRole role;
};

std::vector<BoxButton> buttonsOf(MessageButtons buttons)
{
    const BoxButton ok{MessageAnswer::Ok, QStringLiteral("OK"), QMessageBox::AcceptRole};
    const BoxButton cancel{MessageAnswer::Cancel, QStringLiteral("Abbrechen"), QMessageBox::RejectRole};
    const BoxButton yes{MessageAnswer::Yes, QStringLiteral("Ja"), QMessageBox::YesRole};
    const BoxButton no{MessageAnswer::No, QStringLiteral("Nein"), QMessageBox::NoRole};
    switch (buttons) {
    case MessageButtons::Ok:
        return {ok};
    case MessageButtons::OkCancel:
        return {ok, cancel};
    case MessageButtons::YesNo:
        return {yes, no};
    case MessageButtons::YesNoCancel:
        return {yes, no, cancel};
    case MessageButtons::YesNoNoToAllYesToAll:
        return {yes,
                no,
                {MessageAnswer::NoToAll, QStringLiteral("Nein f\u00FCr alle"), QMessageBox::NoRole},
                {MessageAnswer::YesToAll, QStringLiteral("Ja f\u00FCr alle"), QMessageBox::YesRole}};
    case MessageButtons::YesNoAll:
        return {yes, no, {MessageAnswer::All, QStringLiteral("Alle"), QMessageBox::YesRole}};
    }
    return {ok};
}

// What closing the box with Escape or the title bar means.
MessageAnswer escapeAnswer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoNoToAllYesToAll:
    case MessageButtons::YesNoAll:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

} // namespace

MessageAnswer QtMessageBoxes::show(QWidget* parent, MessageKind kind, const QString& text,
                                   MessageButtons buttons)
{
    m_beeper.play(kind == MessageKind::Information ? SystemSound::Information : SystemSound::Warning);
    QMessageBox box(iconOf(kind), messageTitle(kind), text, QMessageBox::NoButton, parent);
    std::vector<std::pair<QAbstractButton*, MessageAnswer>> added;
    const MessageAnswer onEscape = escapeAnswer(buttons);
    for (const BoxButton& choice : buttonsOf(buttons)) {
        QPushButton* button = box.addButton(choice.caption, choice.role);
        added.emplace_back(button, choice.answer);
        if (choice.answer == onEscape)
            box.setEscapeButton(button);
    }
    box.setDefaultButton(static_cast<QPushButton*>(added.front().first));
    box.exec();
    for (const auto& [button, answer] : added)
        if (box.clickedButton() == button)
            return answer;
    return onEscape;
}

QString messageTitle(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QStringLiteral("Warnung");
    case MessageKind::Error:
        return QStringLiteral("Fehler");
    case MessageKind::Information:
        return QStringLiteral("Information");
    case MessageKind::Confirmation:
        return QStringLiteral("Best\u00E4tigen");
    }
    return {};
}

} // namespace notavi::gui
