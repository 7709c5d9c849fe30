#include "gui/dialogs/count_field.h"

#include <QEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace notavi::gui {
namespace {

// Runs a rule on one kind of event of a widget and lets the widget handle the event as usual.
class EventWatcher final : public QObject
{
  public:
    EventWatcher(QWidget& widget, QEvent::Type type, std::function<void()> rule)
        : QObject(&widget), m_type(type), m_rule(std::move(rule))
    {
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == m_type)
            m_rule();
        return QObject::eventFilter(watched, event);
    }

  private:
    QEvent::Type m_type;
    std::function<void()> m_rule;
};

} // namespace

void acceptDigitsOnly(QLineEdit& field, int maxLength)
{
    field.setMaxLength(maxLength);
    const QRegularExpression digits(QStringLiteral("[0-9]{0,%1}").arg(maxLength));
    field.setValidator(new QRegularExpressionValidator(digits, &field));
}

void onLeaving(QWidget& field, std::function<void()> rule)
{
    field.installEventFilter(new EventWatcher(field, QEvent::FocusOut, std::move(rule)));
}

void onDoubleClick(QWidget& control, std::function<void()> rule)
{
    control.installEventFilter(new EventWatcher(control, QEvent::MouseButtonDblClick, std::move(rule)));
}

} // namespace notavi::gui
