#pragma once

// The program's message boxes: four kinds and the button sets it uses, behind an interface so that
// windows can be driven by tests (a real modal box would wait forever without a user).

#include <QString>

class QWidget;

namespace notavi::gui {

enum class MessageKind
{
    Warning,
    Error,
    Information,
    Confirmation,
};

enum class MessageButtons
{
    Ok,
    OkCancel, // the line error report: OK and "Abbrechen"
    YesNo,
    YesNoCancel,
    YesNoNoToAllYesToAll,
    YesNoAll, // an appointment with a running period: shorten it, keep it, or delete it whole
};

enum class MessageAnswer
{
    Ok,
    Cancel,
    Yes,
    No,
    NoToAll,
    YesToAll,
    All,
};

class MessageBoxes
{
  public:
    virtual ~MessageBoxes() = default;
    // Shows the box modally over parent and returns the button pressed; closing the box counts as
    // its escape button (Cancel, or No where there is no Cancel, or OK for an OK box).
    virtual MessageAnswer show(QWidget* parent, MessageKind kind, const QString& text,
                               MessageButtons buttons) = 0;

    void warning(QWidget* parent, const QString& text)
    {
        show(parent, MessageKind::Warning, text, MessageButtons::Ok);
    }

    void error(QWidget* parent, const QString& text)
    {
        show(parent, MessageKind::Error, text, MessageButtons::Ok);
    }

    void information(QWidget* parent, const QString& text)
    {
        show(parent, MessageKind::Information, text, MessageButtons::Ok);
    }

    // A yes/no question; true for "Ja".
    bool confirm(QWidget* parent, const QString& text)
    {
        return show(parent, MessageKind::Confirmation, text, MessageButtons::YesNo) == MessageAnswer::Yes;
    }
};

// The window title of a box of that kind ("Warnung", "Fehler", "Information", "Bestätigen").
QString messageTitle(MessageKind kind);

} // namespace notavi::gui
