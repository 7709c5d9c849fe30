#include "gui/dialogs/date_picker.h"

#include "gui/platform/german_formats.h"

#include <algorithm>

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QWidgetAction>

namespace notavi::gui {
namespace {

// Where each part starts in "TT.MM.JJJJ" and how long it is.
struct PartSpan
{
    int start;
    int length;
};

PartSpan spanOf(DatePicker::Part part)
{
    switch (part) {
    case DatePicker::Part::Day:
        return {0, 2};
    case DatePicker::Part::Month:
        return {3, 2};
    case DatePicker::Part::Year:
        return {6, 4};
    }
    return {0, 2};
}

const QDate kFirstDate(1, 1, 1);
const QDate kLastDate(9999, 12, 31);

} // namespace

DatePicker::DatePicker(QWidget* parent) : QWidget(parent)
{
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("datePickerText"));
    m_edit->setInputMask(QStringLiteral("99.99.9999;_"));
    m_edit->installEventFilter(this);
    m_calendarButton = new QToolButton(this);
    m_calendarButton->setObjectName(QStringLiteral("datePickerCalendar"));
    m_calendarButton->setArrowType(Qt::DownArrow);
    m_calendarButton->setFocusPolicy(Qt::NoFocus);
    connect(m_calendarButton, &QToolButton::clicked, this, &DatePicker::showCalendar);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_calendarButton);
    setFocusProxy(m_edit);
}

QString DatePicker::text() const
{
    return m_edit->displayText();
}

QDate DatePicker::date() const
{
    return QDate::fromString(text(), QString::fromLatin1(kShortDateFormat));
}

void DatePicker::setDate(const QDate& date)
{
    m_edit->setText(date.toString(QString::fromLatin1(kShortDateFormat)));
    selectPart(Part::Day);
}

DatePicker::Part DatePicker::currentPart() const
{
    const int position = m_edit->hasSelectedText() ? m_edit->selectionStart() : m_edit->cursorPosition();
    if (position < spanOf(Part::Month).start)
        return Part::Day;
    return position < spanOf(Part::Year).start ? Part::Month : Part::Year;
}

void DatePicker::selectPart(Part part)
{
    const PartSpan span = spanOf(part);
    m_edit->setSelection(span.start, span.length);
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::AltModifier && key->key() == Qt::Key_Down) {
            showCalendar();
            return true;
        }
        if (modifiers == Qt::NoModifier && handleKey(key->key()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool DatePicker::handleKey(int key)
{
    const int part = static_cast<int>(currentPart());
    switch (key) {
    case Qt::Key_Left:
        selectPart(static_cast<Part>(std::max(part - 1, 0)));
        return true;
    case Qt::Key_Right:
        selectPart(static_cast<Part>(std::min(part + 1, 2)));
        return true;
    case Qt::Key_Up:
        step(1);
        return true;
    case Qt::Key_Down:
        step(-1);
        return true;
    default:
        return false;
    }
}

void DatePicker::step(int delta)
{
    // Only a date can be stepped; an unfinished text waits for the user to complete it.
    const QDate typed = date();
    if (!typed.isValid())
        return;
    const Part part = currentPart();
    QDate stepped = typed.addDays(delta);
    if (part == Part::Month)
        stepped = typed.addMonths(delta);
    else if (part == Part::Year)
        stepped = typed.addYears(delta);
    if (stepped.isValid() && stepped >= kFirstDate && stepped <= kLastDate)
        m_edit->setText(stepped.toString(QString::fromLatin1(kShortDateFormat)));
    selectPart(part);
}

void DatePicker::showCalendar()
{
    QMenu popup(this);
    auto* calendar = new QCalendarWidget(&popup);
    calendar->setDateRange(kFirstDate, kLastDate);
    calendar->setGridVisible(true);
    if (date().isValid())
        calendar->setSelectedDate(date());
    auto* action = new QWidgetAction(&popup);
    action->setDefaultWidget(calendar);
    popup.addAction(action);
    const auto take = [this, &popup](QDate chosen) {
        setDate(chosen);
        popup.close();
    };
    connect(calendar, &QCalendarWidget::clicked, &popup, take);
    connect(calendar, &QCalendarWidget::activated, &popup, take);
    popup.exec(mapToGlobal(QPoint(0, height())));
    m_edit->setFocus();
}

} // namespace notavi::gui
